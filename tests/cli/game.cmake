# "put V O": byte V at offset O of d.dam. A file of zeros is a game without
# settings; two plies are written into it: 9-13 and 22-18, the current ply 1.
set(DEUX_DEMI_COUPS
  "put() { printf \"\\\\$(printf %03o $1)\" | dd of=d.dam bs=1 seek=$2 conv=notrunc 2>/dev/null; }; head -c 22442 /dev/zero > d.dam && put 2 0 && put 1 22440 && put 1 22441 && put 9 122 && put 13 123 && put 22 210 && put 18 211")

cli_dossier(cli.game.show "${DEUX_DEMI_COUPS} && \"$0\" game show d.dam > out && printf ' 1.24-20 11-15\\nply 1 of 2\\nFEN W:W:B\\nlevel 5, thinking 160 s, allowance 178 s, other 3 min, tables 0, English\\n' | cmp - out")
# Converted, the settings are written in; converted again, the same bytes.
cli_dossier(cli.game.convert "${DEUX_DEMI_COUPS} && \"$0\" game convert d.dam e.DAM && \"$0\" game convert e.DAM f.dam && cmp e.DAM f.dam && test $(wc -c < f.dam) -eq 22442 && ! cmp -s d.dam e.DAM && \"$0\" game show f.dam | grep -q '^ 1.24-20 11-15$'")

cli_refus(cli.game.missing "nope.dam: cannot be read" game show nope.dam)
cli_dossier(cli.game.truncated "head -c 100 /dev/zero > t.dam; m=$(\"$0\" game show t.dam 2>&1); test $? -eq 2 && test \"$m\" = 'corvane-cli game: t.dam: 100 bytes instead of 22442'")
cli_dossier(cli.game.bad_piece "head -c 22442 /dev/zero > b.dam && printf '\\007' | dd of=b.dam bs=1 seek=5 conv=notrunc 2>/dev/null; m=$(\"$0\" game convert b.dam c.dam 2>&1); test $? -eq 2 && test ! -e c.dam && case \"$m\" in *'piece code 7'*) ;; *) false ;; esac")
# Two PDN games: the second is taken, and goes through text and .dam with the same move list.
set(DEUX_PARTIES_PDN
  "printf '[GameType \"23\"]\\r\\n1. 11-15 24-20 *\\r\\n\\r\\n[White \"Ana\"]\\r\\n[GameType \"23\"]\\r\\n1. 9-13 {a comment} 22-18 (1... 21-17) *\\r\\n' > p.pdn")
cli_dossier(cli.game.pdn_text_dam "${DEUX_PARTIES_PDN} && \"$0\" game show p.pdn --game 2 > a && head -1 a | grep -qx ' 1.09-13 22-18' && \"$0\" game convert p.pdn t.txt --game 2 && \"$0\" game convert t.txt d.dam && \"$0\" game convert d.dam q.pdn && \"$0\" game show q.pdn > b && cmp a b && head -1 t.txt | tr -d '\\r' | grep -qx -- '-Ana ' && m=$(\"$0\" game show p.pdn --game 3 2>&1); test $? -eq 2 && case \"$m\" in *'no game 3'*) ;; *) false ;; esac")
cli_dossier(cli.game.pdn_illegal "printf '[GameType \"23\"]\\n1. 11-15 11-15 *\\n' > i.pdn; m=$(\"$0\" game convert i.pdn i.dam 2>&1); test $? -eq 2 && test ! -e i.dam && case \"$m\" in *'(11-15) of game 1'*) ;; *) false ;; esac")
cli_refus(cli.game.unknown "unknown format" game show partie.xyz)
# A text file of prose reads as a game of nothing: refused, not shown as an empty game.
cli_dossier(cli.game.prose "printf 'Bonjour,\\r\\nvoici le compte rendu du tournoi.\\r\\n' > p.txt; m=$(\"$0\" game show p.txt 2>&1); test $? -eq 2 && case \"$m\" in *'p.txt: holds no game'*) ;; *) false ;; esac")
cli_refus(cli.game.usage "expected" game show)

# Name fields without their terminating zero, in every entry of a record of
# 254 plies (squares 1 to 2, on an empty board): each name reads as its first
# 19 bytes, at the last ply as at the others.
set(NOMS_SANS_ZERO
  "N=AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA'\\001'BBB; { { printf '\\376'; head -c 43 /dev/zero; printf \"$N\"; }; k=1; while [ $k -le 254 ]; do head -c 34 /dev/zero; printf '\\001\\002'; head -c 8 /dev/zero; printf \"$N\"; k=$((k+1)); done; printf '\\376\\000'; } > n.dam && test $(wc -c < n.dam) -eq 22442")
cli_dossier(cli.game.names_without_zero "${NOMS_SANS_ZERO} && \"$0\" game show n.dam | grep -q '^ply 254 of 254$' && \"$0\" game convert n.dam n.pdn && tr -d '\\r' < n.pdn | grep -x '\\[\\(Black\\|White\\) \"[A-Z]*\"\\]' > noms && printf '[Black \"AAAAAAAAAAAAAAAAAAA\"]\\n[White \"AAAAAAAAAAAAAAAAAAA\"]\\n' | cmp - noms")

