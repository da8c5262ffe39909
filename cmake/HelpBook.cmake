# The help book: the pages of docs/en packed into docs/en/tessarin.htb in the program directory,
# where the Help button looks for it. The book is made again whenever a page changes; a page
# added to or removed from docs/en is picked up at the next build.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(TESSARIN_HELP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/docs/en)
set(TESSARIN_HELP_BOOK ${TESSARIN_PROGRAM_DIR}/docs/en/tessarin.htb)

file(GLOB TESSARIN_HELP_FILES CONFIGURE_DEPENDS
     ${TESSARIN_HELP_SOURCE_DIR}/*.html
     ${TESSARIN_HELP_SOURCE_DIR}/*.png
     ${TESSARIN_HELP_SOURCE_DIR}/tessarin.hhp
     ${TESSARIN_HELP_SOURCE_DIR}/tessarin.hhc
     ${TESSARIN_HELP_SOURCE_DIR}/tessarin.hhk)

add_custom_command(
  OUTPUT ${TESSARIN_HELP_BOOK}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/MakeHelpBook.py
          ${TESSARIN_HELP_BOOK} ${TESSARIN_HELP_FILES}
  DEPENDS ${TESSARIN_HELP_FILES} ${PROJECT_SOURCE_DIR}/cmake/MakeHelpBook.py
  COMMENT "Packing the help book"
  VERBATIM)
add_custom_target(help_book ALL DEPENDS ${TESSARIN_HELP_BOOK})
