# The menu entry passes desktop-file-validate.
#   cmake -DDESKTOP_FILE=... -P CheckDesktop.cmake

cmake_minimum_required(VERSION 3.25)
set(CHECK_NAME "desktop entry check")
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)
require_tool(VALIDATE desktop-file-validate desktop-file-utils)

execute_process(COMMAND ${VALIDATE} ${DESKTOP_FILE}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
# desktop-file-validate also prints hints that do not fail it; they are fixed all the same.
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  fail("${DESKTOP_FILE}:\n${out}")
endif()
