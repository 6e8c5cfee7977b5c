# Each layer of the program is a library whose headers are reachable only through its own include
# root: build/include/<layer>/<layer> is a link to src/<layer>. A target sees the roots of the
# layers it links, so an include of a higher layer ("ui/..." from reports/) fails to compile.

get_filename_component(VELTRIN_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

function(veltrin_layer target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${folder})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${VELTRIN_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# Warnings are errors in the project's own builds (make run, make test); a packager's build of
# any type is not stopped by a new compiler's new warning.
option(VELTRIN_WERROR "Treat compiler warnings as errors" OFF)
function(veltrin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  # GCC 12 at -O3 warns of overlapping copies inside std::string's own operator+ (GCC bug 105651),
  # where there are none.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(VELTRIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
