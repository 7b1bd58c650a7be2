# corvane-cli moves / perft
set(CLI $<TARGET_FILE:corvane-cli>)

add_test(NAME cli.moves.start COMMAND ${CLI} moves)
set_tests_properties(cli.moves.start PROPERTIES PASS_REGULAR_EXPRESSION "(^|\n)11-15 +22-18:\n")

add_test(NAME cli.moves.capture COMMAND ${CLI} moves "B:W19:B15")
set_tests_properties(cli.moves.capture PROPERTIES PASS_REGULAR_EXPRESSION "^15x24 +18-9:14\n$")

add_test(NAME cli.moves.king_sequence COMMAND ${CLI} moves "B:W11,14:BK4")
set_tests_properties(cli.moves.king_sequence PROPERTIES PASS_REGULAR_EXPRESSION "04x09 +29-24:22,19\n04x05 +29-28:22,19\n$")

# Bad input ends with status 2.
function(cli_status name status)
  add_test(NAME ${name} COMMAND sh -c "\"$0\" \"$@\" >/dev/null 2>&1; test $? -eq ${status}" ${CLI} ${ARGN})
endfunction()
cli_status(cli.moves.bad_fen 2 moves "B:W33:B1")
cli_status(cli.moves.two_positions 2 moves "B:W1:B2" "B:W1:B2")
add_test(NAME cli.moves.empty_fen COMMAND ${CLI} moves "")  # given, but empty: not the start position
set_tests_properties(cli.moves.empty_fen PROPERTIES PASS_REGULAR_EXPRESSION "bad position")
add_test(NAME cli.moves.bad_fen_message COMMAND ${CLI} moves "B:W33:B1")
set_tests_properties(cli.moves.bad_fen_message PROPERTIES PASS_REGULAR_EXPRESSION "outside 1..32")

add_test(NAME cli.perft.depth3 COMMAND ${CLI} perft 3)
set_tests_properties(cli.perft.depth3 PROPERTIES PASS_REGULAR_EXPRESSION
  "depth=1 nodes=7 unique=7 .*\ndepth=2 nodes=49 unique=49 .*\ndepth=3 nodes=302 unique=302 ")

add_test(NAME cli.perft.help COMMAND ${CLI} perft --help)
set_tests_properties(cli.perft.help PROPERTIES PASS_REGULAR_EXPRESSION "[Bb]ulk counting")

foreach(bad "0" "x" "40" "3x")
  cli_status("cli.perft.bad_depth_${bad}" 2 perft "${bad}")
endforeach()
cli_status(cli.perft.no_depth 2 perft)
cli_status(cli.perft.bad_fen 2 perft 2 "B:W1")
cli_status(cli.perft.ok 0 perft 2 "B:WK1:BK32")
cli_status(cli.unknown_command 2 frobnicate)
