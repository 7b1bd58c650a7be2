add_test(NAME cli.eval.start COMMAND ${CLI} eval)
set_tests_properties(cli.eval.start PROPERTIES PASS_REGULAR_EXPRESSION
  "^Eval stat blacks: *-?[0-9]+\nEval stat white: *-?[0-9]+\n$")

# Camp 0 (drawn black) a man down: its score is negative, the other's positive.
add_test(NAME cli.eval.man_down COMMAND ${CLI} eval "B:W21-32:B1-11")
set_tests_properties(cli.eval.man_down PROPERTIES PASS_REGULAR_EXPRESSION
  "^Eval stat blacks: *-[0-9]+\nEval stat white: *[0-9]+\n$")

cli_statut(cli.eval.bad_fen 2 eval "B:W40:B1")
cli_statut(cli.eval.two_positions 2 eval "B:W1:B2" "B:W1:B2")
cli_statut(cli.params.no_args 2 params)
cli_statut(cli.params.missing_file 2 params show /nonexistent/x.par)
cli_statut(cli.params.missing_source 2 params build /nonexistent/x.txt x.par)
cli_refus(cli.params.show_device "/dev/null" params show /dev/null)

add_test(NAME cli.params.show COMMAND ${CLI} params show ${CORVANE_BIN}/Parametres/defaut.par)
set_tests_properties(cli.params.show PROPERTIES PASS_REGULAR_EXPRESSION "phase0_bas 20\n(.|\n)*table 7\n")
