# cmake -DGENERATOR=... -DOUT_DIR=... -DASSET_DIR=... -P compare_with_assets.cmake
#
# Runs the artwork generator into a fresh OUT_DIR and fails unless every file
# it writes is byte-identical to the file of the same name in ASSET_DIR.
foreach(var GENERATOR OUT_DIR ASSET_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${OUT_DIR}")
file(MAKE_DIRECTORY "${OUT_DIR}")
execute_process(COMMAND "${GENERATOR}" "${OUT_DIR}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "generator failed: ${rc}")
endif()

file(GLOB produced RELATIVE "${OUT_DIR}" "${OUT_DIR}/*")
list(LENGTH produced count)
if(count EQUAL 0)
  message(FATAL_ERROR "generator wrote nothing into ${OUT_DIR}")
endif()

set(stale "")
foreach(name IN LISTS produced)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                          "${OUT_DIR}/${name}" "${ASSET_DIR}/${name}"
                  RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
  if(NOT differs EQUAL 0)
    list(APPEND stale "${name}")
  endif()
endforeach()

if(stale)
  message(FATAL_ERROR "assets differ from the generator's output (rerun "
                      "ringcoil-artwork assets/): ${stale}")
endif()
message(STATUS "${count} pictures match")
