#!/usr/bin/env bash
# How long the Hub engine takes to answer "stop" during "go analyze": the
# protocol wants it within 100 ms. Prints each time and the longest.
# Usage: scripts/hub-stop.sh [BIN_DIR] [TRIES]   (default build/bin, 20)
set -eu
bin=${1:-build/bin}
essais=${2:-20}
coproc HUB { "$bin/corvane-cli" hub; }
ecrire() { echo "$1" >&"${HUB[1]}"; }
lire_jusqu_a() {  # lines up to one beginning with $1
  local l
  while read -r -t 10 l <&"${HUB[0]}"; do [[ $l == "$1"* ]] && return 0; done
  echo "no \"$1\" from the engine" >&2
  exit 1
}
ecrire hub
lire_jusqu_a wait
ecrire init
lire_jusqu_a ready
ecrire 'pos pos=Bbbbbbbbbbbbbeeeeeeeewwwwwwwwwwww moves="11-15 23-19 8-11"'
plus_long=0
for ((i = 1; i <= essais; i++)); do
  ecrire "go analyze"
  sleep 0.$((2 + RANDOM % 6))
  debut=$(date +%s%N)
  ecrire stop
  lire_jusqu_a "done move="
  ms=$(( ($(date +%s%N) - debut) / 100000 ))  # tenths of a millisecond
  printf 'stop answered in %d.%d ms\n' $((ms / 10)) $((ms % 10))
  ((ms > plus_long)) && plus_long=$ms
done
ecrire quit
printf 'longest: %d.%d ms over %d tries\n' $((plus_long / 10)) $((plus_long % 10)) "$essais"
