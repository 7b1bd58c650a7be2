#!/usr/bin/env bash
# Installs, with apt, the Debian packages the build needs when any is missing;
# with --tests also the desktop's validators the tests run, with --package
# what CPack needs to make the Debian package.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-translations-l10n libasound2-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core qt6-qpa-plugins xvfb xauth xdotool imagemagick poppler-utils)
case "${1:-}" in
  --tests) packages+=(desktop-file-utils appstream) ;;
  --package) packages+=(dpkg-dev file xz-utils) ;;
esac
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
