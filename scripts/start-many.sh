#!/usr/bin/env bash
# Starts the program many times and counts the runs that do not end cleanly.
# Each run gets a virtual screen of one of several sizes, is clicked on at
# once (where the introduction's buttons stand, then anywhere) while it is
# starting, and is closed as a user would close it after a moment.
# Usage: scripts/start-many.sh [RUNS] [BIN_DIR]   (default 100, build/bin)
# A run fails when the program crashes, ends with a non-zero status, hangs
# past its time, or the sanitizers report anything. A run whose virtual
# screen never came up (the program then says it cannot open its window and
# ends with status 1) is counted apart, with the X server's own words.
set -u
runs=${1:-100}
bin=$(cd "${2:-build/bin}" && pwd)
sizes=(1366x768 1920x1080 1024x600 2560x1440 800x600)
journal=$(mktemp -d)
failures=0
sans_ecran=0
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

for ((i = 0; i < runs; i++)); do
  size=${sizes[i % ${#sizes[@]}]}
  w=${size%x*}
  h=${size#*x}
  life=$((800 + RANDOM % 2200))          # ms before the window is closed
  log="$journal/run-$i.log"
  # A fresh user folder every fifth run: the very first start too.
  if ((i % 5 == 0)); then rm -rf "$home" && home=$(mktemp -d); fi
  HOME="$home" XDG_DATA_HOME="$home/.local/share" \
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} \
    timeout 40 xvfb-run -a -n $((300 + i)) -e "$log.xvfb" -s "-screen 0 ${size}x24" bash -c '
      "$1/corvane" "--quitter-apres=$2" &
      pid=$!
      # Clicks while the program starts: on the first board of the introduction
      # ("Classique"), on its other boards, then anywhere on the screen.
      sleep 0.$((RANDOM % 6))
      xdotool mousemove $(($3 * 525 / 1000)) $(($4 * 208 / 1000)) click 1 2>/dev/null
      for k in 1 2 3; do
        xdotool mousemove $(($3 * (450 + RANDOM % 400) / 1000)) $(($4 * (150 + RANDOM % 650) / 1000)) click 1 2>/dev/null
        sleep 0.0$((RANDOM % 9))
      done
      for k in 1 2 3 4 5 6; do
        xdotool mousemove $((RANDOM % $3)) $((RANDOM % $4)) click 1 2>/dev/null
        sleep 0.0$((RANDOM % 9))
      done
      wait $pid' _ "$bin" "$life" "$w" "$h" >"$log" 2>&1
  status=$?
  if ((status == 1)) && grep -q "corvane: cannot open the window" "$log"; then
    sans_ecran=$((sans_ecran + 1))
    echo "run $i ($size): no screen to open the window on; the X server said: $(tr '\n' ' ' <"$log.xvfb" | cut -c1-200)"
  elif ((status != 0)) || grep -qE "ERROR: AddressSanitizer|runtime error:|LeakSanitizer" "$log"; then
    failures=$((failures + 1))
    echo "run $i ($size, closed after $life ms): status $status, log kept in $log"
  else
    rm -f "$log" "$log.xvfb"
  fi
done
echo "$runs starts, $failures failures, $sans_ecran without a screen"
[ "$failures" -eq 0 ]
