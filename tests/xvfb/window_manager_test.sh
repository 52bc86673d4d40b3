#!/usr/bin/env bash
# The real program under a window manager (openbox): the window offers the
# window manager no maximise and keeps min = max = 485 x 325 in its size
# hints; the worked example typed with the keyboard equals the snapshot of
# the same steps; after a full-screen and a maximise request the program is
# still running and shows the same values.
# usage: window_manager_test.sh RINGCOIL SNAPSHOT WORKDIR
set -euo pipefail
program=$1 snapshot=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
for tool in Xvfb xdpyinfo xwininfo xprop xdotool wmctrl openbox import compare convert; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done

here=$(dirname "$0")
. "$here/xvfb.sh"
. "$here/snapshot_compare.sh"
wm_pid=""
end_all() {
  [ -z "$wm_pid" ] || { kill "$wm_pid" 2>/dev/null || true; wait "$wm_pid" 2>/dev/null || true; }
  end_app_and_xvfb
}
trap end_all EXIT
start_xvfb "$work"
HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 200); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m | grep -q '^Name: Openbox' || { echo "openbox did not start"; cat "$work/openbox.log"; exit 1; }

QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
app=$!
window=$(wait_for_window "$app") || { echo "the window did not appear"; cat "$work/program.log"; exit 1; }

# What the window manager is told and offers: minimise and close, no
# maximise; a fixed size.
allowed=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
echo "$allowed"
for action in MINIMIZE CLOSE; do
  grep -q "_NET_WM_ACTION_$action" <<<"$allowed" || { echo "$action is not offered"; exit 1; }
done
if grep -q '_NET_WM_ACTION_MAXIMIZE' <<<"$allowed"; then echo "maximise is offered"; exit 1; fi
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q 'minimum size: 485 by 325' <<<"$hints" && grep -q 'maximum size: 485 by 325' <<<"$hints" ||
  { echo "the size hints are not fixed at 485 x 325:"; echo "$hints"; exit 1; }

script="$work/steps.replay"
: >"$script"
# The client area's top left 485 x 325 against the snapshot of the steps so
# far; waits up to 20 s for them to match.
compareWindow() {
  local name=$1 differing=""
  "$snapshot" "$work/$name-snapshot.png" "$script" 2>/dev/null
  for _ in $(seq 40); do
    import -window "$window" -crop 485x325+0+0 +repage "$work/$name-real.png"
    differing=$(masked_difference "$work/$name-real.png" "$work/$name-snapshot.png" "$work/$name-diff.png")
    [ "${differing%%.*}" = 0 ] && { echo "$name: equals the snapshot"; return 0; }
    sleep 0.5
  done
  echo "$name: $differing pixels differ from the snapshot; see $work/$name-diff.png"
  return 1
}

# The pointer off the window, the keyboard on it: the worked example.
xdotool mousemove --sync 799 599
xdotool windowactivate --sync "$window"
type_worked_example "$script"
compareWindow example

# Full screen and maximised, asked for as a pager or a panel asks.
for state in fullscreen maximized_vert,maximized_horz; do
  wmctrl -i -r "$window" -b add,$state
  # Openbox takes a fixed-size window full screen (its allowed actions say
  # so) but not maximised; wait up to 5 s for the state it takes.
  taken=""
  for _ in $(seq 50); do
    taken=$(xprop -id "$window" _NET_WM_STATE | grep -o '_NET_WM_STATE_\(FULLSCREEN\|MAXIMIZED_[A-Z]*\)' | xargs) || true
    [ -n "$taken" ] && break
    sleep 0.1
  done
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "asked for $state: ${taken:-refused}, client area ${WIDTH}x$HEIGHT"
  kill -0 "$app" 2>/dev/null || { echo "the program has ended"; cat "$work/program.log"; exit 1; }
  compareWindow "$state"
  wmctrl -i -r "$window" -b remove,$state
done

kill -0 "$app" 2>/dev/null || { echo "the program has ended"; exit 1; }
kill "$app"; wait "$app" 2>/dev/null || true; app=""
echo "ok"
