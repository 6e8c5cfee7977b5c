# What the installed tree carries besides the program: the manual pages, the bash completion of
# veltrin-report, the AppStream metadata, and the licence and history under share/doc/veltrin.
#
#   <prefix>/share/man/man1/          veltrin.1.gz, veltrin-report.1.gz (English)
#   <prefix>/share/man/ru/man1/       veltrin.1.gz, veltrin-report.1.gz (Russian, the main pages)
#   <prefix>/share/bash-completion/completions/veltrin-report
#   <prefix>/share/metainfo/          io.github.veltrin_calendar.Veltrin.metainfo.xml
#   <prefix>/share/doc/veltrin/       copyright (machine-readable), changelog.gz, CREDITS.md
#
# The compressed files are made at build time with gzip -9n, so the package is reproducible.

set(VELTRIN_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(VELTRIN_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(VELTRIN_METAINFO_ID io.github.veltrin_calendar.Veltrin)

# The sources name the placeholder home page and the default maintainer; the installed copies name
# whatever this build was configured with. VELTRIN_HOMEPAGE belongs to the window's build and may
# be unset when the window is not built.
set(VELTRIN_DEFAULT_HOMEPAGE "https://veltrin-calendar.invalid/")
set(VELTRIN_DEFAULT_MAINTAINER "Veltrin Calendar <veltrin@example.org>")
if(DEFINED VELTRIN_HOMEPAGE)
  set(VELTRIN_PACKAGE_HOMEPAGE ${VELTRIN_HOMEPAGE})
else()
  set(VELTRIN_PACKAGE_HOMEPAGE ${VELTRIN_DEFAULT_HOMEPAGE})
endif()
if(NOT VELTRIN_PACKAGE_HOMEPAGE MATCHES "/$")
  string(APPEND VELTRIN_PACKAGE_HOMEPAGE "/")
endif()

function(veltrin_configure_copy source output)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} text)
  string(REPLACE "${VELTRIN_DEFAULT_HOMEPAGE}" "${VELTRIN_PACKAGE_HOMEPAGE}" text "${text}")
  string(REPLACE "${VELTRIN_DEFAULT_MAINTAINER}" "${VELTRIN_MAINTAINER}" text "${text}")
  file(GENERATE OUTPUT ${output} CONTENT "${text}")
endfunction()

# gzip -9n of one source into the build tree; the output is added to `outputs`.
function(veltrin_gzip source output outputs)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${source} -DOUTPUT=${output}
            -P ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
    DEPENDS ${source} ${CMAKE_SOURCE_DIR}/cmake/Gzip.cmake
    VERBATIM)
  set(${outputs} ${${outputs}} ${output} PARENT_SCOPE)
endfunction()

set(VELTRIN_MAN_PAGES veltrin-report)
if(TARGET veltrin)
  list(PREPEND VELTRIN_MAN_PAGES veltrin)
endif()

set(VELTRIN_DOC_FILES)
foreach(page ${VELTRIN_MAN_PAGES})
  veltrin_gzip(${VELTRIN_PACKAGING_DIR}/man/en/${page}.1
               ${VELTRIN_PACKAGING_OUT}/man/man1/${page}.1.gz VELTRIN_DOC_FILES)
  veltrin_gzip(${VELTRIN_PACKAGING_DIR}/man/ru/${page}.1
               ${VELTRIN_PACKAGING_OUT}/man/ru/man1/${page}.1.gz VELTRIN_DOC_FILES)
endforeach()
veltrin_gzip(${VELTRIN_PACKAGING_DIR}/changelog ${VELTRIN_PACKAGING_OUT}/changelog.gz
             VELTRIN_DOC_FILES)
add_custom_target(package-docs ALL DEPENDS ${VELTRIN_DOC_FILES})

veltrin_configure_copy(${VELTRIN_PACKAGING_DIR}/copyright ${VELTRIN_PACKAGING_OUT}/copyright)

foreach(page ${VELTRIN_MAN_PAGES})
  install(FILES ${VELTRIN_PACKAGING_OUT}/man/man1/${page}.1.gz DESTINATION share/man/man1)
  install(FILES ${VELTRIN_PACKAGING_OUT}/man/ru/man1/${page}.1.gz DESTINATION share/man/ru/man1)
endforeach()
install(FILES ${VELTRIN_PACKAGING_DIR}/bash-completion/veltrin-report
        DESTINATION share/bash-completion/completions)
# CREDITS.md goes along, as the copyright file refers to it.
install(FILES ${VELTRIN_PACKAGING_OUT}/copyright ${VELTRIN_PACKAGING_OUT}/changelog.gz
              ${CMAKE_SOURCE_DIR}/CREDITS.md
        DESTINATION share/doc/veltrin)

# The metainfo describes the window, so it comes with the window only. Its installed name is the
# component id, as software centres look it up.
if(TARGET veltrin)
  veltrin_configure_copy(${VELTRIN_PACKAGING_DIR}/veltrin.metainfo.xml
                         ${VELTRIN_PACKAGING_OUT}/${VELTRIN_METAINFO_ID}.metainfo.xml)
  install(FILES ${VELTRIN_PACKAGING_OUT}/${VELTRIN_METAINFO_ID}.metainfo.xml
          DESTINATION share/metainfo)
endif()
