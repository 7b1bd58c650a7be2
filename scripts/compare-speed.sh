#!/bin/sh
# Runs two builds of the engine side by side and compares their speed and
# their results: perft of the start position, the 23-position search
# benchmark at depth 10, and a few fixed searches. Builds nothing.
#
#   scripts/compare-speed.sh BEFORE_BIN AFTER_BIN [PERFT_DEPTH]
#
# BEFORE_BIN and AFTER_BIN are the bin/ folders of two builds (corvane-cli,
# corvane-bench and their data). Exit status 1 when any result differs.
set -eu

avant=${1:?before bin folder}
apres=${2:?after bin folder}
profondeur=${3:-11}
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
ecarts=0

# Perft: every depth's counts must agree; the deepest is timed.
for b in avant apres; do
  eval dossier=\$$b
  "$dossier/corvane-cli" perft "$profondeur" >"$travail/perft-$b"
  sed 's/ time=.*//' "$travail/perft-$b" >"$travail/compte-$b"
done
if cmp -s "$travail/compte-avant" "$travail/compte-apres"; then
  echo "perft 1..$profondeur: counts identical"
else
  echo "perft 1..$profondeur: COUNTS DIFFER"
  diff "$travail/compte-avant" "$travail/compte-apres" || true
  ecarts=1
fi
tail -n 1 "$travail/perft-avant" | sed 's/^/  before: /'
tail -n 1 "$travail/perft-apres" | sed 's/^/  after:  /'
awk '{ sub(/.*nps=/, ""); print }' "$travail/perft-avant" | tail -n 1 >"$travail/v1"
awk '{ sub(/.*nps=/, ""); print }' "$travail/perft-apres" | tail -n 1 >"$travail/v2"
awk -v a="$(cat "$travail/v1")" -v b="$(cat "$travail/v2")" 'BEGIN { printf "  perft %s leaves/s ratio: %.2f\n", "'"$profondeur"'", b / a }'

# The search benchmark: nodes of each position, total time.
for b in avant apres; do
  eval dossier=\$$b
  "$dossier/corvane-bench" --benchmark_filter='Profondeur10/' --benchmark_format=json 2>/dev/null >"$travail/bench-$b.json"
  python3 - "$travail/bench-$b.json" >"$travail/noeuds-$b" <<'EOF'
import json, sys
d = json.load(open(sys.argv[1]))["benchmarks"]
print(" ".join(str(int(x["nodes"])) for x in d))
print(int(sum(x["nodes"] for x in d)), sum(x["real_time"] for x in d) / 1000.0)
EOF
done
echo "search depth 10, nodes of the 23 positions:"
echo "  before: $(head -n 1 "$travail/noeuds-avant")"
echo "  after:  $(head -n 1 "$travail/noeuds-apres")"
if [ "$(head -n 1 "$travail/noeuds-avant")" = "$(head -n 1 "$travail/noeuds-apres")" ]; then
  echo "  diff: none, all 23 identical"
else
  echo "  diff: NODE COUNTS DIFFER"
  ecarts=1
fi
awk 'FNR == 2 { n[FILENAME] = $1; t[FILENAME] = $2 } END {
  a = ARGV[1]; b = ARGV[2]
  printf "  before: %d nodes in %.3f s, %.0f nodes/s\n", n[a], t[a], n[a] / t[a]
  printf "  after:  %d nodes in %.3f s, %.0f nodes/s\n", n[b], t[b], n[b] / t[b]
  printf "  nodes/s ratio: %.2f\n", (n[b] / t[b]) / (n[a] / t[a]) }' "$travail/noeuds-avant" "$travail/noeuds-apres"

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
