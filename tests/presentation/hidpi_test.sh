#!/usr/bin/env bash
# At a device pixel ratio of 2 the window is drawn at twice the size, and the
# wall is a plain pixel-doubling of its picture: no smoothing blur.
# usage: hidpi_test.sh SNAPSHOT WALL.png WORKDIR
set -euo pipefail
snapshot=$1 wall=$2 work=$3
mkdir -p "$work"
printf 'tick 3\n' >"$work/steps.replay"
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$snapshot" "$work/window@2x.png" "$work/steps.replay" 2>/dev/null
size=$(identify -format '%wx%h' "$work/window@2x.png")
[ "$size" = 970x650 ] || { echo "snapshot is $size, not 970x650"; exit 1; }
# The wall and its frame at the left edge, clear of every element and of the
# lines' round ends, against its pixel-doubled original.
convert "$wall" -crop 12x220+0+80 +repage -filter point -resize 200% "$work/expected.png"
convert "$work/window@2x.png" -crop 24x440+0+160 +repage "$work/actual.png"
differing=$(compare -metric AE "$work/expected.png" "$work/actual.png" null: 2>&1 || true)
echo "pixels differing from a plain 2x upscale of the wall: $differing"
[ "${differing%%.*}" -eq 0 ]
