# Header-only libraries for the browser build, taken from the build machine's Debian packages. The
# toolchain searches only its own system root, and the whole of /usr/include would shadow its C
# library, so each library's folder is linked alone into a folder of the build tree.
set(ZORVA_HOST_INCLUDE ${CMAKE_BINARY_DIR}/host-include)
file(MAKE_DIRECTORY ${ZORVA_HOST_INCLUDE})
if(NOT EXISTS /usr/include/nlohmann/json.hpp)
  message(FATAL_ERROR "nlohmann/json is missing: run scripts/install-deps.sh")
endif()
file(CREATE_LINK /usr/include/nlohmann ${ZORVA_HOST_INCLUDE}/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${ZORVA_HOST_INCLUDE})
