# What `cmake --install` puts under the prefix, laid out as Debian expects:
#
#   bin/poruna                      the launcher: per-user folder, then the program
#   lib/poruna/poruna               the program itself
#   lib/poruna/oto, ポルナ.hlp      links to the data below: the program looks
#                                   for its sounds and help file beside itself
#   share/poruna/oto/*.wav          the cue sounds
#   share/poruna/ポルナ.hlp         the help file
#   share/poruna/kyozai/*.db        the supplied tables, copied for each user
#   share/applications, share/metainfo, share/icons/hicolor   the desktop's entries
#
# The executable is architecture-dependent and belongs under lib/, the data
# is not and belongs under share/; the two links keep the program's own rule
# (its files are in its folder) true without copying anything twice.
set(PORUNA_APP_ID jp.poruna.Poruna)
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
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/poruna)

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
add_dependencies(installed_files poruna icons)
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# Installs into a temporary prefix and starts the launcher twice (with the
# program replaced by a stand-in): the first start seeds the user's tables,
# the second keeps them as the drills left them.
add_test(NAME launcher_seeds_the_tables_once_per_user
         COMMAND sh ${CMAKE_SOURCE_DIR}/tools/check_install_tree.sh ${CMAKE_BINARY_DIR})
