# Fails the build when a core file includes a header of a layer above its own.
#
# The core's folders are layers, listed bottom first in LAYERS (a ;-separated list). A file in a
# layer may include headers of its own layer and of every layer below it; an include of a higher
# layer is an upward dependency and stops the build with the file, the line and both layers.
# Run as: cmake -DSOURCE_DIR=... -DLAYERS=base;state;... -P check_layers.cmake

set(errors "")
list(LENGTH LAYERS layer_count)
math(EXPR last "${layer_count} - 1")
foreach(rank RANGE ${last})
  list(GET LAYERS ${rank} layer)
  file(GLOB files "${SOURCE_DIR}/${layer}/*.cpp" "${SOURCE_DIR}/${layer}/*.h")
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^#include \"[a-z_]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" target "${line}")
      list(FIND LAYERS ${target} target_rank)
      if(target_rank GREATER rank)
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
        string(APPEND errors "  ${shown}: ${line} (layer ${layer} may not use ${target})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(errors)
  message(FATAL_ERROR "Upward includes between core layers:\n${errors}")
endif()
