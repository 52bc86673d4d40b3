#!/usr/bin/env bash
# The program as a native Wayland client of weston (no DISPLAY given to it),
# first under weston's headless backend, then with weston as a window of
# Xvfb, where xdotool's keys reach it: it starts at its size and its client
# area equals ringcoil-snapshot pixel for pixel; the worked example typed
# with the keyboard gives the same picture as the snapshot of the same
# steps; a maximise and a full-screen request from the compositor's own
# bindings leave it running, showing the same picture in the middle of the
# larger window, and it comes back to its size; a failed calculation's
# message box wears the same frame, with its whole title and no maximise,
# and is modal;
# the frame's minimise button minimises the window and its close button ends
# the program with status 0. The compositor knows the window by the name of
# the menu entry the build installs (a dock finds its icon that way).
# Then the same program on weston's XWayland, as where Qt's Wayland plugin is
# not installed: the same pictures, and the same requests end nothing.
# usage: compositor_requests_test.sh RINGCOIL SNAPSHOT WORKDIR BUILD_DIR
set -euo pipefail
program=$1 snapshot=$2 work=$3 build=$4
rm -rf "$work"
mkdir -p "$work"
for tool in Xvfb Xwayland xdpyinfo xwininfo xdotool import compare convert weston weston-debug \
  weston-screenshooter; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done

here=$(dirname "$0")
. "$here/../xvfb/xvfb.sh"
. "$here/../xvfb/snapshot_compare.sh"
. "$here/weston.sh"
end_all() {
  [ -z "$app" ] || kill "$app" 2>/dev/null || true
  app=""
  end_weston
  end_app_and_xvfb
}
trap end_all EXIT

# Waits up to 20 s for the window (top-most of the title) to have the given
# frame; prints its corner as "X Y".
waitForFrame() {
  local width=$1 height=$2 frame=""
  for _ in $(seq 200); do
    kill -0 "$app" 2>/dev/null || { echo "the program has ended" >&2; cat "$work/program.log" >&2; return 1; }
    frame=$(toplevels "$ringcoil_title" | tail -n 1)
    if [ -n "$frame" ]; then
      set -- $frame "$width" "$height"
      if [ $(($3 - $1)) -eq "$5" ] && [ $(($4 - $2)) -eq "$6" ]; then
        echo "$1 $2"
        return 0
      fi
    fi
    sleep 0.1
  done
  echo "the window did not become ${width}x$height: ${frame:-no window}" >&2
  return 1
}

# The client area against the snapshot of the steps so far, outside the
# animation box and the two buttons that may carry the focus mark; waits up
# to 20 s for it to match. grabHeadless X Y and grabRoot X Y take the client
# area at (X, Y) of weston's output, headless or in Xvfb; grabX11 the top
# left of the window on XWayland.
script="$work/steps.replay"
grabRoot() { import -window root -crop "485x325+$((ox + $2))+$((oy + $3))" +repage "$1"; }
grabHeadless() { screenshot "$work/output.png" && convert "$work/output.png" -crop "485x325+$2+$3" +repage "$1"; }
grabX11() { DISPLAY=$xwayland_display import -window "$x11_window" -crop 485x325+0+0 +repage "$1"; }
compareClient() {
  local name=$1 grab=$2 differing=""
  shift 2
  "$snapshot" "$work/$name-snapshot.png" "$script" 2>/dev/null
  for _ in $(seq 40); do
    "$grab" "$work/$name-real.png" "$@"
    differing=$(masked_difference "$work/$name-real.png" "$work/$name-snapshot.png" "$work/$name-diff.png")
    [ "${differing%%.*}" = 0 ] && { echo "$name: equals the snapshot"; return 0; }
    sleep 0.5
  done
  echo "$name: $differing pixels differ from the snapshot; see $work/$name-diff.png"
  return 1
}

stillRunning() {
  kill -0 "$app" 2>/dev/null || { echo "the program has ended"; cat "$work/program.log"; exit 1; }
}

# Headless, with no X server anywhere: the frame, a 3-pixel border and a
# title bar, with the client area 485 x 325 from (3, 22).
start_weston "$work" headless
env -u DISPLAY QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
app=$!
read -r wx wy < <(waitForFrame 491 350)
: >"$script"
compareClient headless-start grabHeadless $((wx + 3)) $((wy + 22))
stillRunning
cmake --install "$build" --prefix "$work/installed" >/dev/null
entry=$(basename "$(ls "$work"/installed/share/applications/*.desktop)" .desktop)
app_id=$(timeout 5 weston-debug scene-graph | sed -n "s/.*top-level window '$ringcoil_title' of \([^,]*\),.*/\1/p")
[ "$app_id" = "$entry" ] || { echo "the window's app id '$app_id' is not the menu entry's '$entry'"; exit 1; }
echo "app id: $app_id, as the menu entry"
kill "$app"; wait "$app" 2>/dev/null || true; app=""
end_weston

