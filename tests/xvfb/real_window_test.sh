#!/usr/bin/env bash
# Starts the real program under Xvfb, clicks through a whole calculation with
# xdotool as a user would, takes a screenshot of the window and compares it
# with ringcoil-snapshot of the same steps (outside the animation box, which
# runs on its own clock in the real window).
# usage: real_window_test.sh RINGCOIL SNAPSHOT STEPS WORKDIR
set -euo pipefail
program=$1 snapshot=$2 steps=$3 work=$4
mkdir -p "$work"
for tool in Xvfb xdpyinfo xwininfo xdotool import compare convert; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done

. "$(dirname "$0")/xvfb.sh"
trap end_app_and_xvfb EXIT
start_xvfb "$work"

QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
app=$!
window=$(wait_for_window "$app") || { echo "the window did not appear"; cat "$work/program.log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" = 485 ] && [ "$HEIGHT" = 325 ] || { echo "client area is not 485x325"; exit 1; }
sleep 0.5

# The same steps as a replay script for the snapshot.
script="$work/steps.replay"
: >"$script"
# xdotool's --sync waits for a movement, so it is left out where the pointer
# is already in place.
at=""
pointTo() {
  if [ "$at" != "$1,$2" ]; then
    xdotool mousemove --sync $((X + $1)) $((Y + $2))
    echo "move-at $1 $2" >>"$script"
    at="$1,$2"
  fi
}
while read -r verb x y; do
  case "$verb" in
    move) pointTo "$x" "$y" ;;
    click)
      pointTo "$x" "$y"
      xdotool click 1
      echo "click-at $x $y" >>"$script"
      ;;
    *) continue ;;
  esac
  sleep 0.05
done < <(grep -v '^#' "$steps")
sleep 0.5

import -window "$window" "$work/real.png"
"$snapshot" "$work/snapshot.png" "$script" 2>/dev/null
kill "$app"; wait "$app" 2>/dev/null || true; app=""

# Cover the animation box in both, and the Enter and exit buttons, whose
# dotted focus rectangle follows the keyboard focus: the last clicked button
# in the real window, "Выход" in the snapshot. Nothing else may differ.
differing_all=$(compare -metric AE "$work/real.png" "$work/snapshot.png" null: 2>&1 || true)
for f in real snapshot; do
  convert "$work/$f.png" -fill black \
    -draw "rectangle 23,23 122,56" -draw "rectangle 21,252 126,275" -draw "rectangle 21,286 124,306" \
    "$work/$f-masked.png"
done
differing=$(compare -metric AE "$work/real-masked.png" "$work/snapshot-masked.png" "$work/diff.png" 2>&1 || true)
echo "pixels differing: $differing_all in all, $differing outside the animation box and the focus"
[ "${differing%%.*}" -eq 0 ] || { echo "the real window differs from the snapshot; see $work/diff.png"; exit 1; }
echo "ok"
