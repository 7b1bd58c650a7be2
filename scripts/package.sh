#!/usr/bin/env bash
# Sets up, builds and makes the Debian package build/corvane_<version>-1_<arch>.deb
# (the program installed under /usr); install it with: apt install ./build/corvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh --package
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
(cd build && cpack -G DEB)
for deb in build/corvane_*.deb; do
  echo "$deb: $(du -h "$deb" | cut -f1)"
done
