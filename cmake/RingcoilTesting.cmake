# The tests' own CMake function; tests/CMakeLists.txt includes it after
# finding GoogleTest.

# ringcoil_gtest(NAME [OWN_MAIN] SOURCES ... LIBS ...): one GoogleTest program,
# its cases registered with CTest one by one so that they run in parallel.
# OWN_MAIN: the sources bring their own main() (the widget tests need a
# QApplication).
function(ringcoil_gtest name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest ringcoil_warnings)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${ARG_PROPERTIES})
endfunction()
