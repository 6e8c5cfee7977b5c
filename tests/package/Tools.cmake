# Shared by the package checks: a tool that is missing fails the check with a clear message, since
# scripts/install-deps.sh installs every one of them.

function(require_tool variable program package)
  find_program(${variable} ${program})
  if(NOT ${variable})
    message(FATAL_ERROR "${program} is missing (Debian package ${package}); "
                        "run `bash scripts/install-deps.sh` first")
  endif()
endfunction()

function(fail)
  string(JOIN " " text ${ARGN})
  message(FATAL_ERROR "${CHECK_NAME}: ${text}")
endfunction()
