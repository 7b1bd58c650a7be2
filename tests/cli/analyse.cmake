# The analysis of a fixed game's last twelve plies, four plies deep: a line per
# move, numbered from the first, the man thrown away by 14-10 starred; the
# game written with the analysis reads back as the same game.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/fin_de_partie.pdn
  "[FEN \"B:W13,19,24,25,27,28:B5,6,7,10,11,20\"]\r\n[Black \"Ana\"]\r\n[White \"Bo\"]\r\n[GameType \"23\"]\r\n\r\n"
  "25. 10-14 25-22 26. 14-17 22-18 27. 17-21 19-15 28. 11-16 18-14 29. 16-19 14-10 30. 7x14 15-11 *\r\n")
set(FIN_DE_PARTIE ${CMAKE_CURRENT_BINARY_DIR}/fin_de_partie.pdn)
set(LIGNE_ANALYSE "^[*]?[ 1-9][0-9] (Noirs |Blancs): joué : [0-9][0-9]-[0-9][0-9]; score : *-?[0-9]+; meilleur : [0-9][0-9]-[0-9][0-9]; score : *-?[0-9]+( ->[(]( [0-9][0-9]-[0-9][0-9]){1,2} [.][.][.][.][)])?$")
cli_dossier(cli.analyse.fixed_game "\"$0\" analyse ${FIN_DE_PARTIE} --depth 4 --pdn a.pdn > lignes && \
  test $(wc -l < lignes) -eq 12 && test $(grep -cE '${LIGNE_ANALYSE}' lignes) -eq 12 && \
  head -1 lignes | grep -q '^ 1 Noirs : joué : 10-14;' && sed -n 2p lignes | grep -q ' 1 Blancs: joué : 25-22;' && \
  sed -n 10p lignes | grep -q '^[*] 5 Blancs: joué : 14-10;' && grep -q '[$]4 {meilleur : ' a.pdn && \
  \"$0\" game show a.pdn > relue && \"$0\" game show ${FIN_DE_PARTIE} > lue && cmp relue lue")
# The same settings give the same lines; English, Dutch and Italian share theirs.
cli_dossier(cli.analyse.languages "\"$0\" analyse ${FIN_DE_PARTIE} --depth 3 --language en > en && \
  \"$0\" analyse ${FIN_DE_PARTIE} --depth 3 --language it > it && cmp en it && head -1 en | grep -q ' 1 Black : played : 10-14;' && \
  \"$0\" analyse ${FIN_DE_PARTIE} --depth 3 --language pt | head -1 | grep -q ' 1 Pretas : jogou : 10-14;'")
cli_refus(cli.analyse.no_file "expected a game file" analyse --depth 3)
cli_refus(cli.analyse.missing "nope.pdn: cannot be read" analyse nope.pdn)
cli_refus(cli.analyse.no_game_2 "no game 2" analyse ${FIN_DE_PARTIE} --game 2)
cli_refus(cli.analyse.bad_depth "takes a depth" analyse ${FIN_DE_PARTIE} --depth 0)
cli_refus(cli.analyse.bad_language "--language takes" analyse ${FIN_DE_PARTIE} --language de)
cli_dossier(cli.analyse.no_move "printf '[GameType \"23\"]\\n*\\n' > v.pdn; m=$(\"$0\" analyse v.pdn 2>&1); test $? -eq 2 && test \"$m\" = 'corvane-cli analyse: v.pdn: the game has no move'")
cli_dossier(cli.analyse.pdn_unwritable "m=$(\"$0\" analyse ${FIN_DE_PARTIE} --depth 2 --pdn no/a.pdn 2>&1 >/dev/null); test $? -eq 2 && test \"$m\" = 'corvane-cli analyse: no/a.pdn: cannot be written'")

# A learning session of short games: every game analysed, the lesson a whole table.
cli_dossier(cli.learn.short_games "\"$0\" learn --out s.dal --games 3 --plies 30 --depth 2 > out && \
  grep -q '^3 games, ' out && test $(grep -c ' 30  cut ' out) -eq 3 && test $(wc -c < s.dal) -eq 1048568")
cli_refus(cli.learn.unwritable "no/s.dal: Impossible d'ouvrir ce fichier" learn --out no/s.dal --games 1 --depth 1)
cli_refus(cli.learn.no_lesson "--out FILE" learn --games 1)
