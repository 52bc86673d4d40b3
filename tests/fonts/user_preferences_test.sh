#!/usr/bin/env bash
# The window keeps a font configuration of its own, but a user's fontconfig
# preferences for how text is drawn still apply: with antialiasing switched
# off in the user's fonts.conf the text is drawn in plain pixels, while a
# broken user file changes nothing against an empty user configuration.
# usage: user_preferences_test.sh SNAPSHOT WORKDIR
set -euo pipefail
snapshot=$1 work=$2
rm -rf "$work"
mkdir -p "$work/plain/fontconfig" "$work/broken/fontconfig" "$work/none"
printf '<fontconfig><match><edit\n' >"$work/broken/fontconfig/fonts.conf"
cat >"$work/plain/fontconfig/fonts.conf" <<'XML'
<?xml version="1.0"?>
<fontconfig>
  <match target="pattern"><edit name="antialias" mode="assign"><bool>false</bool></edit></match>
</fontconfig>
XML
shoot() { XDG_CONFIG_HOME=$1 QT_QPA_PLATFORM=offscreen "$snapshot" "$2" 2>/dev/null; }
shoot "$work/none" "$work/default.png"
shoot "$work/broken" "$work/broken.png"
shoot "$work/plain" "$work/plain.png"
differing() { compare -metric AE "$work/default.png" "$1" null: 2>&1 || true; }
broken=$(differing "$work/broken.png") changed=$(differing "$work/plain.png")
echo "pixels changed by a broken user file: $broken; by antialiasing off: $changed"
[ "${broken%%.*}" -eq 0 ] && [ "${changed%%.*}" -gt 1000 ]
# Text without antialiasing has no shades between its colour and the ground:
# the hint box (white on navy) then holds exactly two colours.
colours=$(convert "$work/plain.png" -crop 320x36+143+266 +repage -unique-colors -format '%w' info:)
echo "colours in the hint box without antialiasing: $colours"
[ "$colours" -eq 2 ]
