# Runs tarnolo-replay as a user would: each SCRIPT.replay against SCRIPT.expected, and a bad
# script must end with status 2.
file(GLOB scripts "${DIR}/*.replay")
foreach(script IN LISTS scripts)
  string(REGEX REPLACE "\\.replay$" ".expected" expected "${script}")
  execute_process(COMMAND ${REPLAY} ${script} OUTPUT_VARIABLE out RESULT_VARIABLE status)
  file(READ ${expected} want)
  if(NOT status EQUAL 0 OR NOT out STREQUAL want)
    message(FATAL_ERROR "${script}: status ${status}, output differs from ${expected}:\n${out}")
  endif()
endforeach()
execute_process(COMMAND ${REPLAY} "${DIR}/no-such-script" RESULT_VARIABLE status ERROR_QUIET)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "a missing script gave status ${status}, not 2")
endif()

# The separator as the window reads it (built with the window: Qt's reading of the regional
# settings), also for a language the system has no locale of.
if(NOT WITH_QT)
  return()
endif()
file(WRITE ${WORK}/separator.replay "set VP 1\nset FP 2\nset FN 2\nset VN 4\nclick BitBtn6\n")
foreach(row "LANG=fr_FR.UTF-8|33,3333333333333" "LANG=es_ES.UTF-8|33,3333333333333"
            "LANG=en_US.UTF-8|33.3333333333333" "LC_NUMERIC=de_DE.UTF-8|33,3333333333333"
            "LC_ALL=C|33.3333333333333")
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 setting)
  list(GET fields 1 shown)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=LC_ALL --unset=LC_NUMERIC LANG=C
                          ${setting} ${REPLAY} ${WORK}/separator.replay
                  OUTPUT_VARIABLE out RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT out MATCHES "control\tsens\ttext=\"${shown}\"")
    message(FATAL_ERROR "${setting}: status ${status}, not sens ${shown}:\n${out}")
  endif()
endforeach()
