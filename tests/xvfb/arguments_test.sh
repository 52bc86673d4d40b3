#!/usr/bin/env bash
# The program takes no command line: started with Qt's own options
# (-reverse mirrors the layout, -style and -stylesheet restyle the widgets)
# and a stray argument, its window is the same, pixel for pixel, as when
# started plainly. The animation box, which runs on its own clock, is left
# out of the comparison.
# usage: arguments_test.sh RINGCOIL WORKDIR
set -euo pipefail
program=$(realpath "$1") work=$2
here=$(dirname "$0")
rm -rf "$work"
mkdir -p "$work"
for tool in Xvfb xdpyinfo xwininfo xdotool import compare convert; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
. "$here/xvfb.sh"

trap end_app_and_xvfb EXIT
start_xvfb "$work"

# A style sheet that would paint every widget red, were it read.
printf '* { background: red; color: yellow; }\n' >"$work/red.qss"

# shot NAME ARGUMENTS...: the window of one run, with the animation box covered.
shot() {
  local name=$1
  shift
  (cd "$work" && exec env QT_QPA_PLATFORM=xcb "$program" "$@") >"$work/$name.log" 2>&1 &
  app=$!
  local window
  window=$(wait_for_window "$app") || { echo "$name: no window"; cat "$work/$name.log"; exit 1; }
  sleep 0.5
  import -window "$window" "$work/$name.png"
  kill "$app"
  wait "$app" 2>/dev/null || true
  app=""
  convert "$work/$name.png" -fill black -draw "rectangle 23,23 122,56" "$work/$name-masked.png"
  echo "$name: $(identify -format '%wx%h' "$work/$name.png")"
}

shot plain
shot options -reverse -style Fusion -stylesheet red.qss -platform offscreen stray-argument
differing=$(compare -metric AE "$work/plain-masked.png" "$work/options-masked.png" "$work/diff.png" 2>&1 || true)
echo "pixels differing outside the animation box: $differing"
[ "${differing%%.*}" = 0 ] || { echo "the arguments changed the window; see $work/diff.png"; exit 1; }
echo "ok"
