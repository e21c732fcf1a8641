# Fills a template from the program's own --help text (see fill-from-help.awk).
# cmake -DPROGRAM=exe -DAWK=awk -DSCRIPT=fill-from-help.awk -DTEMPLATE=in -DOUTPUT=out -DVERSION=x.y.z
#       [-DGZIP=gzip] [-DBOOKS=data/books.tsv] -P FillFromHelp.cmake
# With GZIP, OUTPUT.gz is written too, compressed as Debian wants manual pages (best, no name or time).
set(ENV{ASAN_OPTIONS} detect_leaks=0)  # a sanitizer build must not fail on leaks at exit
# The manual page and the completion are written from the English text, whatever the builder's language.
set(ENV{LC_ALL} C.UTF-8)
unset(ENV{LANGUAGE})
execute_process(COMMAND ${PROGRAM} --help OUTPUT_FILE ${OUTPUT}.help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
execute_process(COMMAND ${AWK} -v version=${VERSION} -v books=${BOOKS} -f ${SCRIPT} ${OUTPUT}.help ${TEMPLATE}
                OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "filling ${TEMPLATE} failed: ${status}")
endif()
file(REMOVE ${OUTPUT}.help)
if(GZIP)
  execute_process(COMMAND ${GZIP} -9 -n -c ${OUTPUT} OUTPUT_FILE ${OUTPUT}.gz RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "compressing ${OUTPUT} failed: ${status}")
  endif()
endif()
