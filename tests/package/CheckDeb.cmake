# Builds the Debian package as `make package` does (cpack -G DEB with the build's configuration,
# into a scratch directory) and runs lintian on it: no error, and no warning but the ones listed
# below. The package must also carry what lintian cannot ask for: the manual pages in both
# languages, the completion, the metainfo, the configured maintainer and Qt's translations.
#   cmake -DBUILD_DIR=... -DCPACK=... -DMAINTAINER=... -DWITH_WINDOW=0|1 -P CheckDeb.cmake
#
# Warnings accepted, with the reason: none at present. Add a tag here with its reason, never to
# silence a problem that can be fixed.
set(ALLOWED_WARNINGS)
#
# Informational tags lintian prints today (they fail nothing; listed so that a new one is noticed):
#   package-contains-documentation-outside-usr-share-doc  Help/*.html beside the program: the
#       window opens its help from there, as it finds all its files beside its executable.
#   hardening-no-bindnow, hardening-no-fortify-functions  the build does not link with -z now
#       nor compile with -D_FORTIFY_SOURCE=2; those are flags of the whole build.
#   binary-has-unneeded-section  cpack's strip leaves the .comment section, which dh_strip
#       would remove; it only costs a few bytes.

cmake_minimum_required(VERSION 3.25)
set(CHECK_NAME "package check")
include(${CMAKE_CURRENT_LIST_DIR}/Tools.cmake)
require_tool(LINTIAN lintian lintian)
require_tool(DPKG_DEB dpkg-deb dpkg)
require_tool(DPKG_SHLIBDEPS dpkg-shlibdeps dpkg-dev)

set(out ${BUILD_DIR}/package-check)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${out}
                WORKING_DIRECTORY ${BUILD_DIR}
                RESULT_VARIABLE rc OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB debs ${out}/veltrin_*.deb)
list(LENGTH debs count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 1)
  fail("cpack made no package (${rc}):\n${log}")
endif()
set(deb ${debs})

# The files only this project's packaging puts there.
execute_process(COMMAND ${DPKG_DEB} --contents ${deb} OUTPUT_VARIABLE contents
                RESULT_VARIABLE rc)
set(expected usr/share/doc/veltrin/copyright usr/share/doc/veltrin/changelog.gz
             usr/share/man/man1/veltrin-report.1.gz usr/share/man/ru/man1/veltrin-report.1.gz
             usr/share/bash-completion/completions/veltrin-report)
if(WITH_WINDOW)
  list(APPEND expected usr/share/man/man1/veltrin.1.gz usr/share/man/ru/man1/veltrin.1.gz
       usr/share/metainfo/io.github.veltrin_calendar.Veltrin.metainfo.xml)
endif()
foreach(path ${expected})
  if(NOT contents MATCHES " \\./${path}\n")
    fail("the package lacks /${path}")
  endif()
endforeach()

execute_process(COMMAND ${DPKG_DEB} --field ${deb} Maintainer OUTPUT_VARIABLE maintainer
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT maintainer STREQUAL MAINTAINER)
  fail("the package's maintainer is '${maintainer}', configured was '${MAINTAINER}'")
endif()
if(WITH_WINDOW)
  execute_process(COMMAND ${DPKG_DEB} --field ${deb} Depends OUTPUT_VARIABLE depends)
  if(NOT depends MATCHES "(^|, )qt6-translations-l10n(,|\n|$| )")
    fail("the package does not depend on qt6-translations-l10n: ${depends}")
  endif()
endif()

# --info adds the explanations of the tags to the log; --display-info shows the informational
# tags too, which fail nothing.
execute_process(COMMAND ${LINTIAN} --info --display-info ${deb}
                RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE err)
message(STATUS "lintian ${deb}:\n${report}")
if(NOT rc EQUAL 0 AND NOT rc EQUAL 2)
  fail("lintian failed (${rc}): ${err}")
endif()
string(REGEX MATCHALL "(^|\n)[EW]: [^:\n]+: [^ \n]+" findings "${report}")
set(problems)
foreach(finding IN LISTS findings)
  string(STRIP "${finding}" finding)
  string(REGEX REPLACE "^([EW]): [^:]+: " "" tag "${finding}")
  if(finding MATCHES "^E:" OR NOT tag IN_LIST ALLOWED_WARNINGS)
    list(APPEND problems "${finding}")
  endif()
endforeach()
if(problems)
  list(JOIN problems "\n  " problems)
  fail("lintian found:\n  ${problems}")
endif()
