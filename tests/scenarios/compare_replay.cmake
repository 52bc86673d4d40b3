# Runs REPLAY on SCRIPT (as its argument, or on standard input with
# FROM_STDIN) and compares standard output with EXPECTED.
if(FROM_STDIN)
  execute_process(COMMAND ${REPLAY} INPUT_FILE ${SCRIPT}
    OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
else()
  execute_process(COMMAND ${REPLAY} ${SCRIPT}
    OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ringcoil-replay exited with ${status}: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${ACTUAL} "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "output differs from ${EXPECTED}; actual output in ${ACTUAL}")
endif()
