# The Debian package and what a Debian program brings along: the manual page and the bash
# completion (both made from "kivra-bible --help"), AppStream metadata, copyright and changelog.
# Build the package with scripts/package (or "cpack -G DEB" in a build tree).

set(KIVRA_HOMEPAGE "https://github.com/kivra-bible/kivra-bible" CACHE STRING "Home page of the project")
set(KIVRA_MAINTAINER "Kivra! Bible developers <kivra-bible@users.noreply.github.com>"
    CACHE STRING "Maintainer of the Debian package")
set(KIVRA_APPSTREAM_ID io.github.kivra_bible)
set(KIVRA_SCREENSHOT_URL "${KIVRA_HOMEPAGE}/raw/main/packaging/screenshot.png")

set(packaging_src ${CMAKE_SOURCE_DIR}/packaging)
set(packaging_out ${CMAKE_BINARY_DIR}/packaging)

# A release must be named in the changelog and in the metadata before it can be packaged.
file(STRINGS ${packaging_src}/changelog changelog_head LIMIT_COUNT 1)
file(READ ${packaging_src}/metainfo.xml.in metainfo_text)
if(NOT changelog_head MATCHES "^kivra-bible \\(${PROJECT_VERSION}\\) "
   OR NOT metainfo_text MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "Version ${PROJECT_VERSION} needs an entry in packaging/changelog and in the releases of "
                      "packaging/metainfo.xml.in")
endif()

find_program(AWK_COMMAND NAMES mawk gawk awk REQUIRED)
find_program(GZIP_COMMAND gzip REQUIRED)
# kivra_fill_from_help(TEMPLATE OUTPUT [COMPRESSED]): COMPRESSED names OUTPUT.gz when it is wanted.
function(kivra_fill_from_help template output)
  set(gzip_arg)
  if(ARGN)
    set(gzip_arg -DGZIP=${GZIP_COMMAND})
  endif()
  add_custom_command(OUTPUT ${output} ${ARGN}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:kivra-bible> -DAWK=${AWK_COMMAND}
            -DSCRIPT=${packaging_src}/fill-from-help.awk -DTEMPLATE=${template} -DOUTPUT=${output}
            -DVERSION=${PROJECT_VERSION} -DBOOKS=${CMAKE_SOURCE_DIR}/data/books.tsv ${gzip_arg}
            -P ${packaging_src}/FillFromHelp.cmake
    DEPENDS kivra-bible ${template} ${CMAKE_SOURCE_DIR}/data/books.tsv ${packaging_src}/fill-from-help.awk ${packaging_src}/FillFromHelp.cmake
    COMMENT "Filling ${output} from kivra-bible --help")
endfunction()
kivra_fill_from_help(${packaging_src}/kivra-bible.1.in ${packaging_out}/kivra-bible.1 ${packaging_out}/kivra-bible.1.gz)
kivra_fill_from_help(${packaging_src}/kivra-bible.bash.in ${packaging_out}/kivra-bible)

add_custom_command(OUTPUT ${packaging_out}/changelog.gz
  COMMAND ${GZIP_COMMAND} -9 -n -c ${packaging_src}/changelog > ${packaging_out}/changelog.gz
  DEPENDS ${packaging_src}/changelog)
configure_file(${packaging_src}/metainfo.xml.in ${packaging_out}/${KIVRA_APPSTREAM_ID}.metainfo.xml @ONLY)
add_custom_target(kivra_packaging_files ALL DEPENDS
  ${packaging_out}/kivra-bible.1.gz ${packaging_out}/kivra-bible ${packaging_out}/changelog.gz)

# The translations sit in the program folder, where the program looks for them.
install(FILES ${KIVRA_QM_FILES} DESTINATION lib/kivra-bible/translations)
install(FILES ${packaging_out}/kivra-bible.1.gz DESTINATION share/man/man1)
install(FILES ${packaging_out}/kivra-bible DESTINATION share/bash-completion/completions)
install(FILES ${packaging_out}/${KIVRA_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${packaging_src}/copyright ${packaging_out}/changelog.gz DESTINATION share/doc/kivra-bible)
install(FILES ${packaging_src}/lintian-overrides DESTINATION share/lintian/overrides RENAME kivra-bible)

# The package: Depends comes from the libraries the installed files link (dpkg-shlibdeps), plus what
# is loaded at run time, listed once in scripts/deps.sh (the SQLite driver plugin of Qt SQL, fonts,
# Qt's translations, SWORD's locale files).
# The Bible text is built in, so bible-kjv is not needed.
file(READ ${CMAKE_SOURCE_DIR}/scripts/deps.sh deps_text)
if(NOT deps_text MATCHES "KIVRA_RUNTIME_PACKAGES=\"([^\"]+)\"")
  message(FATAL_ERROR "scripts/deps.sh names no KIVRA_RUNTIME_PACKAGES=\"...\" for the package's Depends")
endif()
string(STRIP "${CMAKE_MATCH_1}" runtime_packages)
string(REGEX REPLACE "[ \t\n]+" ", " runtime_depends "${runtime_packages}")
set(CPACK_PACKAGE_NAME kivra-bible)
set(CPACK_PACKAGE_VENDOR "Kivra! Bible developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bible reader for the King James Version")
set(CPACK_PACKAGE_DESCRIPTION
    "Kivra! Bible shows a passage chosen with six cascading selectors, moves by\n"
    "chapter, searches the whole text for a word or a phrase or for two terms\n"
    "combined, keeps bookmarks with notes and links between them, and builds\n"
    "Bible stories: named, ordered lists of passages with notes and a picture.\n"
    "Passages can be printed or exported to RTF, and bookmarks and stories\n"
    "exchanged with other users as files. The King James text is built in;\n"
    "the Bibles installed as SWORD modules can be read and searched beside it.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KIVRA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KIVRA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${runtime_depends}")
# Other Bibles are read from the SWORD modules installed; the program works without any.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sword-text-web | sword-text-kjv | sword-text-sparv")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
