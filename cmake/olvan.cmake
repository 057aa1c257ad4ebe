# olvan_test(NAME SOURCES... LIBS lib... [GUI])
# One GoogleTest executable registered with CTest. GUI tests run on the offscreen platform.
# Every test runs in the sanitizer configuration of ./test as well (SANITIZED, once needed for
# that, is still accepted and changes nothing).
function(olvan_test name)
  cmake_parse_arguments(T "GUI;SANITIZED" "" "LIBS" ${ARGN})
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  if(T_GUI)
    target_link_libraries(${name} PRIVATE ${T_LIBS} olvan_qt_test_main GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # Tests find the programs and pictures through OLVAN_BIN.
  gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
                       DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "OLVAN_BIN=${CMAKE_BINARY_DIR}/bin")
endfunction()

# olvan_bench(NAME SOURCES... LIBS lib...)
function(olvan_bench name)
  cmake_parse_arguments(B "" "" "LIBS" ${ARGN})
  add_executable(${name} ${B_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
