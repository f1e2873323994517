# Lays out the program folder (the build folder itself): the cue sounds in
# oto/ and the help file beside the executable.
set(PORUNA_PROGRAM_FOLDER ${CMAKE_BINARY_DIR})

add_custom_command(
  OUTPUT ${PORUNA_PROGRAM_FOLDER}/oto/pipo.wav
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PORUNA_PROGRAM_FOLDER}/oto
  COMMAND make_sounds ${PORUNA_PROGRAM_FOLDER}/oto
  DEPENDS make_sounds
  COMMENT "Synthesising the cue sounds")

add_custom_command(
  OUTPUT "${PORUNA_PROGRAM_FOLDER}/ポルナ.hlp"
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/help.html
          "${PORUNA_PROGRAM_FOLDER}/ポルナ.hlp"
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/help.html
  COMMENT "Copying the help file")

add_custom_target(program_folder ALL
  DEPENDS ${PORUNA_PROGRAM_FOLDER}/oto/pipo.wav "${PORUNA_PROGRAM_FOLDER}/ポルナ.hlp")
add_dependencies(poruna program_folder)
