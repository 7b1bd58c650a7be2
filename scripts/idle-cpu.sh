#!/bin/sh
# CPU used by the idle window over 10 s, under a virtual X screen:
# on the introduction, then on the 3D board after a click on "Classique".
# Usage: xvfb-run -a -s "-screen 0 1920x1080x24" scripts/idle-cpu.sh [build/bin]
set -eu
bin=${1:-build/bin}
cd "$bin"
./corvane 2>/dev/null &
pid=$!
ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
hz=$(getconf CLK_TCK)
mesure() {
  a=$(ticks); sleep 10; b=$(ticks)
  echo "$1: $((b - a)) ticks of 1/$hz s in 10 s ($(awk "BEGIN{printf \"%.2f\", ($b - $a) * 100 / ($hz * 10)}") % CPU)"
}
sleep 3
mesure "introduction"
# The "Classique" button of the introduction, on a 1920 x 1080 screen.
xdotool mousemove 1009 190 click 1
sleep 3
mesure "3D board, the game loop waiting for the human's first move"
kill $pid
