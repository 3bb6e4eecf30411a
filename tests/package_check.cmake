# Makes the Debian package, unpacks it, and checks its files and what it declares.
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND cpack --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB packages "${WORK_DIR}/*.deb")
list(LENGTH packages count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made no single package: ${output}")
endif()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture
                OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(name "${packages}" NAME)
if(NOT name STREQUAL "convex-hull_${VERSION}_${architecture}.deb")
  message(FATAL_ERROR "package named ${name}")
endif()

execute_process(COMMAND dpkg-deb -x "${packages}" "${WORK_DIR}/root" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/menu_entry_check.cmake)
check_installed_files("${WORK_DIR}/root/usr")
if(NOT EXISTS "${WORK_DIR}/root/usr/share/man/man1/convex-hull.1.gz")
  message(FATAL_ERROR "the package has no manual page")
endif()
execute_process(COMMAND gzip -dc "${WORK_DIR}/root/usr/share/man/man1/convex-hull.1.gz"
                OUTPUT_VARIABLE manual)
foreach(expected ".SH \"KEYS AND MOUSE\"" ".SH MENUS" "Start Paused (Ctrl+Shift+P), on or off"
                 ".SH \"POINT FILE FORMAT\"" "Open Points... (Ctrl+O)" "\\-\\-paused")
  string(FIND "${manual}" "${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the manual page lacks \"${expected}\"")
  endif()
endforeach()
check_menu_entry("${WORK_DIR}/root/usr/share/applications/convex-hull.desktop"
                 "/usr/bin/convex-hull")

execute_process(COMMAND dpkg-deb -f "${packages}" Package Version Architecture Depends
                OUTPUT_VARIABLE fields)
foreach(expected "Package: convex-hull\n" "Version: ${VERSION}\n"
                 "Architecture: ${architecture}\n" "libqt6widgets6 " "libqt6gui6 " "libqt6core6 "
                 "fonts-liberation")
  string(FIND "${fields}" "${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the package does not declare \"${expected}\":\n${fields}")
  endif()
endforeach()

# What a distribution checks, without the network: lintian's errors and warnings, and the AppStream
# metadata as software centres read it.
execute_process(COMMAND lintian --fail-on error,warning "${packages}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian: ${output}")
endif()
execute_process(COMMAND appstreamcli validate --no-net
                        "${WORK_DIR}/root/usr/share/metainfo/org.example.convexhull.metainfo.xml"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${output}")
endif()
