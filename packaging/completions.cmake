# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the shell completions of flightdeck-cli, which it makes from its own command table:
# cmake -DCLI=<flightdeck-cli> -DOUT=<folder> -P completions.cmake
file(MAKE_DIRECTORY ${OUT})
foreach(shell_and_file bash:flightdeck-cli zsh:_flightdeck-cli fish:flightdeck-cli.fish)
  string(REPLACE ":" ";" pair ${shell_and_file})
  list(GET pair 0 shell)
  list(GET pair 1 name)
  execute_process(COMMAND ${CLI} --completion ${shell} OUTPUT_FILE ${OUT}/${name}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "flightdeck-cli --completion ${shell} failed")
  endif()
endforeach()
