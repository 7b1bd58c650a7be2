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

# The tool takes its own output back: a set with every value from -128 to 127,
# side by side in the tables (-128 -120 -112 -104 on one row), built, shown,
# built again from what was shown, gives the same file.
set(PARAMETRES_EXTREMES
  "{ echo 'phase0_bas -128'; echo 'phase1_bas 127'; echo 'phase2_bas -100'; echo 'temps_avance -128 -127 -100 -1 0 1 100 127'; for c in cases_v1_blancs cases_v1_noirs cases_v2_blancs cases_v2_noirs; do echo \"$c -128 -101 -100 33 0 127 -5\"; done; t=0; while [ $t -lt 8 ]; do echo \"table $t\"; k=0; while [ $k -lt 32 ]; do printf ' %d' $(( (k * 8 + t) % 256 - 128 )); k=$((k+1)); done; echo; t=$((t+1)); done; } > s.txt")
cli_dossier(cli.params.round_trip "${PARAMETRES_EXTREMES} && \"$0\" params build s.txt a.par && \"$0\" params show a.par > t.txt && \"$0\" params build t.txt b.par && cmp a.par b.par && \"$0\" params show b.par | cmp - t.txt")
