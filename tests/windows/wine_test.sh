#!/usr/bin/env bash
# The Windows installer and program under Wine, in a fresh Wine prefix and
# an Xvfb of their own:
#  - `setup.exe /S` installs the program under Program Files, a Start-menu
#    entry and an uninstall entry; `uninstall.exe /S` removes all three;
#  - the installed program's client area equals ringcoil-snapshot's picture
#    at the start and after the worked example typed with keys only;
#  - Ctrl+C then puts the answer on the clipboard;
#  - an error box shows its whole title;
#  - «Выход» ends the program with status 0.
# Wine draws the title bars itself (no window manager, "Decorated" off), as
# Windows does, and without font smoothing, so the title's pixels can be
# compared exactly.
# usage: wine_test.sh SETUP.EXE RINGCOIL-SNAPSHOT
set -euo pipefail
setup=$1 snapshot=$2
here="$(cd "$(dirname "$0")" && pwd)"
for tool in wine wineserver Xvfb xdpyinfo xwininfo xdotool xclip import compare convert identify strings; do
  command -v "$tool" >/dev/null || { echo "missing $tool (tools/dev installs it)"; exit 1; }
done
[ -f "$setup" ] || { echo "no installer at $setup (tools/dev windows makes it)"; exit 1; }

# Short paths of their own for the prefix and X's sockets, whatever the
# checkout's path.
work=$(mktemp -d "${TMPDIR:-/tmp}/rcw.XXXXXX")
[ -n "${RINGCOIL_KEEP_WORK:-}" ] && echo "work folder: $work"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries written into the real home.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
. "$here/../xvfb/xvfb.sh"
. "$here/../xvfb/snapshot_compare.sh"
finish() {
  end_app_and_xvfb
  wineserver -k 2>/dev/null || true
  [ -n "${RINGCOIL_KEEP_WORK:-}" ] || rm -rf "$work"
}
trap finish EXIT
start_xvfb "$work"

fail() { echo "FAIL: $*"; exit 1; }

wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; fail "wineboot"; }
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null
wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /t REG_SZ /d 0 /f >/dev/null
wineserver -w

drive_c="$WINEPREFIX/drive_c"
program="$drive_c/Program Files/Ringcoil/ringcoil.exe"
uninstaller="$drive_c/Program Files/Ringcoil/uninstall.exe"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Ringcoil.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ringcoil'

