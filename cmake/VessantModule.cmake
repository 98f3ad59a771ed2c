# vessant_module_tests(<module-target> <test-sources>...)
# One GoogleTest binary per module, registered with CTest. Tests run with the
# module's tests/data folder as VESSANT_TEST_DATA and the offscreen Qt platform; sanitizer
# builds pass over the desktop libraries' process-lifetime allocations.
function(vessant_module_tests target)
  if(NOT VESSANT_TESTS)
    return()
  endif()
  set(test_target ${target}_tests)
  add_executable(${test_target} ${ARGN})
  target_link_libraries(${test_target} PRIVATE ${target} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${test_target} PRIVATE
    VESSANT_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
  set(environment "QT_QPA_PLATFORM=offscreen;VESSANT_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
  if(VESSANT_ASAN)
    list(APPEND environment "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")
  endif()
  gtest_discover_tests(${test_target}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${environment}")
endfunction()
