#!/usr/bin/env bash
# Installs every Debian 12 package the build, the game and the tests need; nothing else.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core fonts-dejavu-extra
  libsdl2-dev libfluidsynth-dev timgm6mb-soundfont
  nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick sox x11-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
