#!/usr/bin/env bash
# The Windows installer, program and core under Wine, in a fresh Wine prefix
# and an Xvfb of their own:
#  - ringcoil-replay.exe runs every tests/scenarios/*.replay and prints its
#    .expected, as the replay tool does on Linux;
#  - `setup.exe /S` installs the program under Program Files, a Start-menu
#    entry and an uninstall entry; `uninstall.exe /S` removes all three;
#    over an earlier install, the installer replaces it in its folder under
#    the same entry; `/CurrentUser` installs for the user alone;
#  - the installed program's client area equals ringcoil-snapshot's picture
#    at the start and after the worked example typed with keys only, and at
#    144 DPI, at one and a half times the size;
#  - Ctrl+C then puts the answer on the clipboard;
#  - an error box shows its whole title, also in a caption font wider than
#    its message;
#  - what the program hands to UI Automation (recorded by a stand-in
#    uiautomationcore.dll) tells each step of both worked examples, a reset
#    and a key that does nothing once, in the words the dialogue gives;
#  - while the program runs, the installer and the uninstaller change nothing
#    and end with status 2, silently, and ask interactively; the uninstall
#    entry stays while the program's file cannot be removed;
#  - «Выход» ends the program with status 0.
# Wine draws the title bars itself (no window manager, "Decorated" off), as
# Windows does, and without font smoothing, so the title's pixels can be
# compared exactly.
# usage: wine_test.sh SETUP.EXE RINGCOIL-SNAPSHOT RINGCOIL-REPLAY SCENARIOS
#   (the .exe files of the Windows build are looked for beside SETUP.EXE;
#   RINGCOIL-REPLAY is the native one, SCENARIOS tests/scenarios)
set -euo pipefail
setup=$1 snapshot=$2 replay=$3 scenarios=$4
here="$(cd "$(dirname "$0")" && pwd)"
for tool in wine wineserver Xvfb xdpyinfo xwininfo xdotool xclip import compare convert identify strings pgrep; do
  command -v "$tool" >/dev/null || { echo "missing $tool (tools/dev installs it)"; exit 1; }
done
build=$(dirname "$setup")
replay_exe=$build/ringcoil-replay.exe
recorder=$build/tests/uiautomationcore.dll
ask_uia=$build/tests/ask-uia.exe
for f in "$setup" "$replay_exe" "$recorder" "$ask_uia"; do
  [ -f "$f" ] || { echo "no $f (tools/dev windows makes it)"; exit 1; }
done

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
user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ringcoil'
# windows_path FILE: FILE as Windows programs name it (Wine's Z: is /).
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }
# entry_value KEY NAME: a value of an uninstall entry, or nothing.
entry_value() {
  { wine reg query "$1" /v "$2" 2>/dev/null || true; } | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"
}
# uninstall_and_wait FOLDER: what uninstall.exe does (it hands over to a copy
# of itself in the temporary folder and returns at once), waiting for that
# copy and giving its status.
uninstall_and_wait() {
  local copy="$drive_c/windows/temp/ringcoil-uninstall.exe"
  cp "$1/uninstall.exe" "$copy"
  local folder
  folder=$(winepath -w "$1" 2>/dev/null)
  wine cmd /c "C:\\windows\\temp\\ringcoil-uninstall.exe /S _?=$folder"
}

