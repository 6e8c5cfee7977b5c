# Installs the build into PREFIX and checks the installed tree: every file in its place, the
# launchers working from elsewhere, the menu entry naming what was installed, and the tree still
# working after it has been moved as a whole.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DWITH_WINDOW=0|1 -DDESKTOP_FILE=... -P CheckInstall.cmake

cmake_minimum_required(VERSION 3.25)

function(fail)
  string(JOIN " " message ${ARGN})
  message(FATAL_ERROR "install check: ${message}")
endfunction()

function(expect_file path)
  if(NOT EXISTS ${path})
    fail("missing ${path}")
  endif()
endfunction()

function(expect_launcher path)
  if(NOT IS_SYMLINK ${path})
    fail("${path} is not a symlink")
  endif()
  file(READ_SYMLINK ${path} target)
  if(IS_ABSOLUTE ${target})
    fail("${path} points to the absolute path ${target}")
  endif()
endfunction()

# Runs the report command of `program` in a directory of its own and returns its day view.
function(run_report program out)
  set(cwd ${PREFIX}-cwd)
  file(MAKE_DIRECTORY ${cwd})
  execute_process(COMMAND ${program} --view day --style 3 --date 2025-1-7
                  WORKING_DIRECTORY ${cwd}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE err)
  file(REMOVE_RECURSE ${cwd})
  if(NOT rc EQUAL 0)
    fail("${program} failed (${rc}): ${err}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX} ${PREFIX}-moved)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  fail("cmake --install failed: ${err}")
endif()

set(app ${PREFIX}/lib/veltrin)
set(programs veltrin-report)
if(WITH_WINDOW)
  list(APPEND programs veltrin)
endif()
foreach(program ${programs})
  expect_file(${app}/${program})
  expect_launcher(${PREFIX}/bin/${program})
endforeach()

# The whole data set, and the optional pieces whenever the build made them.
file(GLOB built RELATIVE ${BUILD_DIR}/Calendar ${BUILD_DIR}/Calendar/*.DAT)
file(GLOB installed RELATIVE ${app}/Calendar ${app}/Calendar/*.DAT)
list(SORT built)
list(SORT installed)
if(NOT built OR NOT built STREQUAL installed)
  fail("Calendar/ holds [${installed}], the build made [${built}]")
endif()
if(EXISTS ${BUILD_DIR}/Help/Index.html)
  expect_file(${app}/Help/Index.html)
endif()
foreach(splash Splash.BMP Splash.GIF Splash.JPG)
  if(EXISTS ${BUILD_DIR}/${splash})
    expect_file(${app}/${splash})
  endif()
endforeach()

if(WITH_WINDOW)
  file(STRINGS ${DESKTOP_FILE} entry ENCODING UTF-8)
  foreach(line "Name=Велтринский календарь" "Exec=veltrin" "Icon=veltrin" "Type=Application")
    if(NOT line IN_LIST entry)
      fail("the menu entry lacks '${line}'")
    endif()
  endforeach()
  expect_file(${PREFIX}/share/applications/veltrin.desktop)
  foreach(size 16 32 48 256)
    expect_file(${PREFIX}/share/icons/hicolor/${size}x${size}/apps/veltrin.png)
  endforeach()
  find_program(VALIDATE desktop-file-validate)
  if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} ${PREFIX}/share/applications/veltrin.desktop
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
      fail("desktop-file-validate: ${out}")
    endif()
  endif()
endif()

# The installed command must read the installed data: its day view equals the build's own.
run_report(${BUILD_DIR}/veltrin-report expected)
if(NOT expected MATCHES "РОЖДЕСТВО")
  fail("the build's report command shows no Nativity on 7 January 2025")
endif()
run_report(${PREFIX}/bin/veltrin-report actual)
if(NOT actual STREQUAL expected)
  fail("the installed report command shows another day view:\n${actual}")
endif()

file(RENAME ${PREFIX} ${PREFIX}-moved)
run_report(${PREFIX}-moved/bin/veltrin-report moved)
if(NOT moved STREQUAL expected)
  fail("the moved tree shows another day view:\n${moved}")
endif()
file(REMOVE_RECURSE ${PREFIX}-moved)
