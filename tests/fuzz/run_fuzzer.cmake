# cmake -DFUZZER=... -DCORPUS=... -DWORK=... -DOPTIONS=... -P run_fuzzer.cmake
# Refreshes the working corpus from the sources, then runs the fuzzer on it.
# A failing input is kept as WORK/crash-*, and the test fails naming it.
file(MAKE_DIRECTORY ${WORK}/corpus)
file(GLOB stale ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
if(stale)
  file(REMOVE ${stale})
endif()
file(GLOB inputs ${CORPUS}/*)
file(COPY ${inputs} DESTINATION ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} ${OPTIONS} -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(GLOB found ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
  message(FATAL_ERROR "${FUZZER} failed (${status}); replay with: ${FUZZER} ${found}")
endif()
