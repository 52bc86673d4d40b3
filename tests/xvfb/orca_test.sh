#!/usr/bin/env bash
# The real program with the real screen reader: Orca in a Russian session
# (Xvfb, a session bus with the accessibility bus, openbox), speaking through
# speech-dispatcher, whose output module writes the text it is given to a
# file instead of sounding it. What Orca says is read from its debug log, one
# "SPEECH OUTPUT" line an utterance: the output module now and then turns a
# message away when they come fast, the log misses none. orca_listener.py
# drives both worked examples, the two resets, an error and the help with keys
# only, and checks what Orca said.
# usage: orca_test.sh RINGCOIL WORKDIR
set -euo pipefail
program=$(realpath "$1") work=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work"
for tool in Xvfb xdpyinfo xwininfo xdotool xclip dbus-daemon dbus-send openbox orca \
  speech-dispatcher /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
[ -x /usr/lib/speech-dispatcher-modules/sd_generic ] || { echo "missing sd_generic"; exit 1; }
command -v script >/dev/null || { echo "missing script"; exit 1; }
locale -a | grep -qix 'ru_RU.utf8' || { echo "missing the ru_RU.UTF-8 locale"; exit 1; }
. "$here/xvfb.sh"
. "$here/session_bus.sh"

start_desktop_session "$work"
home=$session_bus_home
runtime=$session_bus_runtime
speech=$work/speech.txt
orca_log=$work/orca.log
: >"$speech"

# Speech: no sound card is needed, as the output module only writes text;
# speech-dispatcher still opens an audio output, here ALSA's null device.
mkdir -p "$home/.config/speech-dispatcher/modules" "$home/.local/share/orca"
printf 'pcm.!default { type null }\n' >"$home/.asoundrc"
cat >"$home/.config/speech-dispatcher/speechd.conf" <<EOF
AudioOutputMethod "alsa"
LogLevel 3
LogDir "$work"
AddModule "capture" "sd_generic" "capture.conf"
DefaultModule capture
DefaultLanguage "ru"
EOF
cat >"$home/.config/speech-dispatcher/modules/capture.conf" <<EOF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >>$speech"
GenericMaxChunkLength 100000
AddVoice "ru" "MALE1" "ru"
GenericLanguage "ru" "ru" "utf-8"
EOF
# Orca as shipped, speech on; its echo of the keys pressed is left out so
# that the transcript holds what the program has Orca say.
cat >"$home/.local/share/orca/user-settings.conf" <<'EOF'
{
  "general": {"enableSpeech": true, "enableKeyEcho": false,
              "speechServerFactory": "speechdispatcherfactory",
              "activeProfile": ["Default", "default"],
              "startingProfile": ["Default", "default"]},
  "profiles": {"default": {"profile": ["Default", "default"],
                           "enableSpeech": true, "enableKeyEcho": false}},
  "pronunciations": {},
  "keybindings": {}
}
EOF

session=(env HOME="$home" XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$home/.config"
  XDG_DATA_HOME="$home/.local/share" LANG=ru_RU.UTF-8 LANGUAGE=ru LC_ALL=ru_RU.UTF-8)
(cd "$work" && exec "${session[@]}" openbox --sm-disable) >"$work/openbox.log" 2>&1 &
# Orca writes its debug log line by line only to a terminal: script gives it
# one and copies what it writes to the log as it comes.
(cd "$work" && exec "${session[@]}" script -qfec \
  "/usr/bin/python3 $here/orca_alone.py --debug-file=/dev/tty" "$orca_log") >/dev/null 2>&1 &
# Orca greets once it is up.
for _ in $(seq 300); do grep -aq "SPEECH OUTPUT" "$orca_log" && break; sleep 0.1; done
grep -aq "SPEECH OUTPUT" "$orca_log" || { echo "Orca said nothing"; tail -n 20 "$work"/*.log; exit 1; }

# The window manager names windows of its own after the program's window
# too: the one that is the program's is the one mapped.
mapped_window() {
  local id
  for id in $(xdotool search --name "^$ringcoil_title\$" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
  done
  return 1
}
(cd "$work" && exec "${session[@]}" QT_QPA_PLATFORM=xcb "$program") >"$work/program.log" 2>&1 &
app=$!
window=""
for _ in $(seq 300); do
  window=$(mapped_window) && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
[ -n "$window" ] || { echo "no window"; cat "$work/program.log"; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool mousemove 700 500
status=0
HOME=$home /usr/bin/python3 "$here/orca_listener.py" "$orca_log" || status=$?
kill -0 "$app" 2>/dev/null || { echo "the program has ended"; cat "$work/program.log"; exit 1; }
[ "$status" -eq 0 ] && echo "ok"
exit "$status"
