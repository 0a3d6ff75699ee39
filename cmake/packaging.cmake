# Installing Zorva as system software, and its Debian package (`make package`, which is CPack's
# `package` target). The programs go to /usr/bin, their data (zorva.mdb, topologies, labs, tips)
# to /usr/share/zorva, where a program installed in PREFIX/bin looks for it (base/app_paths), the
# manual pages to /usr/share/man/man1; with the desktop program, its menu entry, icon and the MIME
# type of lab files (.zlab) too. Debian's triggers refresh the menu, icon and MIME caches. The
# browser face's site goes to /usr/share/zorva/web, for a teacher to copy to any web server, when
# it has been built (`make web`, which `make package` runs first).
include(GNUInstallDirs)
set(ZORVA_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zorva)

install(TARGETS zorva-term RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZORVA_BIN_DIR}/zorva.mdb data/default.ini data/TIPOFDAY.TXT
        DESTINATION ${ZORVA_INSTALL_DATA_DIR})
install(DIRECTORY data/topologies data/labs DESTINATION ${ZORVA_INSTALL_DATA_DIR})
set(ZORVA_WEB_SITE_DIR ${CMAKE_SOURCE_DIR}/build-web/site
    CACHE PATH "The browser face's site, built by make web, that the package carries")
install(DIRECTORY ${ZORVA_WEB_SITE_DIR}/ DESTINATION ${ZORVA_INSTALL_DATA_DIR}/web OPTIONAL)

# Manual pages are installed compressed, as Debian keeps them; -n leaves the time out of the file.
set(ZORVA_MAN_PAGES zorva-term)
if(TARGET zorva)
  list(APPEND ZORVA_MAN_PAGES zorva)
endif()
foreach(page ${ZORVA_MAN_PAGES})
  set(gz ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/packaging/${page}.1 > ${gz}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${page}.1
    COMMENT "Compressing the manual page ${page}(1)")
  list(APPEND ZORVA_MAN_FILES ${gz})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${ZORVA_MAN_FILES})
install(FILES ${ZORVA_MAN_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET zorva)
  install(TARGETS zorva RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES packaging/zorva.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/zorva.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES packaging/zorva-lab.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME zorva.xml)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorva)
set(CPACK_PACKAGE_VENDOR "Zorva")
# Whoever builds the package for a school names themselves as its maintainer:
# -DZORVA_PACKAGE_CONTACT="Name <address>".
set(ZORVA_PACKAGE_CONTACT "Zorva developers <zorva@example.org>" CACHE STRING
    "The package maintainer, as Debian's tools show it: Name <address>")
set(CPACK_PACKAGE_CONTACT "${ZORVA_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "router network simulator for the classroom")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Students configure a small network of simulated routers from their consoles: prompts, "
       "help,\ncompletion, configuration modes, show reports, RIP, IGRP, EIGRP and OSPF, ping. "
       "Lab pages\nand checks come with it; zorva-term runs it in a terminal and grades lab files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # zorva_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the libraries the programs link, found by dpkg-shlibdeps
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
include(CPack)