# --- The core against the scenarios ---------------------------------------
# ringcoil-replay.exe prints what the Linux replay tool prints. Its output
# has Windows' line ends (the C++ runtime writes text so): compared without
# the carriage returns.
count=0
for script in "$scenarios"/*.replay; do
  name=$(basename "$script" .replay)
  wine "$replay_exe" "$(windows_path "$script")" >"$work/$name.out" 2>"$work/$name.err" ||
    { cat "$work/$name.err"; fail "scenario $name: ringcoil-replay.exe ended with an error"; }
  tr -d '\r' <"$work/$name.out" >"$work/$name.actual"
  if ! cmp -s "$work/$name.actual" "${script%.replay}.expected"; then
    diff -u "${script%.replay}.expected" "$work/$name.actual" | head -40 || true
    fail "scenario $name: ringcoil-replay.exe's output differs from $name.expected"
  fi
  count=$((count + 1))
done
[ "$count" -gt 0 ] || fail "no scenarios in $scenarios"
echo "scenarios: $count of $count equal their .expected under Wine"

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

# --- Over an earlier install ------------------------------------------------
# An older version, as far as the installer can tell: another program file,
# another version in its entry, in a folder of its own choosing. Installing
# again replaces it there, under the one entry.
cp "$program" "$work/ringcoil.exe"
wine "$setup" /S "/D=C:\\Tools\\Ringcoil"
wineserver -w
older="$drive_c/Tools/Ringcoil"
cp "$uninstaller" "$older/ringcoil.exe"
wine reg add "$uninstall_key" /v DisplayVersion /t REG_SZ /d 0.9 /f >/dev/null
wine "$setup" /S
wineserver -w
cmp -s "$older/ringcoil.exe" "$work/ringcoil.exe" || fail "the install over an earlier one did not replace its program"
[ "$(entry_value "$uninstall_key" InstallLocation)" = 'C:\Tools\Ringcoil' ] ||
  fail "the install over an earlier one moved it to $(entry_value "$uninstall_key" InstallLocation)"
[ "$(entry_value "$uninstall_key" DisplayVersion)" = "$(basename "$setup" | sed 's/^ringcoil-//; s/-setup.exe$//')" ] ||
  fail "the entry still says version $(entry_value "$uninstall_key" DisplayVersion)"
[ "$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null | grep -ci 'Ringcoil')" = 1 ] ||
  fail "more than one uninstall entry"
echo "installed again over an earlier install: replaced in C:\\Tools\\Ringcoil, one entry, its version"
uninstall_and_wait "$older" || fail "uninstalling the copy in C:\\Tools\\Ringcoil failed"
[ ! -e "$older" ] || fail "C:\\Tools\\Ringcoil is still there"
# The entry was the one install's: reinstalled where the test expects it.
wine "$setup" /S
wineserver -w
[ -f "$program" ] || fail "the program is not under Program Files again"

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
# start_program [WIDTH HEIGHT]: starts the installed program and waits for its
# window, whose client area is WIDTH x HEIGHT (485 x 325 at 96 DPI).
start_program() {
  client_width=${1:-485} client_height=${2:-325}
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
  border=$(((WIDTH - client_width) / 2))
  top=$((HEIGHT - client_height - border))
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
: >"$work/start.replay"
matches start "$work/start.replay"

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
# error_box_shows_title NAME: starts the program, takes its title as the main
# window's title bar shows it (after the icon, as a mask of what differs from
# the bar's colour), makes error 6 (a ring of no size) and finds that title
# whole in the error box's title bar; then closes the box and the program.
error_box_shows_title() {
  local name=$1 found area
  start_program
  import -window "$window" "$work/$name-main.png"
  bar_mask "$work/$name-main.png" "$((WIDTH / 2 - border - 20))x$((top - border - 2))+$((border + 20))+$border" \
    "$work/$name-title.png"
  convert "$work/$name-title.png" -trim +repage "$work/$name-title.png"
  [ "$(identify -format %w "$work/$name-title.png")" -gt 40 ] || fail "$name: no title found in the main window's title bar"
  keys "$work/$name.replay" 2000 0 0 5 10
  box=""
  for _ in $(seq 50); do box=$(visible_window "$window") && break; sleep 0.1; done
  [ -n "$box" ] || fail "$name: no error box"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$box")"
  import -window "$box" "$work/$name-box.png"
  bar_mask "$work/$name-box.png" "${WIDTH}x$((top - border - 2))+0+$border" "$work/$name-box-title.png"
  found=$(compare -metric AE -dissimilarity-threshold 1 -subimage-search "$work/$name-box-title.png" \
    "$work/$name-title.png" null: 2>&1 || true)
  # The letters' antialiased edges may fall either side of the mask's cut
  # where the bar has another colour (an active against an inactive window):
  # up to 3 % of the title's box may differ. A title cut short («Штучка от
  # K...») leaves a third of it or more unmatched.
  area=$(identify -format '%[fx:w*h]' "$work/$name-title.png")
  echo "$name: error box ${WIDTH}x$HEIGHT, the main window's title found in its title bar, $found of $area pixels differing"
  [[ "$found" =~ ^[0-9]+\  ]] && [ "$(awk -v d="${found%% *}" -v a="$area" 'BEGIN { print (d <= 0.03 * a) }')" = 1 ] ||
    fail "$name: the error box's title bar does not show the whole title"
  xdotool key Return
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  exit_by_button
}
error_box_shows_title error-box

# In a caption font half as large again as Wine's, where the title is wider
# than the message «Ошибка 6: переполнение», the box is as wide as its title
# bar needs.
metrics='HKCU\Control Panel\Desktop\WindowMetrics'
caption_font=$(wine reg query "$metrics" /v CaptionFont | tr -d '\r' | sed -n 's/^ *CaptionFont *REG_BINARY *//p')
[ "${caption_font:0:8}" = F5FFFFFF ] || fail "Wine's caption font is not 11 pixels high: $caption_font"
wine reg add "$metrics" /v CaptionFont /t REG_BINARY /d "EFFFFFFF${caption_font:8}" /f >/dev/null
wine reg add "$metrics" /v CaptionHeight /t REG_SZ /d 26 /f >/dev/null
error_box_shows_title error-box-large-caption
wine reg add "$metrics" /v CaptionFont /t REG_BINARY /d "$caption_font" /f >/dev/null
wine reg add "$metrics" /v CaptionHeight /t REG_SZ /d 18 /f >/dev/null

