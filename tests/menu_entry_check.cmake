# Checks shared by the install and package tests.

function(check_installed_files root)
  foreach(installed bin/convex-hull share/applications/convex-hull.desktop
                    share/icons/hicolor/scalable/apps/convex-hull.svg
                    share/metainfo/org.example.convexhull.metainfo.xml
                    share/doc/convex-hull/copyright share/doc/convex-hull/changelog.gz)
    if(NOT EXISTS "${root}/${installed}")
      message(FATAL_ERROR "not installed: ${root}/${installed}")
    endif()
  endforeach()
endfunction()

# The entry is valid for desktop-file-validate, hints included, and starts the given program with
# the file it is asked to open.
function(check_menu_entry entry program)
  execute_process(COMMAND desktop-file-validate "${entry}" RESULT_VARIABLE result
                  OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
  if(NOT result EQUAL 0 OR NOT complaints STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${complaints}")
  endif()
  file(READ "${entry}" text)
  if(NOT text MATCHES "\nExec=${program} %f\n" OR NOT text MATCHES "\nIcon=convex-hull\n")
    message(FATAL_ERROR "the menu entry does not start ${program} with its icon:\n${text}")
  endif()
endfunction()
