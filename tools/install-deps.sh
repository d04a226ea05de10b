#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Kolvo needs.
#
#   install-deps.sh play     what it takes to build the game and play it (`make run`)
#   install-deps.sh package  that, and what CPack needs to make the .deb (`make package`)
#   install-deps.sh test     all of it, and what the tests and benchmarks need
#                            (`make test`); also the default
#
# Quick when everything is present: apt is only touched for what is missing.
set -euo pipefail

PLAY=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n
  # the translations' catalogues (lupdate, lrelease and their CMake functions)
  qt6-l10n-tools qt6-tools-dev
  libsdl2-dev libsdl2-mixer-dev libfluidsynth3 timgm6mb-soundfont
  # the faces the windows fall back on, in the design's order
  fonts-liberation2 fonts-dejavu-core
)
TEST=(
  libbenchmark-dev
  # headless tests: X server, input, audio sink, inspection
  xvfb xdotool x11-utils x11-apps xauth dbus dbus-x11 openbox x11-xserver-utils
  # a screen reader, whose speech the end-to-end run reads from its log
  orca
  pulseaudio pulseaudio-utils sox
  at-spi2-core python3 python3-pyatspi python3-gi python3-xlib
  imagemagick fonts-noto-color-emoji
  # the package's checks
  lintian desktop-file-utils appstream man-db
  clang-format
)
PACKAGE=(dpkg-dev file)

case "${1:-test}" in
  play) PACKAGES=("${PLAY[@]}") ;;
  package) PACKAGES=("${PLAY[@]}" "${PACKAGE[@]}") ;;
  test) PACKAGES=("${PLAY[@]}" "${PACKAGE[@]}" "${TEST[@]}") ;;
  *) echo "usage: $0 [play|package|test]" >&2; exit 2 ;;
esac

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