# --- At 144 DPI -------------------------------------------------------------
# The window at one and a half times the size, with the picture
# ringcoil-snapshot draws at that scale (as the Linux high-DPI test makes it).
dpi_key='HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'
wine reg add "$dpi_key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
start_program 728 488
: >"$work/dpi.replay"
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 "$snapshot" "$work/dpi-snapshot.png" "$work/dpi.replay" 2>/dev/null
[ "$(identify -format '%wx%h' "$work/dpi-snapshot.png")" = 728x488 ] ||
  fail "the snapshot at 1.5 is $(identify -format '%wx%h' "$work/dpi-snapshot.png")"
# The animation box and the Enter and exit buttons' focus marks, as
# masked_difference leaves them out at 96 DPI, scaled and a pixel wider.
dpi_mask() {
  convert "$1" -fill black -draw "rectangle 33,33 185,86" -draw "rectangle 30,377 190,414" \
    -draw "rectangle 30,428 188,461" "$2"
}
for _ in $(seq 10); do
  import -window "$window" -crop "728x488+$border+$top" +repage "$work/dpi.png"
  dpi_mask "$work/dpi.png" "$work/dpi-masked.png"
  dpi_mask "$work/dpi-snapshot.png" "$work/dpi-snapshot-masked.png"
  differing=$(compare -metric AE "$work/dpi-masked.png" "$work/dpi-snapshot-masked.png" "$work/dpi-diff.png" 2>&1 || true)
  [ "${differing%%.*}" = 0 ] && break
  sleep 0.5
done
[ "${differing%%.*}" = 0 ] || fail "at 144 DPI: $differing pixels differ from the snapshot at 1.5"
echo "at 144 DPI: client area ${client_width}x$client_height, equals the snapshot at 1.5"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --sync $((X + border + 110)) $((Y + top + 444)) click 1
wait "$app" || fail "«Выход» at 144 DPI ended the program with status $?"
app=""
wine reg add "$dpi_key" /v LogPixels /t REG_DWORD /d 96 /f >/dev/null

