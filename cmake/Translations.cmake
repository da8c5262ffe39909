# The message catalogs. The template po/tessarin.pot (in the build directory) is extracted from
# the sources with xgettext: every text passed to _(), wxTRANSLATE or wxPLURAL. Each catalog
# po/<lang>.po of the source tree is checked and compiled with msgfmt into
# locale/<lang>/LC_MESSAGES/tessarin.mo in the program directory, where the program looks for
# its catalogs. scripts/update-po.sh merges a new template into the catalogs.

find_program(TESSARIN_XGETTEXT xgettext REQUIRED)
find_program(TESSARIN_MSGFMT msgfmt REQUIRED)

set(TESSARIN_CATALOG_SOURCE_DIR ${PROJECT_SOURCE_DIR}/po)
set(TESSARIN_CATALOG_TEMPLATE ${CMAKE_BINARY_DIR}/po/tessarin.pot)

file(GLOB_RECURSE tessarin_translated_sources CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
     ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h
     ${PROJECT_SOURCE_DIR}/engine/*.cpp ${PROJECT_SOURCE_DIR}/engine/*.h
     ${PROJECT_SOURCE_DIR}/framework/*.cpp ${PROJECT_SOURCE_DIR}/framework/*.h
     ${PROJECT_SOURCE_DIR}/settings/*.cpp ${PROJECT_SOURCE_DIR}/settings/*.h
     ${PROJECT_SOURCE_DIR}/ui/*.cpp ${PROJECT_SOURCE_DIR}/ui/*.h)
list(SORT tessarin_translated_sources)
set(tessarin_source_paths ${tessarin_translated_sources})
list(TRANSFORM tessarin_source_paths PREPEND ${PROJECT_SOURCE_DIR}/)

add_custom_command(
  OUTPUT ${TESSARIN_CATALOG_TEMPLATE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/po
  COMMAND ${TESSARIN_XGETTEXT} --language=C++ --from-code=UTF-8 --keyword=_
          --keyword=wxTRANSLATE --keyword=wxPLURAL:1,2 --add-comments=TRANSLATORS:
          --package-name=tessarin --package-version=${PROJECT_VERSION}
          --output=${TESSARIN_CATALOG_TEMPLATE} ${tessarin_translated_sources}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  DEPENDS ${tessarin_source_paths}
  COMMENT "Extracting the message template"
  VERBATIM)

file(GLOB tessarin_catalogs CONFIGURE_DEPENDS ${TESSARIN_CATALOG_SOURCE_DIR}/*.po)
set(TESSARIN_CATALOG_LANGUAGES "")
set(tessarin_compiled_catalogs "")
foreach(catalog ${tessarin_catalogs})
  get_filename_component(lang ${catalog} NAME_WE)
  list(APPEND TESSARIN_CATALOG_LANGUAGES ${lang})
  set(compiled ${TESSARIN_PROGRAM_DIR}/locale/${lang}/LC_MESSAGES/tessarin.mo)
  add_custom_command(
    OUTPUT ${compiled}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TESSARIN_PROGRAM_DIR}/locale/${lang}/LC_MESSAGES
    COMMAND ${TESSARIN_MSGFMT} --check --output-file=${compiled} ${catalog}
    DEPENDS ${catalog}
    COMMENT "Compiling the ${lang} message catalog"
    VERBATIM)
  list(APPEND tessarin_compiled_catalogs ${compiled})
endforeach()

add_custom_target(message_catalogs ALL DEPENDS ${TESSARIN_CATALOG_TEMPLATE} ${tessarin_compiled_catalogs})
