#!/usr/bin/env bash
# Starts the real program under Xvfb, clicks through both calculations and
# the help pages with xdotool as a user would, presses keys, and at each
# "snap" of the steps takes a screenshot of the window and compares it with
# ringcoil-snapshot of the same steps (outside the animation box, which runs
# on its own clock in the real window). At the end the program must still be
# running: no key pressed after the help pages ended it.
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
# Cover the animation box in both, and the Enter and exit buttons, whose
# dotted focus rectangle follows the keyboard focus: the last clicked button
# in the real window, "Выход" in the snapshot. Nothing else may differ.
compareAt() {
  local name=$1
  import -window "$window" "$work/$name-real.png"
  "$snapshot" "$work/$name-snapshot.png" "$script" 2>/dev/null
  local all differing
  all=$(compare -metric AE "$work/$name-real.png" "$work/$name-snapshot.png" null: 2>&1 || true)
  for f in real snapshot; do
    convert "$work/$name-$f.png" -fill black \
      -draw "rectangle 23,23 122,56" -draw "rectangle 21,252 126,275" -draw "rectangle 21,286 124,306" \
      "$work/$name-$f-masked.png"
  done
  differing=$(compare -metric AE "$work/$name-real-masked.png" "$work/$name-snapshot-masked.png" \
    "$work/$name-diff.png" 2>&1 || true)
  echo "$name: pixels differing: $all in all, $differing outside the animation box and the focus"
  [ "${differing%%.*}" -eq 0 ] || { echo "the real window differs from the snapshot; see $work/$name-diff.png"; exit 1; }
}

# Keys go to the window that has the keyboard focus; with no window manager
# the test gives it.
xdotool windowfocus --sync "$window"
while read -r verb x y rest; do
  case "$verb" in
    move) pointTo "$x" "$y" ;;
    click)
      pointTo "$x" "$y"
      xdotool click 1
      echo "click-at $x $y" >>"$script"
      ;;
    key)
      # "key KEY REPLAY": the key in the real window; REPLAY, what it does,
      # in the snapshot's script.
      xdotool key --window "$window" "$x"
      echo "$y $rest" >>"$script"
      ;;
    snap)
      sleep 0.5
      compareAt "$x"
      ;;
    *) continue ;;
  esac
  sleep 0.05
done < <(grep -v '^#' "$steps")
sleep 0.3

kill -0 "$app" 2>/dev/null || { echo "the program has ended"; exit 1; }
xdotool search --name '^Штучка от KELVANO$' >/dev/null || { echo "the window has gone"; exit 1; }
kill "$app"; wait "$app" 2>/dev/null || true; app=""
echo "ok"
