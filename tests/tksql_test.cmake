# tksql on the demo bank: rows with a header, a count, and a failure.
execute_process(COMMAND ${TKSQL} --bank ${BANK} "SELECT F_LEVEL_NAME FROM T_DICT_LEVEL WHERE F_OPEN_FLAG=1"
  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^F_LEVEL_NAME\n.*\\(2 rows\\)\n$")
  message(FATAL_ERROR "levels: rc=${rc}\n${out}")
endif()
execute_process(COMMAND ${TKSQL} --bank ${BANK} "SELECT COUNT(*) AS N FROM V_EXAM_ANSWER"
  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^N\n0\n")
  message(FATAL_ERROR "count: rc=${rc}\n${out}")
endif()
execute_process(COMMAND ${TKSQL} --bank ${BANK} "SELECT * FROM NO_SUCH_TABLE"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT err MATCHES "NO_SUCH_TABLE")
  message(FATAL_ERROR "failure: rc=${rc}\n${err}")
endif()
message(STATUS "tksql: 3 passed, 0 failed")
