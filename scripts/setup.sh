#!/usr/bin/env bash
# Installs, with apt, the Debian packages the build needs when any is missing.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libasound2-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core qt6-qpa-plugins xvfb xauth xdotool imagemagick poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
