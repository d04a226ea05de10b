#!/usr/bin/env bash
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
for f in faces.png icon-arena.png icon-intro.png icon-rul.png; do
  differing=$(compare -metric AE "$assets/images/$f" "$work/images/$f" null: 2>&1 || true)
  if [ "$differing" != "0" ]; then
    echo "FAIL: assets/images/$f differs from kolvo-artgen's output in $differing pixels"
    status=1
  fi
done
for size in 48 64 128 256; do
  differing=$(compare -metric AE "$assets/icons/kolvo-$size.png" "$work/icons/kolvo-$size.png" null: 2>&1 || true)
  if [ "$differing" != "0" ]; then
    echo "FAIL: assets/icons/kolvo-$size.png differs from kolvo-artgen's output in $differing pixels"
    status=1
  fi
done
[ $status -eq 0 ] && echo "1 passed, 0 failed"
exit $status
