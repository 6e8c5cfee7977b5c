# The release history shipped as changelog.gz: a Debian changelog that dpkg reads, its newest
# entry this version. (Its form in detail, line lengths and dates, is lintian's part of the
# package check.)
#   cmake -DSOURCE_DIR=... -DVERSION=... -P CheckChangelog.cmake

cmake_minimum_required(VERSION 3.25)
set(CHECK_NAME "changelog check")
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)
require_tool(PARSECHANGELOG dpkg-parsechangelog dpkg-dev)

set(file ${SOURCE_DIR}/packaging/changelog)
execute_process(COMMAND ${PARSECHANGELOG} -l ${file} -S Version
                RESULT_VARIABLE rc OUTPUT_VARIABLE newest ERROR_VARIABLE err
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  fail("dpkg-parsechangelog ${file} (${rc}): ${err}")
endif()
if(NOT newest STREQUAL VERSION)
  fail("the newest entry of ${file} is ${newest}, the project is ${VERSION}")
endif()

