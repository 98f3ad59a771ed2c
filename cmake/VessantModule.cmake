# vessant_module(<folder> [QT] [TARGET <target>] [DEPENDS <module>...]
#                [TEST_DEPENDS <module>...])
# Declares a module: its folder (which is also its name and the first part of every include
# path of its headers), its target (default vessant_<last part of the folder>), the modules
# whose headers its files may include, those its tests may include besides, and whether it
# may include Qt. The top-level CMakeLists.txt declares every module, from the bottom of
# the layering up.
#
# The layering test reads these declarations and fails when a file breaks them:
# - A module includes the headers of the modules it names in DEPENDS and no others.
#   Dependencies are not transitive: a module that includes calendar/ names calendar even
#   when another of its dependencies already links it, so the list says what the code
#   uses. The libraries themselves link transitively, as usual.
# - A module depends only on modules declared before it, so arrows point down and a cycle
#   cannot be written. The same holds for TEST_DEPENDS.
# - Files in <folder>/tests/ may also include testsupport/ and the TEST_DEPENDS modules,
#   and the tests/ headers of any module they may include.
# - Headers in <folder>/detail/ are the module's own: no other module includes them, and
#   neither do the module's public headers. No file outside a tests/ folder includes a
#   header from one.
# - Only modules declared QT include Qt headers.
#
# A module's folder joins the build once it has a CMakeLists.txt; until then the
# declaration only reserves its place in the layering. The folder's CMakeLists.txt makes the
# target from its sources and links what is not a module (Threads, Qt); this function then
# gives the target the source root as include path and links the declared modules' libraries
# (public for a library, private for a program), and the test program <target>_tests the
# TEST_DEPENDS libraries. A folder whose CMakeLists.txt makes no target of that name keeps
# only the layering check.
function(vessant_module folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "TARGET" "DEPENDS;TEST_DEPENDS")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vessant_module(${folder}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_TARGET)
    cmake_path(GET folder FILENAME leaf)
    set(arg_TARGET vessant_${leaf})
  endif()

  get_property(declared GLOBAL PROPERTY VESSANT_MODULES)
  if(folder IN_LIST declared)
    message(FATAL_ERROR "vessant_module(${folder}) is declared twice")
  endif()
  foreach(dependency IN LISTS arg_DEPENDS arg_TEST_DEPENDS)
    if(NOT dependency IN_LIST declared)
      message(FATAL_ERROR "vessant_module(${folder}) depends on ${dependency}, which is not "
                          "declared before it: dependencies point down the layering")
    endif()
  endforeach()
  if(NOT declared)
    # The layering is complete once the top-level CMakeLists.txt has been read.
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL _vessant_layering_test)
  endif()
  set_property(GLOBAL APPEND PROPERTY VESSANT_MODULES ${folder})
  set_property(GLOBAL PROPERTY VESSANT_MODULE_TARGET_${folder} ${arg_TARGET})
  set_property(GLOBAL PROPERTY VESSANT_MODULE_DEPENDS_${folder} "${arg_DEPENDS}")
  set_property(GLOBAL PROPERTY VESSANT_MODULE_TEST_DEPENDS_${folder} "${arg_TEST_DEPENDS}")
  set_property(GLOBAL PROPERTY VESSANT_MODULE_QT_${folder} ${arg_QT})

  if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt)
    return()
  endif()
  add_subdirectory(${folder})
  if(NOT TARGET ${arg_TARGET})
    return()
  endif()
  get_target_property(type ${arg_TARGET} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(scope PRIVATE)
  else()
    set(scope PUBLIC)
    target_include_directories(${arg_TARGET} PUBLIC ${CMAKE_SOURCE_DIR})
  endif()
  _vessant_link_modules(${arg_TARGET} ${scope} ${arg_DEPENDS})
  if(TARGET ${arg_TARGET}_tests)
    _vessant_link_modules(${arg_TARGET}_tests PRIVATE ${arg_TEST_DEPENDS})
  endif()
endfunction()

# Links the libraries of the named modules that are in the build.
function(_vessant_link_modules target scope)
  foreach(module IN LISTS ARGN)
    get_property(library GLOBAL PROPERTY VESSANT_MODULE_TARGET_${module})
    if(TARGET ${library})
      target_link_libraries(${target} ${scope} ${library})
    endif()
  endforeach()
endfunction()

# The test behind vessant_module: writes the declared layering where the check script reads
# it, and registers the check, which scans the sources afresh each time it runs.
function(_vessant_layering_test)
  if(NOT VESSANT_TESTS)
    return()
  endif()
  get_property(modules GLOBAL PROPERTY VESSANT_MODULES)
  set(layering "set(VESSANT_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")\nset(VESSANT_MODULES \"${modules}\")\n")
  foreach(module IN LISTS modules)
    string(MAKE_C_IDENTIFIER "${module}" key)
    foreach(property DEPENDS TEST_DEPENDS QT)
      get_property(value GLOBAL PROPERTY VESSANT_MODULE_${property}_${module})
      string(APPEND layering "set(VESSANT_${property}_${key} \"${value}\")\n")
    endforeach()
  endforeach()
  set(file ${CMAKE_BINARY_DIR}/VessantLayering.cmake)
  file(CONFIGURE OUTPUT ${file} CONTENT "${layering}" @ONLY)
  set(check ${PROJECT_SOURCE_DIR}/cmake/CheckLayering.cmake)
  add_test(NAME layering COMMAND ${CMAKE_COMMAND} -DVESSANT_LAYERING=${file} -P ${check})

  # The check itself, on a small tree that breaks each rule once: a check that passed
  # everything would pass the real tree too.
  set(fixture ${PROJECT_SOURCE_DIR}/cmake/tests/layering)
  add_test(NAME layering_finds_each_break
           COMMAND ${CMAKE_COMMAND} -DVESSANT_LAYERING=${fixture}/layering.cmake -P ${check})
  string(CONCAT every_break
    "6 include\\(s\\) break the declared layering:.*"
    "low/Leaky.h: a public header of low includes its private low/detail/Table.h.*"
    "low/Low.cpp: includes <QString>, but low does not use Qt.*"
    "low/Low.cpp: includes high/High.h, but low does not depend on high.*"
    "low/Low.cpp: includes low/tests/Helper.h, a test header.*"
    "high/High.cpp: includes low/detail/Table.h, which is private to low.*"
    "high/High.cpp: includes other/Thing.h, which belongs to no declared module")
  set_tests_properties(layering_finds_each_break PROPERTIES PASS_REGULAR_EXPRESSION "${every_break}")
endfunction()

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
