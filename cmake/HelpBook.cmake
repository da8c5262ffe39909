# The help books: one per language, from each directory docs/<lang> that holds a tessarin.hhp,
# packed into docs/<lang>/tessarin.htb in the program directory, where the Help button looks
# for the book of the user's language. TESSARIN_HELP_LANGUAGES lists the languages (en;ja).
# MakeHelpBook.py packs a book; it gives Japanese text places where the viewer may wrap lines.
# A book is made again whenever one of its pages changes; a page or a language added to or
# removed from docs/ is picked up at the next build.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(TESSARIN_HELP_SOURCE_ROOT ${PROJECT_SOURCE_DIR}/docs)
set(TESSARIN_HELP_BOOK_ROOT ${TESSARIN_PROGRAM_DIR}/docs)

file(GLOB tessarin_help_projects CONFIGURE_DEPENDS ${TESSARIN_HELP_SOURCE_ROOT}/*/tessarin.hhp)
set(TESSARIN_HELP_LANGUAGES "")
set(tessarin_help_books "")
foreach(tessarin_help_project ${tessarin_help_projects})
  get_filename_component(tessarin_help_dir ${tessarin_help_project} DIRECTORY)
  get_filename_component(tessarin_help_lang ${tessarin_help_dir} NAME)
  list(APPEND TESSARIN_HELP_LANGUAGES ${tessarin_help_lang})

  set(tessarin_help_book ${TESSARIN_HELP_BOOK_ROOT}/${tessarin_help_lang}/tessarin.htb)
  file(GLOB tessarin_help_files CONFIGURE_DEPENDS
       ${tessarin_help_dir}/*.html
       ${tessarin_help_dir}/*.png
       ${tessarin_help_dir}/tessarin.hhp
       ${tessarin_help_dir}/tessarin.hhc
       ${tessarin_help_dir}/tessarin.hhk)
  add_custom_command(
    OUTPUT ${tessarin_help_book}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/MakeHelpBook.py
            ${tessarin_help_book} ${tessarin_help_files}
    DEPENDS ${tessarin_help_files} ${PROJECT_SOURCE_DIR}/cmake/MakeHelpBook.py
    COMMENT "Packing the help book (${tessarin_help_lang})"
    VERBATIM)
  list(APPEND tessarin_help_books ${tessarin_help_book})
endforeach()
add_custom_target(help_book ALL DEPENDS ${tessarin_help_books})