# A thinking time of 2,000,000,000 s is no level's: the file is refused.
cli_dossier(cli.game.huge_thinking_time "${DEUX_DEMI_COUPS} && put 148 22389 && put 53 22390 && put 119 22391 && put 178 22392 && put 5 22387 && m=$(\"$0\" game show d.dam 2>&1); test $? -eq 2 && case \"$m\" in *'thinking time 2000000000 s'*) ;; *) false ;; esac")

# A finished game keeps its result through a game file: PDN, text and game
# file again all carry it.
cli_dossier(cli.game.result_kept "printf '[GameType \"23\"]\\n1. 11-15 24-20 0-2\\n' > w.pdn && \"$0\" game convert w.pdn w.dam && \"$0\" game convert w.dam x.pdn && tr -d '\\r' < x.pdn | grep -qx '\\[Result \"0-2\"\\]' && tr -d '\\r' < x.pdn | grep -qx '1. 11-15 24-20 0-2' && \"$0\" game convert w.dam x.txt && head -1 x.txt | tr -d '\\r' | grep -qx -- '-  2-0' && \"$0\" game convert w.dam y.dam && cmp w.dam y.dam")

# The text format holds no starting position: a game from a set-up position
# is not written as text (it would read back as another game); PDN holds it.
cli_dossier(cli.game.text_refuses_setup "printf '[GameType \"23\"]\\n[FEN \"B:W27,28:B1,2\"]\\n1. 1-5 *\\n' > s.pdn && m=$(\"$0\" game convert s.pdn s.txt 2>&1); test $? -eq 1 && test ! -e s.txt && case \"$m\" in *'set-up position'*PDN*) ;; *) false ;; esac && \"$0\" game convert s.pdn t.pdn")

# A first name with a hyphen would come back split across the two names:
# not written as text, written as PDN; a second one reads back as it is.
cli_dossier(cli.game.text_names "printf '[Black \"Jean-Pierre\"]\\n[White \"Anne-Marie\"]\\n1. 11-15 *\\n' > n.pdn && m=$(\"$0\" game convert n.pdn n.txt 2>&1); test $? -eq 1 && test ! -e n.txt && case \"$m\" in *'\"Jean-Pierre\"'*PDN*) ;; *) false ;; esac && printf '[Black \"Jean\"]\\n[White \"Anne-Marie\"]\\n1. 11-15 *\\n' > m.pdn && \"$0\" game convert m.pdn m.txt && \"$0\" game convert m.txt p.pdn && tr -d '\\r' < p.pdn | grep -qx '\\[White \"Anne-Marie\"\\]' && tr -d '\\r' < p.pdn | grep -qx '\\[Black \"Jean\"\\]'")

# Several hundred random games in each style of other programs' PDN: all read to the end, every ply.
foreach(style pool algebraic plain russian brazilian)
  cli_dossier(cli.game.sample_${style} "a=$(\"$0\" game sample s.pdn --style ${style} --games 300 --seed 5) && b=$(\"$0\" game check s.pdn) && test \"$a\" = \"300 games, \${a#300 games, }\" && test \"$b\" = \"300 games, 300 read to the end, \${a#300 games, }\"")
endforeach()
cli_refus(cli.game.sample_style "unknown style" game sample s.pdn --style chess)
# A Russian game that goes on as our rules do not: one line naming the game, the move number and the move.
cli_dossier(cli.game.pdn_russian_refused "printf '[GameType \"25\"]\\r\\n[FEN \"W:Wa1,b6,e3,g1:Bd8,f6,h6.\"]\\r\\n1. e3-d4 d8-c7 2. b6:d8:g5 h6:f4 2-0\\r\\n' > r.pdn; m=$(\"$0\" game show r.pdn 2>&1); test $? -eq 2 && test \"$m\" = 'corvane-cli game: r.pdn: Move 2 (b6:d8:g5) of game 1: not a legal move in this position under our rules (a game of Russian draughts)' && m=$(\"$0\" game check r.pdn); test $? -eq 2 && test \"$(echo \"$m\" | tail -1)\" = '1 games, 0 read to the end, 0 plies'")
# Words that are no moves are never a game read as nothing.
cli_dossier(cli.game.pdn_no_moves_read "printf '[Event \"x\"]\\n1. e4 e5 2. Nf3 *\\n' > c.pdn; m=$(\"$0\" game show c.pdn 2>&1); test $? -eq 2 && case \"$m\" in *'Move 1 (e4) of game 1: not a move'*) ;; *) false ;; esac")
# Written in numbers or algebraically, with the GameType that says so, and read back the same.
cli_dossier(cli.game.pdn_algebraic "${DEUX_PARTIES_PDN} && \"$0\" game convert p.pdn n.pdn --game 2 && \"$0\" game convert p.pdn a.pdn --game 2 --algebraic && grep -q 'GameType \"23,B,8,8,N1,0\"' n.pdn && grep -q 'GameType \"23,W,8,8,A0,0\"' a.pdn && grep -q '1. g3-h4 f6-e5 *' a.pdn && grep -q 'Black \"Ana\"' a.pdn && \"$0\" game show n.pdn > x && \"$0\" game show a.pdn > y && cmp x y && \"$0\" game show p.pdn --game 2 | cmp - x")
