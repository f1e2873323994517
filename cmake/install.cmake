# What `cmake --install` puts under the prefix, laid out as Debian expects:
#
#   bin/poruna                      the launcher: per-user folder, then the program
#   lib/poruna/poruna               the program itself
#   lib/poruna/oto, ポルナ.hlp      links to the data below: the program looks
#                                   for its sounds and help file beside itself
#   share/poruna/oto/*.wav          the cue sounds
#   share/poruna/ポルナ.hlp         the help file
#   share/poruna/kyozai/*.db        the supplied tables: each user's folder
#                                   links kazu and kuku, and copies dorill once
#   share/applications, share/metainfo, share/icons/hicolor   the desktop's entries
#   share/man/man1/poruna.1.gz      the manual page
#   share/doc/poruna                copyright, changelog.gz, README.md
#
# The executable is architecture-dependent and belongs under lib/, the data
# is not and belongs under share/; the two links keep the program's own rule
# (its files are in its folder) true without copying anything twice.
set(PORUNA_APP_ID jp.poruna.Poruna)

# The release as the Debian changelog's newest entry tells it, the one place
# that names it: its version must be the project's, its date is the
# metainfo's release date and its signer the package's Maintainer.
set(PORUNA_CHANGELOG ${CMAKE_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PORUNA_CHANGELOG})
file(STRINGS ${PORUNA_CHANGELOG} changelog_lines)
list(GET changelog_lines 0 changelog_heading)
string(REGEX MATCH "^poruna \\(([^)]+)\\)" changelog_heading "${changelog_heading}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog: the newest entry is not poruna (${PROJECT_VERSION})")
endif()
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
foreach(line ${changelog_lines})
  if(line MATCHES "^ -- (.+ <[^>]+>)  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(PORUNA_MAINTAINER "${CMAKE_MATCH_1}")
    set(day ${CMAKE_MATCH_2})
    set(year ${CMAKE_MATCH_4})
    list(FIND month_names ${CMAKE_MATCH_3} month)
    break()
  endif()
endforeach()
if(NOT PORUNA_MAINTAINER OR month EQUAL -1)
  message(FATAL_ERROR "packaging/changelog: the newest entry has no signature line with a date")
endif()
math(EXPR month "${month} + 1")
string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
set(PORUNA_VERSION ${PROJECT_VERSION})
set(PORUNA_RELEASE_DATE ${year}-${month}-${day})

set(PORUNA_INSTALL_PROGRAM_DIR lib/poruna)
set(PORUNA_INSTALL_DATA_DIR share/poruna)

install(TARGETS poruna RUNTIME DESTINATION ${PORUNA_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${PORUNA_PROGRAM_FOLDER}/oto DESTINATION ${PORUNA_INSTALL_DATA_DIR}
        FILES_MATCHING PATTERN "*.wav")
install(FILES "${PORUNA_PROGRAM_FOLDER}/ポルナ.hlp" DESTINATION ${PORUNA_INSTALL_DATA_DIR})
# Never the program folder's own kyozai/: that one holds the drill runs made
# while developing. This copy is made fresh from the SQL source.
install(FILES ${PORUNA_SUPPLIED_KYOZAI_FILES} DESTINATION ${PORUNA_INSTALL_DATA_DIR}/kyozai)

file(RELATIVE_PATH data_from_program /${PORUNA_INSTALL_PROGRAM_DIR} /${PORUNA_INSTALL_DATA_DIR})
set(link_folder ${CMAKE_BINARY_DIR}/packaging/links)
file(MAKE_DIRECTORY ${link_folder})
foreach(name oto ポルナ.hlp)
  file(CREATE_LINK ${data_from_program}/${name} ${link_folder}/${name} SYMBOLIC)
  install(FILES ${link_folder}/${name} DESTINATION ${PORUNA_INSTALL_PROGRAM_DIR})
endforeach()

configure_file(${CMAKE_SOURCE_DIR}/packaging/poruna.sh.in ${CMAKE_BINARY_DIR}/packaging/poruna @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/poruna DESTINATION bin)

install(FILES ${CMAKE_SOURCE_DIR}/packaging/poruna.desktop DESTINATION share/applications
        RENAME ${PORUNA_APP_ID}.desktop)
configure_file(${CMAKE_SOURCE_DIR}/packaging/poruna.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${PORUNA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${PORUNA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/poruna)

# The changelog and the manual page go compressed, as Debian keeps them, and
# without a name or time stamp in the gzip header, so every build makes the
# same bytes.
set(compressed_folder ${CMAKE_BINARY_DIR}/packaging/compressed)
set(compressed_files)
foreach(source changelog poruna.1)
  set(copy ${compressed_folder}/${source})
  add_custom_command(
    OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${source} ${copy}
    COMMAND gzip -n -9 -f ${copy}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
  list(APPEND compressed_files ${copy}.gz)
endforeach()
add_custom_target(compressed_documents ALL DEPENDS ${compressed_files})
# A native package: its only changelog is the Debian one, named changelog.gz.
install(FILES ${compressed_folder}/changelog.gz DESTINATION share/doc/poruna)
install(FILES ${compressed_folder}/poruna.1.gz DESTINATION share/man/man1)

set(PORUNA_ICON_THEME ${CMAKE_BINARY_DIR}/icons/hicolor)
set(PORUNA_ICON_SIZES 16 32 48 64 128 256)
set(icon_files)
foreach(size ${PORUNA_ICON_SIZES})
  list(APPEND icon_files ${PORUNA_ICON_THEME}/${size}x${size}/apps/poruna.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_files}
  COMMAND make_icons ${PORUNA_ICON_THEME}
  DEPENDS make_icons
  COMMENT "Drawing the program's icon"
  VERBATIM)
add_custom_target(icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${PORUNA_ICON_THEME} DESTINATION share/icons FILES_MATCHING PATTERN "poruna.png")

# Everything the rules above install, and nothing else: `make package` builds
# this, and installing (cpack included) does not build every test first.
add_custom_target(installed_files)
add_dependencies(installed_files poruna icons compressed_documents)
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Installs into a temporary prefix and starts the launcher again and again
# (with the program replaced by a stand-in): the user's tables are made,
# kept, brought round from copies, and a folder that cannot be made is said.
add_test(NAME launcher_prepares_each_users_tables
         COMMAND sh ${CMAKE_SOURCE_DIR}/tools/check_install_tree.sh ${CMAKE_BINARY_DIR})