# In Xvfb, where the keys come from.
start_xvfb "$work"
start_weston "$work" x11
compositor=$(xdotool search --class '^Weston Compositor$' | head -n 1)
[ -n "$compositor" ] || { echo "weston's window is missing"; exit 1; }
eval "$(xwininfo -id "$compositor" | awk '/Absolute upper-left X/ {print "ox=" $4} /Absolute upper-left Y/ {print "oy=" $4}')"
# Keys go to weston's window, and from there to the focused Wayland window.
# Weston draws the pointer into its output: it waits in the bottom right
# corner, where no client area comes, so that nothing is hovered or covered.
# Weston's X11 backend takes the pointer's place when it enters its window
# and adds up movements after that, some of which it may miss; so the
# pointer leaves the window (the X screen is larger than weston's output)
# and enters it at the corner, until weston shows it there (up to 10 s).
xdotool windowfocus --sync "$compositor"
enterAt() {
  xdotool mousemove --sync "$((ox + weston_output_width + 20))" "$((oy + weston_output_height + 20))"
  xdotool mousemove --sync "$((ox + $1))" "$((oy + $2))"
}
parkPointer() {
  local parked=""
  for _ in $(seq 50); do
    enterAt $((weston_output_width - 8)) $((weston_output_height - 8))
    parked=$(import -window root -crop "8x8+$((ox + weston_output_width - 8))+$((oy + weston_output_height - 8))" \
      +repage -format '%[fx:maxima.intensity]' info:)
    [ "$parked" != 0 ] && return 0
    sleep 0.2
  done
  echo "weston's pointer did not come to the corner"
  return 1
}
parkPointer
env -u DISPLAY QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
app=$!
read -r wx wy < <(waitForFrame 491 350)
echo "window at $wx,$wy"
compareClient start grabRoot $((wx + 3)) $((wy + 22))
# The right end of the active frame's title bar: minimise and close.
import -window root -crop "37x18+$((ox + wx + 491 - 40))+$((oy + wy + 3))" +repage "$work/title-buttons.png"
type_worked_example "$script"
compareClient example grabRoot $((wx + 3)) $((wy + 22))

# Maximised, the frame fills the output and the calculator sits in the
# middle of the area under the title bar; full screen, in the middle of the
# whole output. Each request again brings the window back.
W=$weston_output_width H=$weston_output_height
xdotool key super+shift+m
waitForFrame "$W" "$H" >/dev/null
compareClient maximised grabRoot $((3 + (W - 6 - 485) / 2)) $((22 + (H - 25 - 325) / 2))
xdotool key super+shift+m
read -r wx wy < <(waitForFrame 491 350)
compareClient restored grabRoot $((wx + 3)) $((wy + 22))
xdotool key super+shift+f
waitForFrame "$W" "$H" >/dev/null
compareClient full-screen grabRoot $(((W - 485) / 2)) $(((H - 325) / 2))
xdotool key super+shift+f
read -r wx wy < <(waitForFrame 491 350)

# Still running with its values; a new start for the message box.
stillRunning
kill "$app"; wait "$app" 2>/dev/null || true
env -u DISPLAY QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
app=$!
read -r wx wy < <(waitForFrame 491 350)

# A failure: turns with D = d, which divides by zero. The message box wears
# the calculator's frame: the right end of its title bar equals the
# calculator's (the title bar's shading, drawn across each bar's own width,
# differs by a few per cent there), and the 6 columns before its minimise
# button (36 pixels from the right edge) hold none of the title's white, so
# the title ends before them.
xdotool key alt+n
for value in 2000 10 10 5 100; do
  xdotool type --delay 50 "$value"
  xdotool key Return
done
box=""
for _ in $(seq 200); do
  box=$(toplevels "$ringcoil_title" | awk 'NR > 1 { exit } $3 - $1 != 491' )
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || { echo "no message box"; import -window root "$work/no-box.png"; toplevels "$ringcoil_title"; exit 1; }
set -- $box
echo "message box at $1,$2 size $(($3 - $1))x$(($4 - $2))"
# Both columns of ground, once the box is drawn; up to 20 s.
whole=""
for _ in $(seq 40); do
  import -window root "$work/message-box.png"
  whole=yes
  convert "$work/message-box.png" -crop "37x18+$((ox + $3 - 40))+$((oy + $2 + 3))" +repage \
    "$work/box-title-buttons.png"
  differing=$(compare -metric AE -fuzz 6% "$work/title-buttons.png" "$work/box-title-buttons.png" null: 2>&1 || true)
  [ "${differing%%.*}" = 0 ] || whole=""
  convert "$work/message-box.png" -crop "6x14+$((ox + $3 - 36 - 6))+$((oy + $2 + 5))" +repage \
    -unique-colors txt:- | grep -qi '#FFFFFF' && whole=""
  [ -n "$whole" ] && break
  sleep 0.5
