# Fails the build when a file includes a header it may not use.
#
# The core's folders are layers, listed bottom first in LAYERS (a ;-separated list). A core file may
# include headers of its own layer and of every layer below it, never of a higher layer and never of
# a face or tool (FACES: the script runner, the terminal, the desktop, the browser, the build
# tools). A face may use the core and the script runner, never another face.
#
# Every spelling of an include counts: quotes or angle brackets, blanks after the '#' and before
# the name, and paths through '..' (resolved against the including file's folder).
#
# Run as: cmake -DSOURCE_DIR=... -DLAYERS=base;state;... -DFACES=script;term;... -P check_layers.cmake

# The folder of SOURCE_DIR that `name`, included from `file`, lies in; "" for a header from
# outside the tree (<vector>, <nlohmann/json.hpp>).
function(included_folder file name result)
  if(name MATCHES "^\\.\\.?/")
    get_filename_component(dir "${file}" DIRECTORY)
    get_filename_component(target "${dir}/${name}" ABSOLUTE)
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${target}")
    if(name MATCHES "^\\.\\./")
      set(${result} "" PARENT_SCOPE)
      return()
    endif()
  endif()
  if(name MATCHES "^([A-Za-z0-9_]+)/")
    set(${result} "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    set(${result} "" PARENT_SCOPE)
  endif()
endfunction()

# Appends to `errors` each include of `folder`'s files that `allowed` (a list of folders) does not
# hold; `what` says which rule the folder follows.
function(check_folder folder allowed what)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
  set(found "")
  foreach(file ${files})
    file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
        continue()
      endif()
      included_folder("${file}" "${CMAKE_MATCH_1}" target)
      if(target STREQUAL "" OR target STREQUAL folder)
        continue()
      endif()
      list(FIND ALL_FOLDERS "${target}" known)
      list(FIND allowed "${target}" ok)
      if(known GREATER -1 AND ok EQUAL -1)
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
        string(STRIP "${line}" line)
        string(APPEND found "  ${shown}: ${line} (${what} ${folder} may not use ${target})\n")
      endif()
    endforeach()
  endforeach()
  set(errors "${errors}${found}" PARENT_SCOPE)
endfunction()

set(errors "")
set(ALL_FOLDERS ${LAYERS} ${FACES})
set(below "")
foreach(layer ${LAYERS})
  check_folder(${layer} "${below}" "layer")
  list(APPEND below ${layer})
endforeach()
foreach(face ${FACES})
  set(allowed ${LAYERS})
  if(NOT face STREQUAL "script")
    list(APPEND allowed script)  # the script runner is shared by the faces
  endif()
  check_folder(${face} "${allowed}" "face")
endforeach()

if(errors)
  message(FATAL_ERROR "Includes across the layers that are not allowed:\n${errors}")
endif()
