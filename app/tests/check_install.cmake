# Installs the build into a fresh prefix: the planner lands in bin/, its menu
# entry in share/applications/ and its icon where desktop menus look for an
# application's scalable icon; the entry names the icon and passes
# desktop-file-validate where that is installed.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(file bin/tessmar-planner share/applications/tessmar-planner.desktop
             share/icons/hicolor/scalable/apps/tessmar-planner.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/tessmar-planner.desktop entry)
if(NOT entry MATCHES "\nExec=tessmar-planner\n" OR NOT entry MATCHES "\nIcon=tessmar-planner\n"
   OR NOT entry MATCHES "\nCategories=Game;RolePlaying;\n")
  message(FATAL_ERROR "the menu entry lacks its command, its icon or its categories: ${entry}")
endif()
file(READ ${PREFIX}/share/icons/hicolor/scalable/apps/tessmar-planner.svg icon)
if(NOT icon MATCHES "<svg ")
  message(FATAL_ERROR "the installed icon is no SVG picture")
endif()
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} ${PREFIX}/share/applications/tessmar-planner.desktop
                  RESULT_VARIABLE status OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
  if(NOT status EQUAL 0 OR NOT complaints STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${complaints}")
  endif()
endif()
