# Compares a freshly extracted catalogue with the committed one and names the
# fix when they differ.
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${FRESH} ${COMMITTED} RESULT_VARIABLE differ)
if(differ)
  execute_process(COMMAND diff -u ${COMMITTED} ${FRESH})
  message(FATAL_ERROR "${COMMITTED} is stale: run `make translations` and commit the result.")
endif()
