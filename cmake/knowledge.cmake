# Data of the search and the knowledge bases, made by the build into the
# program's directory: the position key file and the 22 endgame databases
# with the record of their checksums.

set(CORVANE_CLASSES_BASES dod pod dop pop ddod dodd ddop podd pdod dopd pdop popd
    ppod dopp ppop popp dddod doddd pddod dopdd ppdod doppd)
set(CORVANE_FICHIERS_BASES ${CORVANE_BIN}/bases.sum)
foreach(classe ${CORVANE_CLASSES_BASES})
  list(APPEND CORVANE_FICHIERS_BASES ${CORVANE_BIN}/${classe}.bib)
endforeach()

add_custom_command(
  OUTPUT ${CORVANE_BIN}/hashkey33.dat
  COMMAND corvane-cli keys ${CORVANE_BIN}/hashkey33.dat
  DEPENDS corvane-cli
  COMMENT "Writing the position keys")

add_custom_command(
  OUTPUT ${CORVANE_FICHIERS_BASES}
  COMMAND corvane-cli bases build ${CORVANE_BIN}
  DEPENDS corvane-cli
  COMMENT "Solving the endgame databases")

add_custom_target(donnees_bases ALL DEPENDS ${CORVANE_BIN}/hashkey33.dat ${CORVANE_FICHIERS_BASES})

# The solver's loops run in every build, the sanitizer build included:
# optimised there too.
set_source_files_properties(src/knowledge/endgame_build.cpp src/knowledge/endgame.cpp
  PROPERTIES COMPILE_OPTIONS "-O2")
