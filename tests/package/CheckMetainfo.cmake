# The AppStream metadata validates offline, as written and as installed (with this build's home
# page), and names the release of this version and the menu entry that is installed.
#   cmake -DSOURCE_DIR=... -DBUILD_DIR=... -DVERSION=... -DWITH_WINDOW=0|1 -P CheckMetainfo.cmake

cmake_minimum_required(VERSION 3.25)
set(CHECK_NAME "metainfo check")
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)
require_tool(APPSTREAMCLI appstreamcli appstream)

set(files ${SOURCE_DIR}/packaging/veltrin.metainfo.xml)
if(WITH_WINDOW)
  file(GLOB installed ${BUILD_DIR}/packaging/*.metainfo.xml)
  if(NOT installed)
    fail("the build made no metainfo in ${BUILD_DIR}/packaging")
  endif()
  list(APPEND files ${installed})
endif()

foreach(file ${files})
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --explain ${file}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message(STATUS "${file}:\n${out}")
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate failed on ${file}")
  endif()

  file(READ ${file} xml)
  # The newest release comes first and is this version.
  if(NOT xml MATCHES "<release version=\"([^\"]+)\"")
    fail("${file} lists no release")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("${file}: the newest release is ${CMAKE_MATCH_1}, the project is ${VERSION}")
  endif()
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">veltrin.desktop</launchable>")
    fail("${file} does not launch veltrin.desktop")
  endif()
  if(NOT xml MATCHES "<id>([^<]+)</id>")
    fail("${file} has no id")
  endif()
  set(id ${CMAKE_MATCH_1})
  get_filename_component(name ${file} NAME)
  if(NOT file STREQUAL "${SOURCE_DIR}/packaging/veltrin.metainfo.xml"
     AND NOT name STREQUAL "${id}.metainfo.xml")
    fail("the installed metainfo is ${name}, software centres look for ${id}.metainfo.xml")
  endif()
endforeach()
