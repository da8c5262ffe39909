# Fails unless the catalog CATALOG translates every text of the template TEMPLATE (extracted
# from the sources by the build) and holds no fuzzy or untranslated entry, so that a text added
# to the program without its translation is caught.
#   cmake -DCATALOG=po/ja.po -DTEMPLATE=build/po/tessarin.pot -DMSGCMP=... -DMSGFMT=... -P ...
execute_process(COMMAND ${MSGCMP} ${CATALOG} ${TEMPLATE}
                RESULT_VARIABLE compared ERROR_VARIABLE missing)
if(NOT compared EQUAL 0)
  message(FATAL_ERROR "texts of the program missing from ${CATALOG}:\n${missing}")
endif()
execute_process(COMMAND ${MSGFMT} --check --statistics --output-file=/dev/null ${CATALOG}
                RESULT_VARIABLE checked ERROR_VARIABLE statistics)
if(NOT checked EQUAL 0)
  message(FATAL_ERROR "${CATALOG} does not compile:\n${statistics}")
endif()
if(statistics MATCHES "fuzzy|untranslated")
  message(FATAL_ERROR "${CATALOG} is not complete: ${statistics}")
endif()
message(STATUS "${CATALOG}: ${statistics}")