# --- Silent install -------------------------------------------------------
wine "$setup" /S
wineserver -w
[ -f "$program" ] || fail "the program is not under Program Files"
[ -f "$uninstaller" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu entry"
# The entry starts the program and takes its icon from it.
[ "$(strings -el "$shortcut" | grep -ci 'Ringcoil\\ringcoil.exe')" -ge 1 ] ||
  fail "the Start-menu entry does not point at the program"
wine reg query "$uninstall_key" /v UninstallString 2>/dev/null | grep -qi 'uninstall.exe' ||
  fail "the uninstaller is not listed among installed programs"
echo "installed: program, Start-menu entry, uninstall entry"

# --- The program ----------------------------------------------------------
# visible_window [EXCEPT]: a mapped X window with the program's title, other
# than EXCEPT.
visible_window() {
  local except=${1:-} w
  for w in $(xdotool search --onlyvisible --name "^$ringcoil_title\$" 2>/dev/null); do
    [ "$w" != "$except" ] && { echo "$w"; return 0; }
  done
  return 1
}
start_program() {
  wine "$program" >"$work/program.log" 2>&1 &
  app=$!
  window=""
  for _ in $(seq 300); do
    window=$(visible_window) && break
    kill -0 "$app" 2>/dev/null || { cat "$work/program.log"; fail "the program ended at start"; }
    sleep 0.1
  done
  [ -n "$window" ] || fail "the window did not appear"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The client area sits inside Wine's border and title bar.
  border=$(((WIDTH - 485) / 2))
  top=$((HEIGHT - 325 - border))
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 1
}
# client NAME: the client area's picture as NAME.png.
client() {
  import -window "$window" -crop "485x325+$border+$top" +repage "$work/$1.png"
}
# matches NAME SCRIPT: the client area equals the snapshot after SCRIPT, but
# for the animation box and the focus mark (snapshot_compare.sh); the window
# gets 5 s to settle.
matches() {
  local name=$1 script=$2 differing
  "$snapshot" "$work/$name-snapshot.png" "$script"
  for _ in $(seq 10); do
    client "$name"
    differing=$(masked_difference "$work/$name.png" "$work/$name-snapshot.png" "$work/$name-diff.png")
    [ "${differing%%.*}" = 0 ] && { echo "$name: equals the snapshot"; return 0; }
    sleep 0.5
  done
  fail "$name: $differing pixels differ from the snapshot"
}
# keys SCRIPT VALUE...: Alt+L, then each value and Enter, on the window and
# into the snapshot's replay script.
keys() {
  local script=$1 value i
  shift
  xdotool key alt+l
  echo "key Alt+L" >>"$script"
  for value in "$@"; do
    xdotool type --delay 60 "$value"
    xdotool key Return
    for ((i = 0; i < ${#value}; i++)); do echo "key ${value:i:1}"; done >>"$script"
    echo "key Return" >>"$script"
    sleep 0.2
  done
}
# bar_mask PICTURE GEOMETRY OUT: the part of a title bar at GEOMETRY, white
# where it differs from the bar's own colour (its commonest), black elsewhere.
bar_mask() {
  local bar
  convert "$1" -crop "$2" +repage "$3"
  bar=$(convert "$3" -format %c histogram:info: | sort -rn | head -n 1 | grep -o '#[0-9A-Fa-f]\{6\}')
  convert "$3" -fuzz 20% -fill white +opaque "$bar" -fill black -opaque "$bar" "$3"
}
# exit_by_button: clicks «Выход» and waits for the program's status.
exit_by_button() {
  xdotool mousemove --sync $((X + border + 73)) $((Y + top + 296)) click 1
  local status=0
  wait "$app" || status=$?
  app=""
  [ "$status" = 0 ] || fail "«Выход» ended the program with status $status"
}

start_program
main_window=$window
: >"$work/start.replay"
matches start "$work/start.replay"
# The title as Wine draws it in the main window's title bar (after the icon),
# as a mask of what differs from the bar's colour: what the error box's
# title bar must show whole.
import -window "$window" "$work/main.png"
title_bar="$((WIDTH / 2 - border - 20))x$((top - border - 2))+$((border + 20))+$border"
bar_mask "$work/main.png" "$title_bar" "$work/title.png"
convert "$work/title.png" -trim +repage "$work/title.png"
[ "$(identify -format %w "$work/title.png")" -gt 40 ] || fail "no title found in the main window's title bar"

script="$work/example.replay"
: >"$script"
keys "$script" 2000 20 10 5 10
matches example "$script"

printf '' | xclip -selection clipboard
xdotool key ctrl+c
sleep 0.5
copied=$(xclip -o -selection clipboard 2>/dev/null || true)
[ "$copied" = "133,333333333333" ] || fail "Ctrl+C copied «$copied»"
echo "Ctrl+C copied «$copied»"
exit_by_button
echo "«Выход»: status 0"

# --- An error box ---------------------------------------------------------
start_program
keys "$work/error.replay" 2000 0 0 5 10
box=""
for _ in $(seq 50); do box=$(visible_window "$window") && break; sleep 0.1; done
[ -n "$box" ] || fail "no error box"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$box")"
import -window "$box" "$work/box.png"
bar_mask "$work/box.png" "${WIDTH}x$((top - border - 2))+0+$border" "$work/box-title.png"
found=$(compare -metric AE -dissimilarity-threshold 1 -subimage-search "$work/box-title.png" "$work/title.png" null: 2>&1 || true)
# The letters' antialiased edges may fall either side of the mask's cut where
# the bar has another colour (an active against an inactive window): up to
# 3 % of the title's box may differ. A title cut short («Штучка от K...»)
# leaves a third of it or more unmatched.
area=$(identify -format '%[fx:w*h]' "$work/title.png")
echo "error box ${WIDTH}x$HEIGHT: the main window's title found in its title bar, $found of $area pixels differing"
[[ "$found" =~ ^[0-9]+\  ]] && [ "$(awk -v d="${found%% *}" -v a="$area" 'BEGIN { print (d <= 0.03 * a) }')" = 1 ] ||
  fail "the error box's title bar does not show the whole title"
xdotool key Return
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
exit_by_button

# --- Silent uninstall -----------------------------------------------------
wine "$uninstaller" /S
wineserver -w
[ ! -e "$program" ] || fail "the program is still there"
[ ! -e "$uninstaller" ] || fail "the uninstaller is still there"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
[ ! -e "$drive_c/Program Files/Ringcoil" ] || fail "the program's folder is still there"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is still listed"
echo "uninstalled: program, folder, Start-menu entry, uninstall entry"
echo "ok"
