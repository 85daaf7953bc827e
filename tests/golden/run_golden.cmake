# Runs one golden case: the CLI parses the words of input.txt (fed on
# standard input) with the case's lexicon and flags, and its output must
# equal expected.jsonl byte for byte.
# Run as: cmake -DCLI=... -DCASE_DIR=... -DWORK_DIR=... -P run_golden.cmake

set(flags --json --native)
if(EXISTS ${CASE_DIR}/args)
  file(READ ${CASE_DIR}/args flags)
  string(STRIP "${flags}" flags)
  separate_arguments(flags UNIX_COMMAND "${flags}")
endif()

file(MAKE_DIRECTORY ${WORK_DIR})
set(actual ${WORK_DIR}/actual.jsonl)
execute_process(
  COMMAND ${CLI} parse --lexicon ${CASE_DIR}/lexicon.tsv ${flags}
  INPUT_FILE ${CASE_DIR}/input.txt
  OUTPUT_FILE ${actual}
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tesvar exited with ${status}:\n${errors}")
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E compare_files ${CASE_DIR}/expected.jsonl
          ${actual}
  RESULT_VARIABLE different)
if(different)
  # The diff goes straight to the output: message() would re-wrap lines.
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND ${DIFF} -u ${CASE_DIR}/expected.jsonl ${actual})
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${actual})
  endif()
  message(FATAL_ERROR "output differs from ${CASE_DIR}/expected.jsonl")
endif()
