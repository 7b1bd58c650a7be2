# The opening books the program ships, grown once by
#   corvane-cli book build --plies 12 --depth 8 --margin 60 --wide 8 --out data/books
# and kept as text in data/books/: copied into the program's directory.
set(CORVANE_LIVRES ouvert_b.ouv ouvert_n.ouv)
set(CORVANE_LIVRES_COPIES "")
foreach(livre ${CORVANE_LIVRES})
  add_custom_command(
    OUTPUT ${CORVANE_BIN}/${livre}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/books/${livre} ${CORVANE_BIN}/${livre}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/books/${livre}
    COMMENT "Copying the opening book ${livre}")
  list(APPEND CORVANE_LIVRES_COPIES ${CORVANE_BIN}/${livre})
endforeach()
add_custom_target(livres_ouvertures ALL DEPENDS ${CORVANE_LIVRES_COPIES})
