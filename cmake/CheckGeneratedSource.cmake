# Runs a generator into the build folder and fails, showing the difference, when its output
# differs by a byte from the committed file. Called by the tests that
# GeneratedSourceTests.cmake registers:
#   cmake -DPYTHON=... -DGENERATOR=... -DCOMMITTED=... -DOUTPUT=... -P CheckGeneratedSource.cmake
foreach(variable PYTHON GENERATOR COMMITTED OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "CheckGeneratedSource.cmake needs -D${variable}=...")
  endif()
endforeach()

get_filename_component(output_folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_folder}")
file(REMOVE "${OUTPUT}")
execute_process(
  COMMAND "${PYTHON}" "${GENERATOR}" --output "${OUTPUT}"
  RESULT_VARIABLE generator_status
  OUTPUT_VARIABLE generator_output
  ERROR_VARIABLE generator_output)
if(NOT generator_status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed (${generator_status}):\n${generator_output}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${COMMITTED}" "${OUTPUT}"
                RESULT_VARIABLE differs)
if(differs)
  find_program(DIFF diff)
  set(difference "")
  if(DIFF)
    execute_process(COMMAND "${DIFF}" -u "${COMMITTED}" "${OUTPUT}" OUTPUT_VARIABLE difference)
    string(SUBSTRING "${difference}" 0 4000 difference)
  endif()
  message(FATAL_ERROR "${COMMITTED} is not what ${GENERATOR} writes; change the generator or its "
                      "data and run it, rather than editing the file.\n${difference}")
endif()
