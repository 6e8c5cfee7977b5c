# After `cmake --install` into a prefix, `man -M <prefix>/share/man` finds and shows both pages
# (the English ones there, the Russian ones under ru/, which man takes in a Russian locale), and
# the completion, the metainfo, the copyright and the changelog are in place.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DWITH_WINDOW=0|1 -P CheckManInstall.cmake

cmake_minimum_required(VERSION 3.25)
set(CHECK_NAME "manual page install check")
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)
require_tool(MAN man man-db)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  fail("cmake --install failed: ${err}")
endif()

set(pages veltrin-report)
if(WITH_WINDOW)
  list(APPEND pages veltrin)
endif()
foreach(page ${pages})
  foreach(tree man man/ru)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
                            ${MAN} -M ${PREFIX}/share/${tree} -w ${page}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE found ERROR_VARIABLE err
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT rc EQUAL 0 OR NOT found STREQUAL "${PREFIX}/share/${tree}/man1/${page}.1.gz")
      fail("man -M ${PREFIX}/share/${tree} -w ${page} gave '${found}' ${err}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                            ${MAN} -M ${PREFIX}/share/${tree} -P cat ${page}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT text MATCHES "${page} +- ")
      fail("man -M ${PREFIX}/share/${tree} ${page} (${rc}): ${err}\n${text}")
    endif()
  endforeach()
endforeach()

set(files share/bash-completion/completions/veltrin-report share/doc/veltrin/copyright
          share/doc/veltrin/changelog.gz)
if(WITH_WINDOW)
  list(APPEND files share/metainfo/io.github.veltrin_calendar.Veltrin.metainfo.xml)
endif()
foreach(file ${files})
  if(NOT EXISTS ${PREFIX}/${file})
    fail("missing ${PREFIX}/${file}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
