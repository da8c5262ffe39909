# What `cmake --install` puts where, and the Debian package made from it with CPack.
#
# The program keeps its files beside its executable (dict/, locale/, icons/, docs/), so it is
# installed whole into lib/tessarin under the prefix, with bin/tessarin a relative symbolic link
# to it: the program resolves the link and finds its files wherever the prefix is. The
# dictionary is a link to the system's word list (Debian's wamerican), which the package
# depends on. The desktop entry, the icons, the AppStream metainfo and the manual page go to
# their usual places under share/.

set(TESSARIN_INSTALL_PROGRAM_DIR lib/tessarin)

install(TARGETS tessarin tessarin_window RUNTIME DESTINATION ${TESSARIN_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${TESSARIN_PROGRAM_DIR}/docs ${TESSARIN_PROGRAM_DIR}/locale
        DESTINATION ${TESSARIN_INSTALL_PROGRAM_DIR}
        FILES_MATCHING PATTERN "*.htb" PATTERN "*.mo")
install(FILES ${TESSARIN_ICON_PICTURE} DESTINATION ${TESSARIN_INSTALL_PROGRAM_DIR}/icons)
install(DIRECTORY ${TESSARIN_ICON_THEME_DIR} DESTINATION share/icons
        FILES_MATCHING PATTERN "tessarin.png")
install(FILES ${PROJECT_SOURCE_DIR}/desktop/tessarin.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/org.tessarin.tessarin.metainfo.xml
        DESTINATION share/metainfo)

# The manual page, compressed as Debian keeps them (without a time stamp, so that the same page
# always gives the same file).
find_program(TESSARIN_GZIP gzip REQUIRED)
set(TESSARIN_MANUAL_PAGE ${CMAKE_BINARY_DIR}/share/man/man1/tessarin.1.gz)
add_custom_command(
  OUTPUT ${TESSARIN_MANUAL_PAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/man/man1
  COMMAND ${TESSARIN_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/docs/man/tessarin.1 > ${TESSARIN_MANUAL_PAGE}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/tessarin.1
  COMMENT "Compressing the manual page")
add_custom_target(manual_page ALL DEPENDS ${TESSARIN_MANUAL_PAGE})
install(FILES ${TESSARIN_MANUAL_PAGE} DESTINATION share/man/man1)

# The links are made at install time, inside DESTDIR when one is given.
install(CODE "
  set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  file(MAKE_DIRECTORY \"\${root}/bin\" \"\${root}/${TESSARIN_INSTALL_PROGRAM_DIR}/dict\")
  file(REMOVE \"\${root}/bin/tessarin\" \"\${root}/${TESSARIN_INSTALL_PROGRAM_DIR}/dict/english.dic\")
  message(STATUS \"Linking: \${root}/bin/tessarin\")
  file(CREATE_LINK ../${TESSARIN_INSTALL_PROGRAM_DIR}/tessarin \"\${root}/bin/tessarin\" SYMBOLIC)
  message(STATUS \"Linking: \${root}/${TESSARIN_INSTALL_PROGRAM_DIR}/dict/english.dic\")
  file(CREATE_LINK \"${TESSARIN_WORD_LIST_SOURCE}\"
       \"\${root}/${TESSARIN_INSTALL_PROGRAM_DIR}/dict/english.dic\" SYMBOLIC)
")

# The Debian package: `cpack --config build/CPackConfig.cmake` (scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessarin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The tessarin developers")
set(CPACK_PACKAGE_CONTACT "The tessarin developers <developers@tessarin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "password generator for the desktop and the command line")
# The long description; CPack puts the summary above it and indents it as Debian wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "tessarin makes random passwords in one small window, from a length and the
kinds of characters to use or from a combination list of random runs, fixed
texts and dictionary words. Parts that look simple (sequences, repeats,
keyboard runs, the user's or the host's name, dictionary words) are made
again. A batch of up to 1000 passwords can be copied or saved; a strength
test judges typed passwords, also from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tessarin.org/)
# The toolkit's runtime and the other libraries come from the program's own links; the word
# list is the dictionary; the toolkit's own catalogs translate its standard texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS wamerican)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS wx3.2-i18n)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
