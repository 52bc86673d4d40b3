# Sourced by the tests that run the real program in a real X server.
#
# start_xvfb WORKDIR: starts Xvfb on a display it picks itself, waits until it
# accepts clients and exports DISPLAY. An X server resets when its last client
# leaves and turns new ones away meanwhile, so this one never resets: the
# tests start one client after another. end_app_and_xvfb, for the script's
# exit trap, ends the program under test ($app) and the server.
# wait_for_window PID: prints the id of the program's window once it is
# mapped, or fails after 20 s or as soon as the program has ended.
# runtime_dir NAME: prints a new private folder for an XDG_RUNTIME_DIR, where
# the servers put their sockets. A socket's path holds at most 107 bytes,
# fewer than a folder under a deep checkout needs: these folders sit under a
# short temporary folder of the test's own, removed by end_app_and_xvfb.
xvfb_pid=""
app=""
sockets_dir=$(mktemp -d /tmp/ringcoil.XXXXXX)
readonly ringcoil_title='Штучка от KELVANO'

start_xvfb() {
  local work=$1
  : >"$work/display"
  Xvfb -displayfd 9 -screen 0 800x600x24 -nolisten tcp -noreset 9>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; return 1; }
  export DISPLAY=":$(head -n 1 "$work/display")"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb on $DISPLAY accepts no clients"
  return 1
}

runtime_dir() {
  mkdir -p -m 700 "$sockets_dir/$1" && echo "$sockets_dir/$1"
}

end_app_and_xvfb() {
  if [ -n "$app" ]; then
    kill "$app" 2>/dev/null || true
    app=""
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  fi
  rm -rf "$sockets_dir"
}

wait_for_window() {
  local pid=$1 window
  for _ in $(seq 200); do
    # Qt's group leader, never mapped, carries the title too.
    for window in $(xdotool search --name "^$ringcoil_title\$" 2>/dev/null); do
      if xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable'; then
        echo "$window"
        return 0
      fi
    done
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
