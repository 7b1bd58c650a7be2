#!/usr/bin/env bash
# Sets up, builds and starts the program. Until the window exists this runs
# the command-line tool on the start position.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
./build/bin/corvane-cli moves
