# The program's own dictionary: the English word list of Debian's wamerican package, placed
# as dict/english.dic in the program directory at build time (never kept in the repository).

set(TESSARIN_PROGRAM_DIR ${CMAKE_BINARY_DIR}/bin)
set(TESSARIN_WORD_LIST_SOURCE /usr/share/dict/american-english CACHE FILEPATH
    "The word list shipped as the default dictionary")
set(TESSARIN_DEFAULT_DICTIONARY ${TESSARIN_PROGRAM_DIR}/dict/english.dic)

if(NOT EXISTS ${TESSARIN_WORD_LIST_SOURCE})
  message(FATAL_ERROR "${TESSARIN_WORD_LIST_SOURCE} is missing: install the wamerican package "
                      "(scripts/setup.sh does)")
endif()

add_custom_command(
  OUTPUT ${TESSARIN_DEFAULT_DICTIONARY}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TESSARIN_PROGRAM_DIR}/dict
  COMMAND ${CMAKE_COMMAND} -E copy ${TESSARIN_WORD_LIST_SOURCE} ${TESSARIN_DEFAULT_DICTIONARY}
  DEPENDS ${TESSARIN_WORD_LIST_SOURCE}
  COMMENT "Placing the default dictionary")
add_custom_target(default_dictionary ALL DEPENDS ${TESSARIN_DEFAULT_DICTIONARY})
