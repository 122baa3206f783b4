# Runs SHELL on SCRIPT and compares the transcript with EXPECTED.
# Set UPDATE=1 to rewrite the expected file instead.
execute_process(COMMAND ${SHELL} ${SCRIPT}
  WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
set(actual "${out}${err}exit ${status}\n")
if(DEFINED ENV{UPDATE})
  file(WRITE ${EXPECTED} "${actual}")
  return()
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${EXPECTED}.actual "${actual}")
  message(FATAL_ERROR "transcript differs from ${EXPECTED}; got ${EXPECTED}.actual:\n${actual}")
endif()
