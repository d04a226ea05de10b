#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The committed sounds and pictures are the generators' output: running the
# generators again must give the same sounds byte for byte and the same pixels for
# the pictures drawn without text (text depends on the fonts installed).
set -euo pipefail
soundgen=$1
artgen=$2
assets=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/sounds" "$work/images"
"$soundgen" "$work/sounds" >/dev/null
status=0
for f in Roll.wav glass.wav claps.wav clap.wav Congratulations.mid I3IK.MID; do
  if ! cmp -s "$assets/sounds/$f" "$work/sounds/$f"; then
    echo "FAIL: assets/sounds/$f is not what kolvo-soundgen makes"
    status=1
  fi
done

QT_QPA_PLATFORM=offscreen "$artgen" "$work/images" >/dev/null
# Every picture at every scale, except those with text (the title and Forward).
pictures=()
for name in faces icon-arena icon-kolvo; do
  for suffix in "" @2x @3x; do
    pictures+=("images/$name$suffix.png")
  done
done
for size in 16 22 24 32 48 64 128 256; do
  pictures+=("icons/kolvo-$size.png")
done
for f in "${pictures[@]}"; do
  differing=$(compare -metric AE "$assets/$f" "$work/$f" null: 2>&1 || true)
  if [ "$differing" != "0" ]; then
    echo "FAIL: assets/$f differs from kolvo-artgen's output in $differing pixels"
    status=1
  fi
done
if ! cmp -s "$assets/icons/kolvo.svg" "$work/icons/kolvo.svg"; then
  echo "FAIL: assets/icons/kolvo.svg is not what kolvo-artgen makes"
  status=1
fi
[ $status -eq 0 ] && echo "1 passed, 0 failed"
exit $status
