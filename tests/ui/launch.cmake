# Runs tarnolo without a display: it must say in one line that it needs one and fail; with
# --screenshot it must draw the compact window into a PNG file.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          ${TARNOLO}
  RESULT_VARIABLE status ERROR_VARIABLE err TIMEOUT 30)
if(status EQUAL 0 OR NOT err MATCHES "graphical session.*--screenshot")
  message(FATAL_ERROR "without a display: status ${status}, said: ${err}")
endif()

set(picture ${WORK}/launch_window.png)
file(REMOVE ${picture})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
          ${TARNOLO} --screenshot ${picture}
  RESULT_VARIABLE status TIMEOUT 30)
if(NOT status EQUAL 0 OR NOT EXISTS ${picture})
  message(FATAL_ERROR "--screenshot: status ${status}, no ${picture}")
endif()
# The PNG header holds the width and height as 4-byte numbers at offsets 16 and 20.
file(READ ${picture} header OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING ${header} 0 8 width)
if(NOT width STREQUAL "000001c2")
  message(FATAL_ERROR "--screenshot: width 0x${width}, not 450")
endif()
