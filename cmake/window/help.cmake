# The help pages, in the program's directory: the guide and the rules in six
# languages (the HTML pages of data/help) are copied there with their style sheet, and their diagrams are drawn into
# aide/ from the readable list data/help/diagrammes.txt by corvane-diagrams.
set(CORVANE_AIDE_SOURCES ${CMAKE_SOURCE_DIR}/data/help)
set(CORVANE_AIDE_LISTE ${CORVANE_AIDE_SOURCES}/diagrammes.txt)
# Files copied from data/help, by their place in the program's directory.
set(CORVANE_AIDE_COPIES
  Corvane.html Corvane_e.html Corvane_nl.html Corvane_p.html Corvane_es.html Corvane_it.html
  Rcorvane_f.html Rcorvane_e.html Rcorvane_nl.html Rcorvane_p.html Rcorvane_es.html Rcorvane_it.html
  aide/aide.css)

# The list reader is shared with the help tests, which check each diagram's
# moves against the rules engine.
add_library(corvane_diagrammes_liste STATIC ${CMAKE_SOURCE_DIR}/tools/diagrams/liste.cpp)
target_include_directories(corvane_diagrammes_liste PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(corvane_diagrammes_liste PUBLIC corvane_engine)

add_executable(corvane-diagrams ${CMAKE_SOURCE_DIR}/tools/diagrams/main.cpp)
target_link_libraries(corvane-diagrams PRIVATE corvane_diagrammes_liste Qt6::Gui)

set(CORVANE_AIDE_FICHIERS "")
foreach(copie ${CORVANE_AIDE_COPIES})
  get_filename_component(nom ${copie} NAME)
  get_filename_component(dossier ${CORVANE_BIN}/${copie} DIRECTORY)
  add_custom_command(
    OUTPUT ${CORVANE_BIN}/${copie}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier}
    COMMAND ${CMAKE_COMMAND} -E copy ${CORVANE_AIDE_SOURCES}/${nom} ${CORVANE_BIN}/${copie}.tmp
    COMMAND ${CMAKE_COMMAND} -E rename ${CORVANE_BIN}/${copie}.tmp ${CORVANE_BIN}/${copie}
    DEPENDS ${CORVANE_AIDE_SOURCES}/${nom}
    COMMENT "Copying the help file ${copie}")
  list(APPEND CORVANE_AIDE_FICHIERS ${CORVANE_BIN}/${copie})
endforeach()

# The pictures the list names (the first word of each line that is not a
# comment); a change of the list configures again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CORVANE_AIDE_LISTE})
file(STRINGS ${CORVANE_AIDE_LISTE} lignes_diagrammes REGEX "^[ \t]*[^# \t][^ \t]*\\.png")
set(CORVANE_DIAGRAMMES "")
foreach(ligne ${lignes_diagrammes})
  string(REGEX MATCH "^[ \t]*([^ \t]+\\.png)" nom "${ligne}")
  list(APPEND CORVANE_DIAGRAMMES ${CORVANE_BIN}/aide/${CMAKE_MATCH_1})
endforeach()
add_custom_command(
  OUTPUT ${CORVANE_DIAGRAMMES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:corvane-diagrams> ${CORVANE_AIDE_LISTE} ${CORVANE_BIN}/aide
  DEPENDS corvane-diagrams ${CORVANE_AIDE_LISTE}
  COMMENT "Drawing the help diagrams")
list(APPEND CORVANE_AIDE_FICHIERS ${CORVANE_DIAGRAMMES})

add_custom_target(corvane-help ALL DEPENDS ${CORVANE_AIDE_FICHIERS})
