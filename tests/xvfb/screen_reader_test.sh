#!/usr/bin/env bash
# The real program in a real X server with a session bus and the
# accessibility bus on it, as a screen reader finds it: both worked examples
# computed with key presses only and read back over AT-SPI, the help pages
# opened, paged and closed from the keyboard, and nothing an open page
# covers reported as showing (screen_reader.py).
# usage: screen_reader_test.sh RINGCOIL WORKDIR
set -euo pipefail
program=$(realpath "$1") work=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work"
for tool in Xvfb xdpyinfo xwininfo xdotool dbus-daemon dbus-send /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi"; exit 1; }
. "$here/xvfb.sh"
. "$here/session_bus.sh"

start_desktop_session "$work"

(cd "$work" && exec env QT_QPA_PLATFORM=xcb HOME="$session_bus_home" "$program") \
  >"$work/program.log" 2>&1 &
app=$!
window=$(wait_for_window "$app") || { echo "no window"; cat "$work/program.log"; exit 1; }
# Keys go to the focused window; with no window manager the test gives it
# the focus. The pointer waits outside, where it moves nothing.
xdotool windowfocus --sync "$window"
xdotool mousemove 700 500
HOME=$session_bus_home RINGCOIL_WINDOW=$window /usr/bin/python3 "$here/screen_reader.py"
kill -0 "$app" 2>/dev/null || { echo "the program has ended"; cat "$work/program.log"; exit 1; }
echo "ok"
