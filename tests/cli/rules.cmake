# corvane-cli moves / perft
add_test(NAME cli.moves.start COMMAND ${CLI} moves)
set_tests_properties(cli.moves.start PROPERTIES PASS_REGULAR_EXPRESSION "(^|\n)11-15 +22-18:\n")

add_test(NAME cli.moves.capture COMMAND ${CLI} moves "B:W19:B15")
set_tests_properties(cli.moves.capture PROPERTIES PASS_REGULAR_EXPRESSION "^15x24 +18-9:14\n$")

add_test(NAME cli.moves.king_sequence COMMAND ${CLI} moves "B:W11,14:BK4")
set_tests_properties(cli.moves.king_sequence PROPERTIES PASS_REGULAR_EXPRESSION "04x09 +29-24:22,19\n04x05 +29-28:22,19\n$")

cli_refus(cli.moves.bad_fen "outside 1..32" moves "B:W33:B1")
cli_statut(cli.moves.two_positions 2 moves "B:W1:B2" "B:W1:B2")
add_test(NAME cli.moves.empty_fen COMMAND ${CLI} moves "")  # given, but empty: not the start position
set_tests_properties(cli.moves.empty_fen PROPERTIES PASS_REGULAR_EXPRESSION "bad position")

add_test(NAME cli.perft.depth3 COMMAND ${CLI} perft 3)
set_tests_properties(cli.perft.depth3 PROPERTIES PASS_REGULAR_EXPRESSION
  "depth=1 nodes=7 unique=7 .*\ndepth=2 nodes=49 unique=49 .*\ndepth=3 nodes=302 unique=302 ")

add_test(NAME cli.perft.help COMMAND ${CLI} perft --help)
set_tests_properties(cli.perft.help PROPERTIES PASS_REGULAR_EXPRESSION "[Bb]ulk counting")

foreach(bad "0" "x" "40" "3x")
  cli_statut("cli.perft.bad_depth_${bad}" 2 perft "${bad}")
endforeach()
cli_statut(cli.perft.no_depth 2 perft)
cli_statut(cli.perft.bad_fen 2 perft 2 "B:W1")
cli_statut(cli.perft.ok 0 perft 2 "B:WK1:BK32")
cli_statut(cli.unknown_command 2 frobnicate)
