# Runs the planner with a display that no server answers: it must say so in one
# line, with how to run it without a screen, and end with status 1.
execute_process(COMMAND ${PLANNER} RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE output TIMEOUT 60)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "expected status 1, got ${status}: ${errors}")
endif()
if(NOT errors MATCHES "^tessmar-planner: [^\n]*could not be opened[^\n]*xvfb-run[^\n]*\n$")
  message(FATAL_ERROR "expected one line naming the display and xvfb-run, got: ${errors}")
endif()
message(STATUS "${errors}")
