#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop finds
# there: exactly the expected files, every icon a PNG of its folder's size, and
# a menu entry whose program, icon and metadata are all in the tree.
# usage: test-install-tree.sh BUILD_DIR EXPECTED_FILES WORK_DIR
set -euo pipefail
build=$1 expected=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix

timeout 120 cmake --install "$build" --prefix "$prefix" >"$work/install.log"
(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort) >"$work/installed.txt"
if ! diff -u "$expected" "$work/installed.txt"; then
  echo "FAIL: the installed files differ from $expected"
  exit 1
fi

# Width and height stand big-endian at bytes 16..23 of a PNG, after the
# signature and the IHDR chunk's length and type.
png_size() {
  local b
  read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}
status=0
for icon in "$prefix"/share/icons/hicolor/*/apps/*.png; do
  folder=$(basename "$(dirname "$(dirname "$icon")")")
  size=$(png_size "$icon")
  if [ "$size" != "$folder" ]; then
    echo "FAIL: $icon is $size"
    status=1
  fi
done

entry=$(ls "$prefix"/share/applications/*.desktop)
id=$(basename "$entry" .desktop)
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Exec)" = ringcoil ] || { echo "FAIL: Exec is '$(key Exec)'"; status=1; }
[ -x "$prefix/bin/$(key Exec)" ] || { echo "FAIL: no program bin/$(key Exec)"; status=1; }
[ "$(key Icon)" = "$id" ] || { echo "FAIL: Icon '$(key Icon)' is not named after the entry"; status=1; }
metainfo=$prefix/share/metainfo/$id.metainfo.xml
grep -q "<id>$id</id>" "$metainfo" || { echo "FAIL: metainfo id is not $id"; status=1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  { echo "FAIL: metainfo does not launch $id.desktop"; status=1; }
desktop-file-validate "$entry" || status=1

[ $status -eq 0 ] && echo "install tree OK: $(wc -l <"$work/installed.txt") files"
exit $status
