# Runs the layer check on a tree of bad and good files and expects every bad one, and no good one,
# to be named. Run as: cmake -DCHECK=cmake/check_layers.cmake -DTREE=tests/layer_check/tree -P ...
execute_process(
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${TREE}
          "-DLAYERS=base;state;router;parser;reports;commands;network;console;simulation;lab"
          "-DFACES=script;term;ui;web;tools" -P ${CHECK}
  RESULT_VARIABLE status
  ERROR_VARIABLE report
  OUTPUT_VARIABLE out)
if(status EQUAL 0)
  message(FATAL_ERROR "the layer check passed a tree of bad includes")
endif()
foreach(bad commands/angle_brackets.h commands/blanks_after_hash.h commands/dot_dot_path.h
            state/includes_a_face.h base/includes_the_script_runner.h web/includes_another_face.h)
  string(FIND "${report}" "${bad}:" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the layer check missed ${bad}:\n${report}")
  endif()
endforeach()
foreach(good lab/allowed.h term/allowed_face.h network/allowed_below.h)
  string(FIND "${report}" "${good}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the layer check refused ${good}, which is allowed:\n${report}")
  endif()
endforeach()
