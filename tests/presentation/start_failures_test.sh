#!/usr/bin/env bash
# Without a display, or with a display that cannot be opened, the program
# ends with status 1 (no abort, no core dump) and prints one line alone, in
# Russian and in English, saying that it needs a graphical session and why.
# usage: start_failures_test.sh RINGCOIL
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d /tmp/ringcoil-start.XXXXXX)
trap 'rm -rf "$work"' EXIT

# expect_refusal CASE REASON_RU REASON_EN [VAR=VALUE...]
failed=0
expect_refusal() {
  local case=$1 ru=$2 en=$3 code=0
  shift 3
  (cd "$work" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 60 "$program") \
    >"$work/out" 2>"$work/err" || code=$?
  local problems=()
  [ "$code" -eq 1 ] || problems+=("status $code, not 1")
  [ -s "$work/out" ] && problems+=("printed on standard output")
  [ "$(wc -l <"$work/err")" -eq 1 ] || problems+=("printed $(wc -l <"$work/err") lines, not 1")
  grep -q "нужен графический сеанс, а $ru" "$work/err" || problems+=("no Russian line with '$ru'")
  grep -q "needs a graphical session, but $en" "$work/err" || problems+=("no English line with '$en'")
  if [ ${#problems[@]} -eq 0 ]; then
    echo "$case: status 1: $(cat "$work/err")"
  else
    echo "FAIL $case: $(IFS=';'; echo "${problems[*]}")"
    cat "$work/out" "$work/err"
    failed=1
  fi
}

expect_refusal "no display" "дисплей не задан" "no display is set"
# A display number no X server listens on.
n=4000
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
expect_refusal "display :$n, where no server listens" "дисплей не открывается" \
  "the display cannot be opened" DISPLAY=":$n"
exit $failed
