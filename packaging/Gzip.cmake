# cmake -DIN=file -DOUT=file.gz -P Gzip.cmake
# Compresses as Debian wants manual pages and changelogs: best compression and
# no file name or time stamp inside, so the same source gives the same bytes.
execute_process(COMMAND gzip -9 -n -c ${IN} OUTPUT_FILE ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUT})
  message(FATAL_ERROR "gzip failed on ${IN}")
endif()
