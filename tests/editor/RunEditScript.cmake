# Runs "tessaly-cli edit PAGE SCRIPT" and compares its output with EXPECTED;
# on a mismatch the output is written beside EXPECTED as a .new file.
execute_process(COMMAND ${CLI} edit ${PAGE} ${SCRIPT} OUTPUT_VARIABLE output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "tessaly-cli edit failed: ${result}")
endif()
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
  file(WRITE ${EXPECTED}.new "${output}")
  message(FATAL_ERROR "output differs from ${EXPECTED}; see ${EXPECTED}.new")
endif()
