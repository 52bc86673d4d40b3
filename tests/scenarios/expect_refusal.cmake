# A bad script: REPLAY must print nothing, exit with status 2 and name the
# line on standard error.
execute_process(COMMAND ${REPLAY} ${INPUT}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "expected exit status 2, got ${status}")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "a refused script must not run, yet it printed: ${out}")
endif()
string(FIND "${err}" "${EXPECT_ERROR}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "expected '${EXPECT_ERROR}' on standard error, got: ${err}")
endif()
