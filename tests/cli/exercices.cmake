# The exercise generator: without the endgame databases and the books of the
# program's directory it makes nothing and says so (status 1); a bad argument
# is refused (status 2).
add_test(NAME exercices_sans_donnees COMMAND sh -c
  "d=$(mktemp -d) || exit 1; m=$(\"$0\" \"$d\" 2>&1 >/dev/null); s=$?; n=$(ls \"$d\" | wc -l); rm -rf \"$d\"; test $s -eq 1 && test $n -eq 0 && case \"$m\" in *databases*) ;; *) false ;; esac"
  $<TARGET_FILE:corvane-exercices>)
add_test(NAME exercices_argument_inconnu COMMAND sh -c "\"$0\" --plus >/dev/null 2>&1; test $? -eq 2"
  $<TARGET_FILE:corvane-exercices>)
