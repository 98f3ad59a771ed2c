# Files written by the scripts in the tools/ folders are committed so that the build needs
# no Python; these tests run each script into the build folder and compare its output with
# the committed file byte for byte, so that a hand edit or a script change that was never
# run cannot go unnoticed.
if(NOT VESSANT_TESTS)
  return()
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# vessant_generated_source_test(<name> <generator script> <committed file>), paths from the
# source root.
function(vessant_generated_source_test name generator committed)
  get_filename_component(file_name "${committed}" NAME)
  add_test(NAME GeneratedSource.${name}
           COMMAND ${CMAKE_COMMAND}
                   -DPYTHON=${Python3_EXECUTABLE}
                   -DGENERATOR=${PROJECT_SOURCE_DIR}/${generator}
                   -DCOMMITTED=${PROJECT_SOURCE_DIR}/${committed}
                   -DOUTPUT=${PROJECT_BINARY_DIR}/generated/${name}/${file_name}
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckGeneratedSource.cmake)
endfunction()

vessant_generated_source_test(HalachaYomitTable
  dayevents/tools/gen_halacha_yomit_table.py dayevents/HalachaYomitTable.cpp)
vessant_generated_source_test(BuiltinLocationTables
  locations/tools/generate_tables.py locations/BuiltinLocationTables.cpp)
vessant_generated_source_test(ZmanimGolden
  zmanim/tools/zmanim_reference.py zmanim/tests/ZmanimGolden.inc)
