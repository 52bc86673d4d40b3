#!/usr/bin/env bash
# Where the session has no D-Bus session bus, the program, run and ended with
# its "Выход" button, leaves no process behind (libdbus would autolaunch a
# dbus-launch and a dbus-daemon for it) and writes nothing under its home or
# runtime folder. Where the session has a bus with the accessibility bus on
# it, screen readers still find the program there.
# Each run gets a fresh HOME, which every process it starts inherits: a
# process whose environment holds that HOME after the run was started by it.
# usage: session_bus_test.sh RINGCOIL WORKDIR
set -euo pipefail
program=$(realpath "$1") work=$2
here=$(dirname "$0")
rm -rf "$work"
mkdir -p "$work"
# Without dbus-launch there is nothing to autolaunch, and the first half
# could not fail.
for tool in Xvfb xdpyinfo xwininfo xdotool dbus-launch dbus-daemon dbus-send gdbus; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
. "$here/xvfb.sh"
. "$here/session_bus.sh"

homes=()
cleanup() {
  end_app_and_xvfb
  for home in "${homes[@]}"; do end_processes_of "$home"; done
}
trap cleanup EXIT
start_xvfb "$work"

# run NAME [VAR=VALUE...]: starts the program with a fresh HOME and runtime
# folder and the given variables, and waits for its window ($window).
run() {
  local name=$1
  shift
  home=$work/$name-home
  mkdir -m 700 "$home"
  runtime=$(runtime_dir "$name")
  homes+=("$home")
  (cd "$work" && exec env -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS -u XDG_CONFIG_HOME \
    -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON \
    HOME="$home" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb "$@" "$program") \
    >"$work/$name.log" 2>&1 &
  app=$!
  window=$(wait_for_window "$app") || { echo "$name: no window"; cat "$work/$name.log"; exit 1; }
}

# "Выход" lies at client pixels (21, 286) to (124, 306).
end_with_exit_button() {
  sleep 0.5
  xdotool mousemove --window "$window" 72 296 click 1
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && { echo "the program did not end on 'Выход'"; exit 1; }
  local code=0
  wait "$app" || code=$?
  app=""
  [ "$code" -eq 0 ] || { echo "the program ended with $code"; exit 1; }
}

# 1. No session bus.
run alone
end_with_exit_button
sleep 1  # an autolaunched bus takes a moment to settle in the background
left=$(processes_of "$home")
if [ -n "$left" ]; then
  echo "FAIL: left running after the program ended:"
  ps -o pid,args -p $(echo $left | tr ' ' ,)
  exit 1
fi
written=$(find "$work/alone-home" "$sockets_dir/alone" -mindepth 1)
[ -z "$written" ] || { echo "FAIL: the program wrote"; echo "$written"; exit 1; }
echo "without a session bus: nothing left running, nothing written"

# 2. A session bus, with screen readers asked for (as a desktop's
# accessibility setting does), started with the run's HOME so that the test
# ends it and everything it starts.
start_session_bus "$work"
homes+=("$session_bus_home")
bus=$session_bus a11y=$accessibility_bus

run with-bus DBUS_SESSION_BUS_ADDRESS="$bus"
# The root object each client of the accessibility bus shows; the program's
# is named after it.
found=""
for _ in $(seq 50); do
  for name in $(gdbus call --address "$a11y" --dest org.freedesktop.DBus \
      --object-path /org/freedesktop/DBus --method org.freedesktop.DBus.ListNames |
      grep -o "':[0-9.]*'" | tr -d "'"); do
    if gdbus call --timeout 5 --address "$a11y" --dest "$name" \
        --object-path /org/a11y/atspi/accessible/root \
        --method org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name 2>/dev/null |
        grep -q "'ringcoil'"; then
      found=$name
    fi
  done
  [ -n "$found" ] && break
  sleep 0.2
done
[ -n "$found" ] || { echo "FAIL: the program is not on the accessibility bus"; cat "$work/with-bus.log"; exit 1; }
end_with_exit_button
echo "with a session bus: the program is $found on the accessibility bus"
echo "ok"
