#!/bin/sh
# Runs two builds of the engine side by side and compares their speed and
# their results: perft of the start position, the 23-position search
# benchmark at depth 10, and a few fixed searches. Builds nothing.
#
#   scripts/compare-speed.sh BEFORE_BIN AFTER_BIN [PERFT_DEPTH [RUNS]]
#
# BEFORE_BIN and AFTER_BIN are the bin/ folders of two builds (corvane-cli,
# corvane-bench and their data). Each timing is taken RUNS times (5 by
# default), the two builds taking turns, and the best and the median runs
# are compared: one slow run on a shared machine decides nothing.
# Exit status 1 when any result differs.
set -eu

avant=${1:?before bin folder}
apres=${2:?after bin folder}
profondeur=${3:-11}
essais=${4:-5}
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
ecarts=0

# Best and median of the speeds in files $2 (before) and $3 (after), one a
# line, and their ratios; $1 names the unit.
rapport() {
  sort -g "$2" >"$travail/tri-1"
  sort -g "$3" >"$travail/tri-2"
  awk -v quoi="$1" 'FNR == 1 { f++ } { v[f, FNR] = $1; n[f] = FNR }
    function mediane(f) { return n[f] % 2 ? v[f, (n[f] + 1) / 2] : (v[f, n[f] / 2] + v[f, n[f] / 2 + 1]) / 2 }
    END {
      printf "  before: best %.0f, median %.0f %s\n", v[1, n[1]], mediane(1), quoi
      printf "  after:  best %.0f, median %.0f %s\n", v[2, n[2]], mediane(2), quoi
      printf "  ratio:  best %.2f, median %.2f (%d runs each)\n", v[2, n[2]] / v[1, n[1]], mediane(2) / mediane(1), n[1] }' \
    "$travail/tri-1" "$travail/tri-2"
}

# Perft: every depth's counts must agree in every run; the deepest is timed.
for i in $(seq "$essais"); do
  for b in avant apres; do
    eval dossier=\$$b
    "$dossier/corvane-cli" perft "$profondeur" >"$travail/perft"
    sed 's/ time=.*//' "$travail/perft" >"$travail/compte-$b-$i"
    tail -n 1 "$travail/perft" | sed 's/.*nps=//' >>"$travail/vitesse-$b"
  done
  if ! cmp -s "$travail/compte-avant-1" "$travail/compte-avant-$i" ||
    ! cmp -s "$travail/compte-avant-1" "$travail/compte-apres-$i"; then
    echo "perft 1..$profondeur: COUNTS DIFFER (run $i)"
    diff "$travail/compte-avant-1" "$travail/compte-apres-$i" || true
    ecarts=1
  fi
done
[ $ecarts -ne 0 ] || echo "perft 1..$profondeur: counts identical"
tail -n 1 "$travail/compte-apres-1" | sed 's/^/  /'
rapport "leaves/s" "$travail/vitesse-avant" "$travail/vitesse-apres"

# The search benchmark: nodes of each position, nodes per second overall.
for i in $(seq "$essais"); do
  for b in avant apres; do
    eval dossier=\$$b
    "$dossier/corvane-bench" --benchmark_filter='Profondeur10/' --benchmark_format=json 2>/dev/null >"$travail/bench.json"
    python3 - "$travail/bench.json" >"$travail/noeuds" <<'EOF'
import json, sys
d = json.load(open(sys.argv[1]))["benchmarks"]
print(" ".join(str(int(x["nodes"])) for x in d))
print(sum(x["nodes"] for x in d) / sum(x["real_time"] for x in d) * 1000.0)
EOF
    head -n 1 "$travail/noeuds" >"$travail/noeuds-$b-$i"
    tail -n 1 "$travail/noeuds" >>"$travail/nps-$b"
  done
  if ! cmp -s "$travail/noeuds-avant-1" "$travail/noeuds-avant-$i" ||
    ! cmp -s "$travail/noeuds-avant-1" "$travail/noeuds-apres-$i"; then
    echo "search depth 10: NODE COUNTS DIFFER (run $i)"
    ecarts=1
  fi
done
echo "search depth 10, nodes of the 23 positions:"
echo "  before: $(cat "$travail/noeuds-avant-1")"
echo "  after:  $(cat "$travail/noeuds-apres-1")"
! cmp -s "$travail/noeuds-avant-1" "$travail/noeuds-apres-1" || echo "  diff: none, all 23 identical"
rapport "nodes/s" "$travail/nps-avant" "$travail/nps-apres"

# Fixed searches: move, score and nodes must agree (the time may not).
echo "fixed searches (move, score, depth, nodes):"
for essai in \
  "10|B:W21,22,23,24,25,26,27,28,29,30,31,32:B1,2,3,4,5,6,7,8,9,10,11,12" \
  "11|W:W12,21,22,26,27,28,29,30,32:B3,4,6,8,11,15,23" \
  "10|W:WK3,13,21,23,24,25,27,28,29,30,31:B1,2,5,6,11" \
  "12|B:WK2,17,21,25,32:B4,5,6,8,9,K28" \
  "12|B:W12,18,22,26,29,32:B3,4,10,K30" \
  "14|W:WK4,28:B2,3,6,12,17"; do
  p=${essai%%|*}
  fen=${essai#*|}
  for b in avant apres; do
    eval dossier=\$$b
    "$dossier/corvane-cli" search --depth "$p" "$fen" | grep -E '^(move|score)' | sed 's/, time.*//' | tr '\n' ' ' >"$travail/s-$b"
  done
  if cmp -s "$travail/s-avant" "$travail/s-apres"; then r=same; else r=DIFFERENT; ecarts=1; fi
  echo "  $r  depth $p $fen: $(cat "$travail/s-apres")"
done
exit $ecarts
