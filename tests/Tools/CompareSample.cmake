# Runs the sampling tool with ARGUMENTS ("|"-separated) and compares what it prints with EXPECTED
# (the file ACTUAL receives the output when they differ). With STATUS, the tool must end with that
# status and print nothing.
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
execute_process(COMMAND ${TOOL} ${arguments} OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)

if(DEFINED STATUS)
  if(NOT status EQUAL STATUS OR NOT output STREQUAL "")
    message(FATAL_ERROR "expected status ${STATUS} and no output, got status ${status}:\n${output}${errors}")
  endif()
  return()
endif()

if(NOT status EQUAL 0)
  message(FATAL_ERROR "the tool ended with status ${status}:\n${errors}")
endif()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "the tool wrote errors:\n${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  file(WRITE ${ACTUAL} "${output}")
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL} OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "the output differs from ${EXPECTED}:\n${difference}")
endif()