# --- What Windows screen readers are told ---------------------------------
# The stand-in uiautomationcore.dll records what the program hands to UI
# Automation (uia_recorder.cpp); ask-uia.exe asks the window for its root, as
# a screen reader does. Each step is typed on the window and into a replay
# script; ringcoil-replay's `say` gives the words the dialogue tells for each
# (those the Linux tests and Orca hear).
cp "$recorder" "$drive_c/windows/system32/uiautomationcore.dll"
record="$work/uia-record.txt"
: >"$record"
RINGCOIL_UIA_RECORD=$(windows_path "$record")
export RINGCOIL_UIA_RECORD
overrides=$WINEDLLOVERRIDES
export WINEDLLOVERRIDES="$overrides;uiautomationcore=n"
start_program
wine "$ask_uia" || fail "ask-uia.exe found no window to ask"
export WINEDLLOVERRIDES=$overrides
script="$work/speech.replay"
: >"$script"
step_done() { echo say >>"$script"; sleep 0.4; }
press() { xdotool key "$1"; echo "key $2" >>"$script"; step_done; }
enter_values() {
  local value i
  for value in "$@"; do
    xdotool type --delay 60 "$value"
    xdotool key Return
    for ((i = 0; i < ${#value}; i++)); do echo "key ${value:i:1}"; done >>"$script"
    echo "key Return" >>"$script"
    step_done
  done
}
# The inductance, «Ввод» again on the answer, Alt+N that does nothing now;
# the display reset and the full reset («#» clicked twice); the turns, and
# «Ввод» again.
press alt+l Alt+L
enter_values 2000 20 10 5 10
press Return Return
press alt+n Alt+N
xdotool mousemove --sync $((X + border + 109)) $((Y + top + 232)) click 1
echo "click aaa" >>"$script"
step_done
xdotool click 1
echo "click aaaa" >>"$script"
step_done
press alt+n Alt+N
enter_values 2000 20 10 5 100
press Return Return
"$replay" "$script" | sed -n 's/^said "\(.*\)"$/\1/p' >"$work/steps.txt"
[ "$(wc -l <"$work/steps.txt")" -ge 16 ] || fail "the replay tool told only $(wc -l <"$work/steps.txt") steps"
# heard: what NVDA would say of each event: a focus event's description (the
# full description, or else the help text), once per element that takes the
# focus (it drops a focus event for the element that has it); a
# notification's text. Of that, the words of steps must be the steps' words,
# each once, in their order.
heard() {
  awk -F'\t' '$1 == "focus" { if ($2 == last) next; last = $2; print ($4 != "" ? $4 : $5) }
               $1 == "notification" { print $5 }' "$record"
}
for _ in $(seq 30); do
  heard | grep -Fx -f "$work/steps.txt" >"$work/heard-steps.txt" || true
  cmp -s "$work/heard-steps.txt" "$work/steps.txt" && break
  sleep 0.5
done
if ! cmp -s "$work/heard-steps.txt" "$work/steps.txt"; then
  echo "--- recorded:"; cat "$record"
  diff -u "$work/steps.txt" "$work/heard-steps.txt" || true
  fail "what UI Automation was handed does not tell each step once"
fi
# The notifications of steps come from the window, of the kind "action
# completed", to be delivered all (NotificationProcessing_ImportantAll):
# never one that makes a screen reader drop what it is saying.
awk -F'\t' '$1 == "notification"' "$record" | grep -F -f "$work/steps.txt" >"$work/step-notifications.txt" || true
[ -s "$work/step-notifications.txt" ] || fail "no step was told as a notification"
awk -F'\t' -v title="$ringcoil_title" '$2 != 2 || $3 != 0 || $4 != title' "$work/step-notifications.txt" |
  grep . && fail "a step's notification of another kind, processing or source"
echo "UI Automation told $(wc -l <"$work/steps.txt") steps once each:" \
  "$(grep -c . "$work/step-notifications.txt") as notifications, the others on the focused element"
sed 's/^/  /' "$work/steps.txt"

# --- While the program runs -----------------------------------------------
# Nothing is changed: the program, the uninstaller, the Start-menu entry and
# the uninstall entry stay as they are, silently (status 2) and when asked
# interactively and «Отмена» chosen.
cp "$program" "$work/installed.exe"
untouched() {
  cmp -s "$program" "$work/installed.exe" && [ -f "$uninstaller" ] && [ -f "$shortcut" ] &&
    wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "$1 changed the install while the program ran"
}
# wait_for_uninstaller: until the uninstaller's copy in the temporary folder
# has ended.
wait_for_uninstaller() {
  for _ in $(seq 100); do pgrep -f 'Au_\.exe' >/dev/null || return 0; sleep 0.2; done
  fail "the uninstaller did not end"
}
status=0
wine "$setup" /S || status=$?
[ "$status" = 2 ] || fail "setup.exe /S ended with status $status while the program ran"
untouched "setup.exe /S"
status=0
uninstall_and_wait "$drive_c/Program Files/Ringcoil" || status=$?
[ "$status" = 2 ] || fail "the uninstaller /S ended with status $status while the program ran"
untouched "uninstall.exe /S"
wine "$uninstaller" /S
wait_for_uninstaller
untouched "uninstall.exe /S"
echo "while the program runs: setup.exe /S and uninstall.exe /S end with status 2 and change nothing"
# ask_and_cancel WHAT COMMAND...: COMMAND shows a message box of its own (a
# window named after the installer, under 250 pixels high: not the wizard,
# whose pages are 390) before it changes anything; «Отмена». Leaves
# COMMAND's status in $asked.
ask_and_cancel() {
  local what=$1 pid question=""
  shift
  "$@" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    question=$(xdotool search --onlyvisible --name 'Ringcoil' 2>/dev/null | grep -vx "$window" | head -n 1) || true
    [ -n "$question" ] && break
    sleep 0.1
  done
  [ -n "$question" ] || fail "$what asked nothing while the program ran"
  sleep 0.3
  eval "$(xdotool getwindowgeometry --shell "$question" | sed 's/^/question_/')"
  echo "$what asks, in a box named «$(xdotool getwindowname "$question")», ${question_WIDTH}x$question_HEIGHT"
  [ "$question_HEIGHT" -lt 250 ] || { xdotool key --window "$question" Escape; fail "$what showed its wizard, not a question"; }
  xdotool windowfocus --sync "$question" key Escape
  asked=0
  wait "$pid" || asked=$?
}
ask_and_cancel setup.exe wine "$setup"
[ "$asked" = 2 ] || fail "setup.exe, cancelled, ended with status $asked"
untouched setup.exe
ask_and_cancel uninstall.exe wine "$uninstaller"
wait_for_uninstaller
untouched uninstall.exe
echo "interactively: both ask, and change nothing on «Отмена»"
xdotool windowfocus --sync "$window" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$window")"
exit_by_button

# --- The program's file in use ----------------------------------------------
# While ringcoil.exe cannot be removed (in use by a program started after the
# check; here a folder in its place), the uninstaller leaves the uninstall
# entry, itself and the Start-menu entry, and ends with status 2.
rm "$program"
mkdir "$program"
touch "$program/in-use"
status=0
uninstall_and_wait "$drive_c/Program Files/Ringcoil" || status=$?
[ "$status" = 2 ] || fail "the uninstaller ended with status $status though ringcoil.exe stayed"
[ -f "$uninstaller" ] && [ -f "$shortcut" ] && wine reg query "$uninstall_key" >/dev/null 2>&1 ||
  fail "the uninstaller removed its entry though ringcoil.exe stayed"
rm -r "$program"
cp "$work/installed.exe" "$program"
echo "ringcoil.exe in use: the uninstaller keeps the entry, itself and the Start-menu entry (status 2)"

# --- Silent uninstall -----------------------------------------------------
wine "$uninstaller" /S
wineserver -w
[ ! -e "$program" ] || fail "the program is still there"
[ ! -e "$uninstaller" ] || fail "the uninstaller is still there"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
[ ! -e "$drive_c/Program Files/Ringcoil" ] || fail "the program's folder is still there"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is still listed"
echo "uninstalled: program, folder, Start-menu entry, uninstall entry"

# --- For the current user only ----------------------------------------------
wine "$setup" /S /CurrentUser
wineserver -w
location=$(entry_value "$user_key" InstallLocation)
[[ "$location" == *'\AppData\Local\Programs\Ringcoil' ]] || fail "the per-user install is in «$location»"
folder=$(winepath -u "$location" 2>/dev/null)
folder=${folder%/}
user_shortcut=$(winepath -u "$(entry_value "$user_key" InstallLocation | sed 's/\\AppData\\Local\\Programs\\Ringcoil$//')" 2>/dev/null)
user_shortcut="${user_shortcut%/}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Ringcoil.lnk"
[ -f "$folder/ringcoil.exe" ] && [ -f "$folder/uninstall.exe" ] || fail "no program in $location"
[ -f "$user_shortcut" ] || fail "no Start-menu entry of the user's own"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the per-user install wrote an entry for all users"
echo "for the current user: $location, entry in HKCU, $(entry_value "$user_key" UninstallString)"
wine "$folder/uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] && [ ! -e "$user_shortcut" ] || fail "the per-user uninstall left files"
! wine reg query "$user_key" >/dev/null 2>&1 || fail "the per-user uninstall left its entry"
echo "uninstalled for the current user: folder, Start-menu entry, entry"
echo "ok"
