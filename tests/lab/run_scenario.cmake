# Runs one lab scenario and compares its output with the expected file, byte for byte: once from
# the file and once from standard input.
# cmake -DLAB=<dravonel-lab> -DINPUT=<name>.json -DEXPECTED=<name>.expected.json -DACTUAL=<path> -P run_scenario.cmake
file(READ ${EXPECTED} expected)
execute_process(COMMAND ${LAB} ${INPUT} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dravonel-lab ${INPUT} exited with ${rc}: ${err}")
endif()
if(NOT out STREQUAL expected)
  file(WRITE ${ACTUAL} "${out}")
  message(FATAL_ERROR "output differs from ${EXPECTED}; actual output in ${ACTUAL}")
endif()
execute_process(COMMAND ${LAB} - INPUT_FILE ${INPUT} OUTPUT_VARIABLE again RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT again STREQUAL out)
  message(FATAL_ERROR "reading the same document from standard input gave another result")
endif()
