# Installs under a prefix that is not on the PATH and checks that the menu entry starts the
# installed program by its full path, with its icon.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/menu_entry_check.cmake)
check_installed_files("${PREFIX}")
check_menu_entry("${PREFIX}/share/applications/convex-hull.desktop" "${PREFIX}/bin/convex-hull")
