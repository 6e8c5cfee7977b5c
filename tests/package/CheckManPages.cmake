# The manual pages, Russian (the main ones) and English: groff and man print no warning for them
# (lintian's own check), their NAME line gives whatis a name and a description, they carry this
# version, and the page of veltrin-report names every option, view and format of the command.
#   cmake -DSOURCE_DIR=... -DVERSION=... -P CheckManPages.cmake

cmake_minimum_required(VERSION 3.25)
set(CHECK_NAME "manual page check")
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)
require_tool(MAN man man-db)
require_tool(LEXGROG lexgrog man-db)
require_tool(GROFF groff groff-base)

set(options --data --style --date --view --search --whole-word --indiction --all-styles --font
            --size --range --format --events --no-fasting --no-readings -o --help -h)
set(words day week month year feasts select text rtf json ics days fasts)
string(REPLACE "." "\\." version_pattern "${VERSION}")

foreach(language ru en)
  foreach(page veltrin veltrin-report)
    set(file ${SOURCE_DIR}/packaging/man/${language}/${page}.1)
    if(NOT EXISTS ${file})
      fail("missing ${file}")
    endif()

    # As lintian runs it: every warning of groff, UTF-8 input, output thrown away.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
                            ${MAN} --warnings -E UTF-8 -l -Tutf8 -Z ${file}
                    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
      fail("man --warnings on ${file} (${rc}):\n${err}")
    endif()

    execute_process(COMMAND ${LEXGROG} ${file} RESULT_VARIABLE rc OUTPUT_VARIABLE whatis
                    ERROR_VARIABLE whatis)
    if(NOT rc EQUAL 0 OR NOT whatis MATCHES ": \"${page} - [^\"]+\"")
      fail("whatis cannot read the NAME line of ${file}: ${whatis}")
    endif()

    file(STRINGS ${file} title ENCODING UTF-8 REGEX "^\\.TH ")
    if(NOT title MATCHES "\"veltrin ${version_pattern}\"")
      fail("${file}: the title line names another version than ${VERSION}: ${title}")
    endif()

    if(page STREQUAL "veltrin-report")
      file(READ ${file} text)
      string(REPLACE "\\-" "-" text "${text}")
      foreach(option ${options})
        # Described in a bold item line of its own: .B, .BI or .BR.
        if(NOT text MATCHES "\n\\.B[IR]?[^\n]*[ \"]${option}[ \"\n]")
          fail("${file} does not describe ${option}")
        endif()
      endforeach()
      foreach(word ${words})
        if(NOT text MATCHES "\n\\.B ${word}\n")
          fail("${file} does not describe ${word}")
        endif()
      endforeach()
    endif()
  endforeach()
endforeach()
