#!/usr/bin/env bash
# Builds the Debian packages from debian/ as Debian's builders do (with the
# package's tests, from a path of over 120 characters), checks them with
# lintian (no error, no warning), installs the program with apt-get
# as a user would, reads its manual pages in both languages, starts it under
# Xvfb, checks its window, ends it with its own "Выход" button and removes the
# package again, together with any package the installation pulled in. Needs
# root; exits 77 (skipped) without it, and when ringcoil is already installed,
# so as to leave that installation alone.
# usage: test-package.sh SOURCE_DIR EXPECTED_FILES
set -euo pipefail
source=$(realpath "$1") expected=$(realpath "$2")
title="Штучка от KELVANO"

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing a package needs root"
  exit 77
fi
installed() { dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null | grep -qx installed; }
if installed ringcoil; then
  echo "SKIP: ringcoil is installed already; it is left as it is"
  exit 77
fi
for tool in git dpkg-buildpackage lintian man apt-get dpkg-deb Xvfb xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "FAIL: missing $tool"; exit 1; }
done

work=$(mktemp -d /tmp/ringcoil-package.XXXXXX)
chmod 755 "$work"  # apt-get reads the package as its own unprivileged user
apt=(timeout 300 env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=120)
installed_packages() {
  dpkg-query -W -f='${db:Status-Status} ${Package}\n' | sed -n 's/^installed //p' | LC_ALL=C sort
}
installed_packages >"$work/packages-before"
# What the installation added, ringcoil included; noted right after it, so that
# nothing another program installs later is taken for it.
note_added_packages() {
  installed_packages | comm -13 "$work/packages-before" - >"$work/packages-added"
}
xvfb="" app="" we_installed=0

cleanup() {
  set +e
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  if [ $we_installed -eq 1 ]; then
    [ -f "$work/packages-added" ] || note_added_packages
    echo "removing: $(tr '\n' ' ' <"$work/packages-added")"
    "${apt[@]}" remove ringcoil >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; status=1; }
    # Purged too: whatever dpkg still knows of (configuration files left).
    while read -r package; do
      if dpkg-query -W "$package" >/dev/null 2>&1; then echo "$package"; fi
    done <"$work/packages-added" >"$work/packages-left"
    xargs -r "${apt[@]}" purge <"$work/packages-left" >"$work/purge.log" 2>&1 ||
      { cat "$work/purge.log"; status=1; }
    if installed ringcoil || [ -e /usr/bin/ringcoil ]; then
      echo "FAIL: ringcoil is still installed"
      status=1
    fi
  fi
  rm -rf "$work"
  exit $status
}
status=1
trap cleanup EXIT
trap 'exit 1' INT TERM

# The packages, built with their tests as Debian's builders build them, from
# a copy of the tree at a path of over 120 characters, then checked by
# lintian: informational tags are listed, errors and warnings fail.
env -u DEB_BUILD_PROFILES DEB_BUILD_OPTIONS="parallel=$(nproc)" timeout 1800 \
  "$source/packaging/build-deb.sh" --deep "$source" "$work/debs" >"$work/build.log" 2>&1 ||
  { cat "$work/build.log"; exit 1; }
grep -q '^100% tests passed' "$work"/debs/build.log ||
  { echo "FAIL: the package build ran no tests"; tail -n 40 "$work"/debs/build.log; exit 1; }
grep -E '^(100% tests passed|Total Test time)' "$work"/debs/build.log
deb=$work/debs/ringcoil_1.0_amd64.deb
[ -f "$deb" ] || { echo "FAIL: no $(basename "$deb")"; cat "$work/build.log"; exit 1; }
timeout 600 lintian --display-info --pedantic --tag-display-limit 0 "$work"/debs/*.changes \
  >"$work/lintian.log" 2>&1 || true
grep -v 'running with root privileges' "$work/lintian.log" || true
if grep -q '^[EW]: ' "$work/lintian.log"; then
  echo "FAIL: lintian reports errors or warnings"
  exit 1
fi
grep -q '^[A-Z]: ' "$work/lintian.log" || echo "lintian: no tags"

# The program package: exactly the expected files, its dependencies found by
# dpkg-shlibdeps, and no measurement hooks in the program.
dpkg-deb -f "$deb" Package Version Section Maintainer Depends
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6 }' | LC_ALL=C sort >"$work/contents"
diff -u "$expected" "$work/contents" || { echo "FAIL: the package holds other files"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "FAIL: no library dependencies"; exit 1; }
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/ringcoil >"$work/program"
if grep -q RINGCOIL_BENCH "$work/program"; then
  echo "FAIL: the program reads the benchmarks' variables"
  exit 1
fi

we_installed=1
"${apt[@]}" install "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
note_added_packages
installed ringcoil || { echo "FAIL: apt-get did not install ringcoil"; exit 1; }
[ "$(command -v ringcoil)" = /usr/bin/ringcoil ] || { echo "FAIL: ringcoil is not on the PATH"; exit 1; }
entry=$(ls /usr/share/applications/*.Ringcoil.desktop)
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || { echo "FAIL: no icon $icon"; exit 1; }

# man finds both pages, and renders them without a warning.
for language in en ru; do
  page=$(man -L "$language" -w ringcoil)
  case $language in
    en) want=/usr/share/man/man1/ringcoil.1.gz name='ringcoil - toroid coil calculator' ;;
    ru) want=/usr/share/man/ru/man1/ringcoil.1.gz name='ringcoil - расчёт катушки' ;;
  esac
  [ "$page" = "$want" ] || { echo "FAIL: man -L $language finds '$page', not $want"; exit 1; }
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -L "$language" -E UTF-8 ringcoil >"$work/man.txt" 2>"$work/man.err"
  [ ! -s "$work/man.err" ] || { echo "FAIL: man warns of $page:"; cat "$work/man.err"; exit 1; }
  grep -qF "$name" "$work/man.txt" || { echo "FAIL: $page has no '$name'"; exit 1; }
  echo "man -L $language ringcoil: $page, $(wc -l <"$work/man.txt") lines"
done

# Xvfb picks a free display itself and writes its number once it accepts
# clients.
Xvfb -displayfd 9 -screen 0 800x600x24 -nolisten tcp 9>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")

# Started as the menu entry starts it: by the name on the PATH.
(cd / && exec env -u QT_QPA_PLATFORM timeout 120 "$(sed -n 's/^Exec=//p' "$entry")") >"$work/program.log" 2>&1 &
app=$!
window=$(timeout 30 xdotool search --sync --name "^$title\$" | head -n 1) || true
[ -n "$window" ] || { echo "FAIL: no window titled $title"; cat "$work/program.log"; exit 1; }
name=$(xdotool getwindowname "$window")
[ "$name" = "$title" ] || { echo "FAIL: the window is titled '$name'"; exit 1; }
# Desktops match the window with its menu entry by the window's class.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
[ "$wm_class" = "$(sed -n 's/^StartupWMClass=//p' "$entry")" ] ||
  { echo "FAIL: the window's class '$wm_class' is not the menu entry's"; exit 1; }
echo "window $window: '$name', class $wm_class"

# "Выход" lies at client pixels (21, 286) to (124, 306).
sleep 0.5
xdotool mousemove --window "$window" 72 296 click 1
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
  echo "FAIL: the program did not end on 'Выход'"
  exit 1
fi
wait "$app" && code=0 || code=$?
app=""
[ $code -eq 0 ] || { echo "FAIL: the program ended with $code"; cat "$work/program.log"; exit 1; }

echo "package OK: lintian-clean, installed, manual pages read, started, titled '$title', ended"
status=0
