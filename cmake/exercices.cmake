# The exercises of the "Problemes" folder, made by corvane-exercices from the
# engine's own games, the opening books and the endgame databases of the
# program's directory, with their commentaries from data/exercices/textes.txt;
# the list of how each was proved goes beside the build for the tests.
file(GLOB EXERCICES_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/exercices/*.cpp)
add_executable(corvane-exercices ${EXERCICES_SOURCES})
target_link_libraries(corvane-exercices PRIVATE corvane_engine)
target_compile_definitions(corvane-exercices PRIVATE CORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")

set(CORVANE_PREUVES_EXERCICES ${CMAKE_BINARY_DIR}/preuves_exercices.txt)
add_custom_command(
  OUTPUT ${CORVANE_PREUVES_EXERCICES}
  COMMAND corvane-exercices --textes ${CMAKE_SOURCE_DIR}/data/exercices/textes.txt
          --preuves ${CORVANE_PREUVES_EXERCICES} ${CORVANE_BIN}
  DEPENDS corvane-exercices ${CMAKE_SOURCE_DIR}/data/exercices/textes.txt ${CORVANE_FICHIERS_BASES}
          ${CORVANE_LIVRES_COPIES}
  COMMENT "Making and proving the exercises")
add_custom_target(exercices ALL DEPENDS ${CORVANE_PREUVES_EXERCICES})

# The proofs run in every build, the sanitizer build included: optimised there too.
set_source_files_properties(src/knowledge/preuve.cpp PROPERTIES COMPILE_OPTIONS "-O2")
