# The program from a terminal: each option, a case named on the command line, and a window
# system that cannot be reached. Each row: name | environment | arguments | status | what
# stdout must match | what stderr must match (".*" matches anything). Arguments and the
# environment are separated by blanks; @CASE@ is a case file, @NOCASE@ a missing one, @PNG@ a
# picture to write.
cmake_policy(SET CMP0007 NEW)  # a row may end in an empty field
set(case ${WORK}/cli_caso.ROC)
set(png ${WORK}/cli_window.png)
# {vp 10, fp 20, vn 65, fn 5}
execute_process(COMMAND printf "\\012\\000\\000\\000\\024\\000\\000\\000\\101\\000\\000\\000\\005\\000\\000\\000"
                OUTPUT_FILE ${case})

set(rows
  "help|-|--help|0|^Uso: tarnolo .opciones. .CASO.ROC..*--version|^$"
  "short help|-|-h|0|^Uso: tarnolo|^$"
  "version|-|--version|0|^Tarnolo 2\\.1\n$|^$"
  "unknown option|-|--abrir @CASE@|2|^$|opción desconocida: abrir\nUso: tarnolo"
  "missing value|-|--screenshot|2|^$|le falta su valor\nUso: tarnolo"
  "two cases|-|@CASE@ @CASE@|2|^$|sobra un argumento.*\nUso: tarnolo"
  "no server|DISPLAY=:97|@CASE@|2|^$|tarnolo: no se puede mostrar la ventana"
  "bad platform|QT_QPA_PLATFORM=ninguna|-|2|^$|tarnolo: no se puede mostrar la ventana"
  "bad platform option|-|-platform ninguna|2|^$|tarnolo: no se puede mostrar la ventana"
  "no plugin path|QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORM_PLUGIN_PATH=/nonexistent QT_PLUGIN_PATH=/nonexistent|-platformpluginpath /nonexistent -platform ninguna|2|^$|no se puede mostrar"
  "case and picture|-|--screenshot @PNG@ @CASE@|0|^$|.*"
  "missing case and picture|-|--screenshot @PNG@ @NOCASE@|1|^$|tarnolo: File not found\\.\n"
)

foreach(row IN LISTS rows)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 name)
  list(GET fields 1 environment)
  list(GET fields 2 arguments)
  list(GET fields 3 expected)
  list(GET fields 4 out_pattern)
  list(GET fields 5 err_pattern)
  set(env_args --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
  if(NOT environment STREQUAL "-")
    string(REPLACE " " ";" extra "${environment}")
    list(APPEND env_args ${extra})
  endif()
  set(args "")
  if(NOT arguments STREQUAL "-")
    string(REPLACE "@CASE@" "${case}" arguments "${arguments}")
    string(REPLACE "@NOCASE@" "${WORK}/cli_ninguno.ROC" arguments "${arguments}")
    string(REPLACE "@PNG@" "${png}" arguments "${arguments}")
    string(REPLACE " " ";" args "${arguments}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${env_args} ${TARNOLO} ${args}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT status STREQUAL expected)
    message(SEND_ERROR "${name}: status ${status}, not ${expected}; stderr: ${err}")
  elseif(NOT out MATCHES "${out_pattern}")
    message(SEND_ERROR "${name}: stdout does not match ${out_pattern}: ${out}")
  elseif(NOT err MATCHES "${err_pattern}")
    message(SEND_ERROR "${name}: stderr does not match ${err_pattern}: ${err}")
  endif()
endforeach()
