# Lays out the program folder (the build folder itself): the cue sounds in
# oto/, the help file beside the executable and the lesson tables in kyozai/.
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

# The lesson tables. kyozai/ in the program folder is made only when it is
# absent: it holds the last drill run, so a rebuild (even after the SQL source
# changed) keeps it. Delete the folder to get the supplied tables back.
set(PORUNA_SEED_SOURCE ${CMAKE_SOURCE_DIR}/data/seed)
set(PORUNA_SEED_SCRIPTS ${PORUNA_SEED_SOURCE}/kazu.sql ${PORUNA_SEED_SOURCE}/dorill.sql
                        ${PORUNA_SEED_SOURCE}/kuku.sql)
add_custom_target(lesson_tables ALL
  COMMAND make_kyozai --if-absent ${PORUNA_SEED_SOURCE} ${PORUNA_PROGRAM_FOLDER}/kyozai
  DEPENDS make_kyozai
  COMMENT "Preparing the lesson tables"
  VERBATIM)

# A fresh copy of the supplied tables, remade whenever the source changes. The
# tests copy it into a temporary folder of their own, and the installed program
# carries it as the tables each user starts with; the program folder never uses it.
set(PORUNA_SUPPLIED_KYOZAI ${CMAKE_BINARY_DIR}/tests/kyozai-seed)
set(PORUNA_SUPPLIED_KYOZAI_FILES ${PORUNA_SUPPLIED_KYOZAI}/kazu.db ${PORUNA_SUPPLIED_KYOZAI}/dorill.db
                                 ${PORUNA_SUPPLIED_KYOZAI}/kuku.db)
add_custom_command(
  OUTPUT ${PORUNA_SUPPLIED_KYOZAI_FILES}
  COMMAND make_kyozai ${PORUNA_SEED_SOURCE} ${PORUNA_SUPPLIED_KYOZAI}
  DEPENDS make_kyozai ${PORUNA_SEED_SCRIPTS}
  COMMENT "Making the supplied lesson tables for the tests"
  VERBATIM)

add_custom_target(program_folder ALL
  DEPENDS ${PORUNA_PROGRAM_FOLDER}/oto/pipo.wav "${PORUNA_PROGRAM_FOLDER}/ポルナ.hlp"
          ${PORUNA_SUPPLIED_KYOZAI_FILES})
add_dependencies(program_folder lesson_tables)
add_dependencies(poruna program_folder)
