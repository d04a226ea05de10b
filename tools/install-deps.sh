#!/usr/bin/env bash
# Installs the Debian packages Kolvo needs to build, run and test.
# Quick when everything is present: apt is only touched for what is missing.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev libfluidsynth3 timgm6mb-soundfont
  libbenchmark-dev
  # headless tests: X server, input, audio sink, inspection
  xvfb xdotool x11-utils x11-apps xauth dbus dbus-x11
  pulseaudio pulseaudio-utils sox
  at-spi2-core python3 python3-pyatspi python3-gi python3-xlib
  desktop-file-utils appstream
  imagemagick fonts-liberation2 fonts-dejavu-core fonts-noto-color-emoji
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
