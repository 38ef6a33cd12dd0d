# Runs each SCRIPT.replay through tarnolo-replay on the control model and on the real window,
# each in a fresh folder of its own (the scripts write case files there): both outputs must be
# identical, and equal to SCRIPT.expected.
file(GLOB scripts "${DIR}/*.replay")
list(LENGTH scripts count)
if(count EQUAL 0)
  message(FATAL_ERROR "no script in ${DIR}")
endif()
foreach(script IN LISTS scripts)
  get_filename_component(name ${script} NAME_WE)
  foreach(target model window)
    set(folder ${WORK}/${name}-${target})
    file(REMOVE_RECURSE ${folder})
    file(MAKE_DIRECTORY ${folder})
    set(option "")
    if(target STREQUAL "window")
      set(option "--window")
    endif()
    execute_process(COMMAND ${REPLAY} ${option} ${script} WORKING_DIRECTORY ${folder}
                    OUTPUT_VARIABLE out_${target} RESULT_VARIABLE status ERROR_VARIABLE err
                    TIMEOUT 60)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${name} on the ${target}: status ${status}\n${err}")
    endif()
    file(WRITE ${WORK}/${name}-${target}.out "${out_${target}}")
  endforeach()
  if(NOT out_model STREQUAL out_window)
    execute_process(COMMAND diff -u ${WORK}/${name}-model.out ${WORK}/${name}-window.out
                    OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "${name}: the window differs from the model:\n${difference}")
  endif()
  string(REGEX REPLACE "\\.replay$" ".expected" expected ${script})
  file(READ ${expected} want)
  if(NOT out_model STREQUAL want)
    message(FATAL_ERROR "${name}: output differs from ${expected}:\n${out_model}")
  endif()
  message(STATUS "${name}: window and model agree")
endforeach()

# Scripts that must stop with status 2 and say why, on the model and on the window alike:
# name | script text ("-" for a folder given as the script) | what stderr must hold.
file(MAKE_DIRECTORY ${WORK}/a-folder.replay)
set(refused
  "a folder as the script|-|cannot read the script"
  "a step after Salir1|click Salir1\nset VP 1\n|line 2: the window is closed"
  "a click after Salir1|set VP 1\nclick Salir1\n# gone\nclick BitBtn6\n|line 4: the window is closed"
  "a digit as separator|separator 0\n|line 1: separator needs"
)
foreach(row IN LISTS refused)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 name)
  list(GET fields 1 text)
  list(GET fields 2 said)
  set(script ${WORK}/a-folder.replay)
  if(NOT text STREQUAL "-")
    set(script ${WORK}/refused.replay)
    file(WRITE ${script} "${text}")
  endif()
  foreach(option "" "--window")
    execute_process(COMMAND ${REPLAY} ${option} ${script} WORKING_DIRECTORY ${WORK}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
    if(NOT status EQUAL 2 OR NOT err MATCHES "${said}" OR NOT out STREQUAL "")
      message(FATAL_ERROR "${name} ${option}: status ${status}, said ${err}, printed ${out}")
    endif()
  endforeach()
  message(STATUS "${name}: refused on the window and the model")
endforeach()
