# The default evaluation parameters, built from their readable source into
# the program's "Parametres" folder.
add_custom_command(
  OUTPUT ${CORVANE_BIN}/Parametres/defaut.par
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CORVANE_BIN}/Parametres
  COMMAND corvane-cli params build ${CMAKE_SOURCE_DIR}/data/parametres/defaut.txt ${CORVANE_BIN}/Parametres/defaut.par
  DEPENDS corvane-cli ${CMAKE_SOURCE_DIR}/data/parametres/defaut.txt
  COMMENT "Writing Parametres/defaut.par")
add_custom_target(donnees_evaluation ALL DEPENDS ${CORVANE_BIN}/Parametres/defaut.par)