done
[ -n "$whole" ] ||
  { echo "the box's title bar is not the frame's, or its title is cut: see $work/message-box.png"; exit 1; }
echo "message box: the frame's title bar, minimise and close, the whole title"
# The box's frame is modal: «Выход» (73, 296 in the client area) of the
# calculator behind it, clicked, ends nothing and leaves Return to the box.
enterAt $((wx + 3 + 73)) $((wy + 22 + 296)) && xdotool click 1 && sleep 1 && stillRunning
xdotool key Return
for _ in $(seq 50); do [ "$(toplevels "$ringcoil_title" | wc -l)" = 1 ] && break; sleep 0.1; done
[ "$(toplevels "$ringcoil_title" | wc -l)" = 1 ] || { echo "the box is not modal"; exit 1; }
stillRunning

# The frame's buttons, clicked where the pointer enters weston's window: the
# minimise button (29 pixels left of the right edge, 12 below the top) hides
# the window in the compositor and leaves the program running; in a new
# start, the close button (13 left of the right edge) ends it with status 0.
# Weston may miss the entering movement: up to 5 tries.
for _ in $(seq 5); do
  enterAt $((wx + 491 - 29)) $((wy + 12))
  xdotool click 1
  for _ in $(seq 20); do [ -z "$(toplevels "$ringcoil_title")" ] && break 2; sleep 0.1; done
done
[ -z "$(toplevels "$ringcoil_title")" ] ||
  { echo "the minimise button did not minimise the window"; import -window root "$work/minimise.png"; exit 1; }
# A program that was ended instead takes a moment to go.
sleep 2
stillRunning
echo "minimise: the window is minimised, the program runs on"
# Weston may still place the pointer a button's width off, so that the click
# minimises instead: then a new start, up to three.
code=""
for _ in $(seq 3); do
  kill "$app" 2>/dev/null; wait "$app" 2>/dev/null || true
  env -u DISPLAY QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
  app=$!
  read -r wx wy < <(waitForFrame 491 350)
  # Clicked again only while the window still shows; once it is gone, the
  # program has up to 10 s to end.
  for _ in $(seq 5); do
    [ -n "$(toplevels "$ringcoil_title")" ] || break
    enterAt $((wx + 491 - 13)) $((wy + 12))
    xdotool click 1
    for _ in $(seq 20); do
      [ -n "$(toplevels "$ringcoil_title")" ] || break
      sleep 0.1
    done
  done
  for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || { wait "$app" && code=0 || code=$?; break 2; }
    sleep 0.1
  done
done
[ -z "$code" ] || app=""
[ "$code" = 0 ] || { echo "the close button: ${code:-the program still runs}"; import -window root "$work/close.png"; exit 1; }
echo "close: the program ended with status 0"
parkPointer

# On XWayland weston's own window manager draws the frame. The program gets
# the X server alone; Qt would take it by itself in a Wayland session where
# its Wayland plugin is missing (it tries "wayland;xcb").
DISPLAY=$xwayland_display QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
app=$!
x11_window=$(DISPLAY=$xwayland_display wait_for_window "$app") ||
  { echo "no window on XWayland"; cat "$work/program.log"; exit 1; }
: >"$script"
compareClient xwayland-start grabX11
type_worked_example "$script"
compareClient xwayland-example grabX11
# The first request makes the window grow (up to 5 s); the calculator stays
# at its top left. Weston's window manager leaves an X window at the larger
# size when it comes back (it does not tell the window of the state either),
# so only the picture is checked after that.
x11Size() { DISPLAY=$xwayland_display xwininfo -id "$x11_window" | awk '/Width:/ {w=$2} /Height:/ {print w "x" $2}'; }
xdotool key super+shift+m
for _ in $(seq 50); do [ "$(x11Size)" != 485x325 ] && break; sleep 0.1; done
[ "$(x11Size)" != 485x325 ] || { echo "weston did not maximise the window"; exit 1; }
compareClient xwayland-maximised grabX11
for step in "super+shift+m restored" "super+shift+f full-screen" "super+shift+f end"; do
  set -- $step
  stillRunning
  xdotool key "$1"
  compareClient "xwayland-$2" grabX11
done
stillRunning
kill "$app"; wait "$app" 2>/dev/null || true; app=""
echo "ok"
