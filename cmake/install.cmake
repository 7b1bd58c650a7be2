# The install (cmake --install build [--prefix P]): the programs in bin/, the
# data the build writes into the program's directory at the same places
# under share/corvane/ (an installed program reads them there and writes into
# the user's folder), and for the desktop the menu entry, the icon, the
# metainfo and the tool's manual page. cmake/package.cmake makes a Debian
# package of it.
include(GNUInstallDirs)
set(CORVANE_ID org.corvane.corvane)  # names the desktop entry, icon and metainfo
set(CORVANE_PARTAGE ${CMAKE_INSTALL_DATADIR}/corvane)

# Where an installed program finds its data, from its own folder: told to
# the code when it is not the usual ../share/corvane.
file(RELATIVE_PATH CORVANE_DONNEES_RELATIF ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/corvane)
if(NOT CORVANE_DONNEES_RELATIF STREQUAL "../share/corvane")
  target_compile_definitions(corvane_engine PUBLIC CORVANE_DONNEES_INSTALLEES="${CORVANE_DONNEES_RELATIF}")
endif()

# corvane_installer_donnees(FILES...): files of the program's directory, each
# installed at its own place under share/corvane.
function(corvane_installer_donnees)
  foreach(f ${ARGN})
    file(RELATIVE_PATH chemin ${CORVANE_BIN} ${f})
    get_filename_component(dossier "${chemin}" DIRECTORY)
    install(FILES ${f} DESTINATION ${CORVANE_PARTAGE}/${dossier})
  endforeach()
endfunction()

install(TARGETS corvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
corvane_installer_donnees(${CORVANE_BIN}/hashkey33.dat ${CORVANE_FICHIERS_BASES} ${CORVANE_LIVRES_COPIES}
                          ${CORVANE_BIN}/Parametres/defaut.par)
# The exercises bear the names their generator gives them: the folder as the
# build made it, games and commentaries.
install(DIRECTORY ${CORVANE_BIN}/Problemes DESTINATION ${CORVANE_PARTAGE}
        FILES_MATCHING PATTERN "*.dam" PATTERN "*.damt")

# The tool's manual page, written from its own help.
set(CORVANE_MANUEL ${CMAKE_BINARY_DIR}/man/corvane-cli.1)
add_custom_command(
  OUTPUT ${CORVANE_MANUEL}.gz
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:corvane-cli> -DVERSION=${PROJECT_VERSION} -DOUT=${CORVANE_MANUEL}
          -P ${CMAKE_SOURCE_DIR}/cmake/manual.cmake
  COMMAND gzip -9nf ${CORVANE_MANUEL}
  DEPENDS corvane-cli ${CMAKE_SOURCE_DIR}/cmake/manual.cmake
  COMMENT "Writing the manual page of corvane-cli")
add_custom_target(manuel ALL DEPENDS ${CORVANE_MANUEL}.gz)
install(FILES ${CORVANE_MANUEL}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(CORVANE_WINDOW)
  install(TARGETS corvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  corvane_installer_donnees(${CORVANE_AIDE_FICHIERS} ${CORVANE_SONS})
  # The pictures bear the names their generator gives them: those it drew
  # are found when installing.
  install(CODE "set(CORVANE_BIN \"${CORVANE_BIN}\")
                set(CORVANE_PARTAGE \"\${CMAKE_INSTALL_PREFIX}/${CORVANE_PARTAGE}\")")
  install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/install_pictures.cmake)

  foreach(taille ${CORVANE_TAILLES_ICONES})
    install(FILES ${CMAKE_BINARY_DIR}/icones/${taille}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps RENAME ${CORVANE_ID}.png)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${CORVANE_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${CORVANE_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
