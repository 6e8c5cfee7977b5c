# Compresses one file the way Debian wants it: the best compression, and no name or time stamp
# in the header (gzip -9n), so that the same input always gives the same bytes.
#   cmake -DINPUT=... -DOUTPUT=... -P Gzip.cmake

cmake_minimum_required(VERSION 3.25)

find_program(GZIP gzip)
if(NOT GZIP)
  message(FATAL_ERROR "gzip is missing")
endif()
get_filename_component(directory ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${directory})
execute_process(COMMAND ${GZIP} -9n -c ${INPUT} OUTPUT_FILE ${OUTPUT}.tmp RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  file(REMOVE ${OUTPUT}.tmp)
  message(FATAL_ERROR "gzip ${INPUT} failed: ${rc}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
