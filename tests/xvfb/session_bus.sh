# Sourced by the tests that give the program a D-Bus session of its own.
#
# processes_of HOME: the processes started with that HOME, zombies aside.
# end_processes_of HOME: ends them.
# start_session_bus WORKDIR: starts a session bus with a fresh HOME under
# WORKDIR (so that end_processes_of that HOME ends it and all it started),
# switches screen readers on as a desktop's accessibility setting does, and
# sets $session_bus, $session_bus_home, $session_bus_runtime (its
# XDG_RUNTIME_DIR) and $accessibility_bus.
# start_desktop_session WORKDIR: Xvfb (xvfb.sh, sourced too) and a session
# bus as above, the bus exported; both are ended when the test exits.

processes_of() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "HOME=$1" && echo "$pid"
  done
  return 0
}

end_processes_of() {
  local pids
  pids=$(processes_of "$1")
  [ -z "$pids" ] || kill $pids 2>/dev/null || true
}

start_session_bus() {
  local work=$1
  session_bus_home=$work/bus-home
  mkdir -m 700 "$session_bus_home"
  session_bus_runtime=$(runtime_dir bus)
  HOME=$session_bus_home XDG_RUNTIME_DIR=$session_bus_runtime \
    dbus-daemon --session --fork --print-address=3 3>"$work/bus-address" 2>"$work/bus.log"
  session_bus=$(head -n 1 "$work/bus-address")
  [ -n "$session_bus" ] || { echo "no session bus"; cat "$work/bus.log"; return 1; }
  DBUS_SESSION_BUS_ADDRESS=$session_bus dbus-send --session --print-reply --dest=org.a11y.Bus \
    /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
  accessibility_bus=$(DBUS_SESSION_BUS_ADDRESS=$session_bus dbus-send --session \
    --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | xargs)
  [ -n "$accessibility_bus" ] || { echo "no accessibility bus"; return 1; }
}

start_desktop_session() {
  trap end_desktop_session EXIT
  start_xvfb "$1"
  start_session_bus "$1"
  export DBUS_SESSION_BUS_ADDRESS=$session_bus
}

end_desktop_session() {
  end_app_and_xvfb
  [ -n "${session_bus_home:-}" ] && end_processes_of "$session_bus_home"
  return 0
}
