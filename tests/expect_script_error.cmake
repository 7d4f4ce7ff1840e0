# Runs sheet-driver on a script that must stop with status 2 and name its file and line.
execute_process(COMMAND ${DRIVER} ${SCRIPT} RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "expected status 2, got ${status}: ${errors}")
endif()
if(NOT errors MATCHES "^[^\n]*${SCRIPT}:[0-9]+: ")
  message(FATAL_ERROR "expected FILE:LINE: in the message, got: ${errors}")
endif()
message(STATUS "${errors}")
