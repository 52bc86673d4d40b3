# Sourced by the tests that compare the real window with ringcoil-snapshot.
#
# masked_difference REAL SNAPSHOT DIFF: prints how many pixels of the two
# 485 x 325 pictures differ outside the animation box, which runs on its own
# clock in the real window, and the Enter and exit buttons, whose dotted
# focus mark follows the keyboard; writes the difference to DIFF.
masked_difference() {
  local real=$1 snapshot=$2 diff=$3 f
  for f in "$real" "$snapshot"; do
    convert "$f" -fill black \
      -draw "rectangle 23,23 122,56" -draw "rectangle 21,252 126,275" -draw "rectangle 21,286 124,306" \
      "${f%.png}-masked.png"
  done
  compare -metric AE "${real%.png}-masked.png" "${snapshot%.png}-masked.png" "$diff" 2>&1 || true
}

# type_worked_example SCRIPT: the inductance example typed on the window that
# has the keyboard (Alt+L, then each value and Enter), and the same keys
# appended to the replay script the snapshot is made from.
type_worked_example() {
  local script=$1 value i
  xdotool key alt+l
  echo "key Alt+L" >>"$script"
  for value in 2000 10 5 5 10; do
    xdotool type --delay 50 "$value"
    xdotool key Return
    for ((i = 0; i < ${#value}; i++)); do echo "key ${value:i:1}"; done >>"$script"
    echo "key Return" >>"$script"
  done
}
