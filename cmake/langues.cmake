# The language tables of data/langues built into the engine as well, so that
# the texts the engine composes (the analysis lines, the analysis in PDN) come
# from the same tables as the window's captions, for the window and the tool.
file(GLOB CORVANE_TABLES_LANGUES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/langues/*.txt)
set(CORVANE_LANGUES_CPP ${CMAKE_BINARY_DIR}/generated/langues_integrees.cpp)
add_custom_command(
  OUTPUT ${CORVANE_LANGUES_CPP}
  COMMAND ${CMAKE_COMMAND} -DDOSSIER=${CMAKE_SOURCE_DIR}/data/langues -DSORTIE=${CORVANE_LANGUES_CPP}
          -P ${CMAKE_SOURCE_DIR}/cmake/integrer_langues.cmake
  DEPENDS ${CORVANE_TABLES_LANGUES} ${CMAKE_SOURCE_DIR}/cmake/integrer_langues.cmake
  COMMENT "Building the language tables into the engine")
target_sources(corvane_engine PRIVATE ${CORVANE_LANGUES_CPP})
