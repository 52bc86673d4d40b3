# Sourced by the tests that run the program as a native Wayland client.
#
# start_weston WORKDIR BACKEND: starts weston with its desktop shell and
# waits until it accepts clients; sets WAYLAND_DISPLAY and XDG_RUNTIME_DIR.
# BACKEND "headless": no screen and no input, but weston-screenshooter takes
# pictures of the output. BACKEND "x11": weston's output is a window of the
# X server in DISPLAY (see ../xvfb/xvfb.sh), where xdotool's keys reach it
# and reach weston's own bindings for the focused window (Super+Shift+M
# maximises it, Super+Shift+F makes it full screen); weston also starts an
# XWayland server for X clients, xwayland_display.
# toplevels TITLE: the windows of that title, top-most first, one a line as
# "X0 Y0 X1 Y1" in the compositor's output (from weston's scene graph).
# screenshot FILE: the headless output as a picture.
# end_weston ends weston.
weston_pid=""
weston_work=""
xwayland_display=""
weston_output_width=760
weston_output_height=560

start_weston() {
  local work=$1/weston-$2 backend=() ready
  weston_work=$work
  mkdir -p "$work"
  XDG_RUNTIME_DIR=$(runtime_dir "weston-$2")
  export XDG_RUNTIME_DIR
  # A black desktop without a panel, nothing moving: the screen shows the
  # windows alone.
  cat >"$work/weston.ini" <<INI
[core]
shell=desktop-shell.so
[shell]
background-color=0xff000000
panel-position=none
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none
INI
  case $2 in
    headless) backend=(--backend=headless-backend.so) ;;
    x11) backend=(--backend=x11-backend.so --xwayland) ;;
  esac
  # --debug lets weston-debug read the scene graph and weston-screenshooter
  # take pictures.
  weston "${backend[@]}" --use-pixman --width=$weston_output_width \
    --height=$weston_output_height --socket=wayland-ringcoil --config="$work/weston.ini" \
    --idle-time=0 --debug >"$work/weston.log" 2>&1 &
  weston_pid=$!
  export WAYLAND_DISPLAY=wayland-ringcoil
  for _ in $(seq 200); do
    ready=yes
    if [ "$2" = x11 ]; then
      xwayland_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
      [ -n "$xwayland_display" ] || ready=""
    fi
    if [ -n "$ready" ] &&
      timeout 5 weston-debug scene-graph 2>/dev/null | grep -q 'background for output'; then
      return 0
    fi
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "weston did not start"
  cat "$work/weston.log"
  return 1
}

toplevels() {
  timeout 5 weston-debug scene-graph 2>/dev/null |
    awk -v title="top-level window '$1'" 'index($0, title) { getline; gsub(/[(),>-]/, " "); print $2, $3, $4, $5 }'
}

screenshot() {
  local shots=$weston_work/shots
  rm -rf "$shots"
  mkdir -p "$shots"
  (cd "$shots" && timeout 10 weston-screenshooter) &&
    mv "$shots"/wayland-screenshot-*.png "$1"
}

end_weston() {
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
    weston_pid=""
  fi
}
