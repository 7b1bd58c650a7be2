# The search panel as the window shows it (the principal variation two
# half-moves a line), the seven root moves with their scores, then the move.
set(COUP_ROOT "[0-9][0-9]-[0-9][0-9] : [ 0-9-][ 0-9-][ 0-9-][ 0-9-][ 0-9-]\n")
add_test(NAME cli.search.depth COMMAND ${CLI} search --depth 4)
set_tests_properties(cli.search.depth PROPERTIES PASS_REGULAR_EXPRESSION
  "^Profondeur :     4\nNoeuds : [ 0-9][ 0-9][ 0-9][ 0-9][ 0-9][ 0-9][ 0-9][0-9]\nTemps : +[0-9]+ s\nNoeuds/s : [^\n]+\nScore : [ -][ 0-9-][ 0-9-][ 0-9-][0-9]\nCoups :   1\n[0-9][0-9] [-x] [0-9][0-9] , [0-9][0-9] [-x] [0-9][0-9]\n(.*\n)*--\n${COUP_ROOT}${COUP_ROOT}${COUP_ROOT}${COUP_ROOT}${COUP_ROOT}${COUP_ROOT}${COUP_ROOT}--\nmove [0-9][0-9]-[0-9][0-9]\nscore -?[0-9]+ \\(shown")
# A forced capture is answered without a search.
add_test(NAME cli.search.forced COMMAND ${CLI} search "B:W18:B14,K1")
set_tests_properties(cli.search.forced PROPERTIES PASS_REGULAR_EXPRESSION "move 14x23 \\(only move, not searched\\)")
# Level 1 searches three plies deep.
add_test(NAME cli.search.level COMMAND ${CLI} search --level 1)
set_tests_properties(cli.search.level PROPERTIES PASS_REGULAR_EXPRESSION "depth 3,")
cli_statut(cli.search.bad_depth 2 search --depth 0)
cli_statut(cli.search.bad_level 2 search --level 9)
cli_statut(cli.search.bad_option 2 search --fast)
cli_statut(cli.search.bad_fen 2 search "B:W40:B1")
add_test(NAME cli.search.empty_fen COMMAND ${CLI} search --depth 1 "")
set_tests_properties(cli.search.empty_fen PROPERTIES PASS_REGULAR_EXPRESSION "bad position")

# Whole games: every move checked against the legal moves.
add_test(NAME cli.match.games COMMAND ${CLI} match --games 3 --swap --a-level 1 --b-depth 2 --quiet)
set_tests_properties(cli.match.games PROPERTIES PASS_REGULAR_EXPRESSION "6 games, [0-9]+ plies, .*no illegal move")
cli_statut(cli.match.bad_level 2 match --a-level 12)
cli_statut(cli.match.missing_openings 2 match --openings /nonexistent/lines.ouv)
# Each game starts from a line of the file: blank lines passed over, an illegal one refused.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/lignes_match.ouv "\r\n11-15 22-18 \r\n \r\n")
add_test(NAME cli.match.openings_blank_lines COMMAND ${CLI} match --openings ${CMAKE_CURRENT_BINARY_DIR}/lignes_match.ouv
  --a-depth 1 --b-depth 1 --quiet)
set_tests_properties(cli.match.openings_blank_lines PROPERTIES PASS_REGULAR_EXPRESSION "\n1 games, ")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/lignes_fausses.ouv "11-15 22-18 \r\n11-15 22-18 15-15 \r\n")
cli_refus(cli.match.openings_illegal "lignes_fausses.ouv: \\\"11-15 22-18 15-15 \\\": half-move 3 is not legal"
  match --openings ${CMAKE_CURRENT_BINARY_DIR}/lignes_fausses.ouv --a-depth 1 --b-depth 1 --quiet)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/lignes_brouillees.ouv "not a line\r\n")
cli_refus(cli.match.openings_garbage "half-move 1 is not legal"
  match --openings ${CMAKE_CURRENT_BINARY_DIR}/lignes_brouillees.ouv --a-depth 1 --b-depth 1 --quiet)

# The shipped books are legal games; a book with an illegal half-move is refused.
add_test(NAME cli.book.check_shipped COMMAND ${CLI} book check
  ${CMAKE_SOURCE_DIR}/data/books/ouvert_b.ouv ${CMAKE_SOURCE_DIR}/data/books/ouvert_n.ouv)
set_tests_properties(cli.book.check_shipped PROPERTIES PASS_REGULAR_EXPRESSION " 0 illegal\n$")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/livre_faux.ouv "11-15 22-18 15-19 \r\n11-15 11-15 \r\n")
cli_statut(cli.book.check_illegal 1 book check ${CMAKE_CURRENT_BINARY_DIR}/livre_faux.ouv)
cli_statut(cli.book.no_subcommand 2 book)
# A folder or a file without a line is no book.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/livre_vide.ouv " \r\n\r\n")
cli_refus(cli.book.check_folder "cannot read ${CMAKE_CURRENT_BINARY_DIR}" book check ${CMAKE_CURRENT_BINARY_DIR})
cli_refus(cli.book.check_empty "holds no line" book check ${CMAKE_CURRENT_BINARY_DIR}/livre_vide.ouv)

# A depth of 1 scores each move by a one-ply search of the reply, and ends.
cli_dossier(cli.book.build_depth_one "\"$0\" book build --plies 1 --depth 1 --out .")
set_tests_properties(cli.book.build_depth_one PROPERTIES TIMEOUT 30
  PASS_REGULAR_EXPRESSION "^[0-9]+ lines of 1 half-moves")

# Both books are written as one set: when one cannot be, the other is not replaced.
cli_dossier(cli.book.build_failing_keeps_old_books "mkdir ouvert_n.ouv && echo old > ouvert_b.ouv && \
  ! \"$0\" book build --plies 1 --depth 2 --out . && test \"$(cat ouvert_b.ouv)\" = old && test $(ls | wc -l) -eq 2")

# Without Parametres/defaut.par the starting set is played; a bad parameter file is refused.
cli_dossier(cli.match.without_default_params
  "cp \"$0\" . && ./corvane-cli match --games 1 --a-depth 1 --b-depth 1 --quiet")
set_tests_properties(cli.match.without_default_params PROPERTIES PASS_REGULAR_EXPRESSION "\n1 games, ")
cli_refus(cli.search.params_folder "parameter file ${CMAKE_CURRENT_BINARY_DIR}"
  search --depth 1 --params ${CMAKE_CURRENT_BINARY_DIR})
cli_refus(cli.search.params_device "parameter file /dev/null" search --depth 1 --params /dev/null)
cli_refus(cli.match.params_missing "parameter file /nonexistent/a.par" match --games 1 --a-params /nonexistent/a.par)
