# Runs the planner where it cannot open its window. A display that no server
# answers (the test's DISPLAY) or no display at all: it must say so in one
# line, with how to run it without a screen, and end with status 1. A start
# that fails for another reason (a platform plugin that does not exist) is
# Qt's to report: its own messages come through and the planner adds none.
# The environment of each case is set here, so that the planner's own status
# (an abort, say) reaches the test.
set(cases "display_answers_not" "no_display" "no_such_platform")
set(display_answers_not_env "DISPLAY=$ENV{DISPLAY}")
set(no_display_env "DISPLAY=")
set(no_such_platform_env "QT_QPA_PLATFORM=no-such-platform")
foreach(case IN LISTS cases)
  string(REGEX MATCH "^([^=]*)=(.*)$" pair "${${case}_env}")
  set(name "${CMAKE_MATCH_1}")
  set(value "${CMAKE_MATCH_2}")
  set(saved "$ENV{${name}}")
  set(ENV{${name}} "${value}")
  execute_process(COMMAND ${PLANNER} RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_VARIABLE output TIMEOUT 60)
  set(ENV{${name}} "${saved}")
  if(case STREQUAL "no_such_platform")
    if(status STREQUAL "0" OR status STREQUAL "1" OR errors MATCHES "tessmar-planner:"
       OR NOT errors MATCHES "no-such-platform")
      message(FATAL_ERROR "${case}: expected Qt's own failure and messages, got status ${status}: ${errors}")
    endif()
    continue()
  endif()
  if(NOT status EQUAL 1)
    message(FATAL_ERROR "${case}: expected status 1, got ${status}: ${errors}")
  endif()
  if(case STREQUAL "no_display")
    set(expected "^tessmar-planner: no display is set[^\n]*xvfb-run[^\n]*\n$")
  else()
    set(expected "^tessmar-planner: the display :65000 could not be opened[^\n]*xvfb-run[^\n]*\n$")
  endif()
  if(NOT errors MATCHES "${expected}")
    message(FATAL_ERROR "${case}: expected one line naming the display and xvfb-run, got: ${errors}")
  endif()
  message(STATUS "${case}: ${errors}")
endforeach()
