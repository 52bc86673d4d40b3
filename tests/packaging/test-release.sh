#!/usr/bin/env bash
# Builds the release of the last commit twice with `tools/dev release`, from
# two clones at different paths, at the same time: the second with a umask of
# 077, a Russian locale, another time zone and a clock two days ahead
# (faketime). Compares the two SHA256SUMS: a file that differs is named, and shown by
# diffoscope (member by member for archives). The one difference allowed is
# the .buildinfo's Build-Date line: it records when the build ran. Also
# checks that the release holds each file it should and refuses a tree with
# changes that are not committed. Uses the Qt for Windows in the cache.
# usage: test-release.sh SOURCE_DIR VERSION
set -euo pipefail
source=$(realpath "$1") version=$2
for tool in git faketime; do
  command -v "$tool" >/dev/null || { echo "FAIL: missing $tool (tools/dev test installs it)"; exit 1; }
done
work=$(mktemp -d /tmp/ringcoil-release-test.XXXXXX)
trap 'rm -rf "$work"' EXIT
commit=$(git -C "$source" rev-parse HEAD)
first=$work/first/ringcoil
second=$work/second/at/another/depth/ringcoil-$commit
git clone -q --no-checkout "$source" "$first"
git -C "$first" checkout -q --detach "$commit"
# Its files are made with mode 600, its folders 700.
(umask 077 && git clone -q --no-checkout "$source" "$second" && git -C "$second" checkout -q --detach "$commit")

# Both at once: each has steps that use one core only (configuring, linking,
# compressing), and the two cores are better used so.
start=$SECONDS
(cd "$first" && umask 022 && LC_ALL=C.UTF-8 tools/dev release) >"$work/first.log" 2>&1 &
first_build=$!
(cd "$second" && umask 077 && LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 TZ=Asia/Vladivostok \
  faketime -f +2d tools/dev release) >"$work/second.log" 2>&1 &
second_build=$!
failed=0
for build in first second; do
  pid=${build}_build
  wait "${!pid}" || { tail -n 40 "$work/$build.log"; echo "FAIL: the $build release build"; failed=1; }
done
[ $failed -eq 0 ] || exit 1
echo "both releases built in $((SECONDS - start)) s"

status=0
a=$first/build/release b=$second/build/release
expected=(SHA256SUMS "ringcoil-$version.tar.xz" "ringcoil-$version-setup.exe" "ringcoil-$version-win64.zip"
  "ringcoil_$version.dsc" "ringcoil_$version.tar.xz" "ringcoil_${version}_amd64.buildinfo"
  "ringcoil_${version}_amd64.deb" "ringcoil-dbgsym_${version}_amd64.deb")
if ! diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) <(cd "$a" && ls); then
  echo "FAIL: build/release does not hold the files above (<) or holds others (>)"
  status=1
fi
(cd "$a" && sha256sum --quiet -c SHA256SUMS) || { echo "FAIL: SHA256SUMS does not match the files"; status=1; }
cat "$a/SHA256SUMS"
"$source/tests/packaging/check_version.py" "$version" "$first" \
  "$a/ringcoil-$version-setup.exe" "$a/ringcoil-$version-win64.zip" || status=1

while read -r file; do
  if [[ $file == *.buildinfo ]] && diff -q <(grep -v '^Build-Date:' "$a/$file") \
      <(grep -v '^Build-Date:' "$b/$file") >/dev/null; then
    echo "differs as expected: $file, in its Build-Date only (the time the build ran)"
    grep -h '^Build-Date:' "$a/$file" "$b/$file"
    continue
  fi
  echo "FAIL: $file differs between the two builds"
  # (Neither may read the list of files on standard input.)
  if command -v diffoscope >/dev/null; then
    { timeout 300 diffoscope --text - --max-text-report-size 20000 "$a/$file" "$b/$file" </dev/null || true; } |
      head -n 120
  fi
  cmp "$a/$file" "$b/$file" </dev/null || true
  status=1
done < <(diff "$a/SHA256SUMS" "$b/SHA256SUMS" | sed -nE 's/^[<>] [0-9a-f]+  //p' | LC_ALL=C sort -u)

# A change that is not committed stops a release before it builds anything.
echo "changed" >>"$first/README.md"
if (cd "$first" && tools/dev release) >"$work/dirty.log" 2>&1 ||
    ! grep -q 'not committed' "$work/dirty.log"; then
  cat "$work/dirty.log"
  echo "FAIL: tools/dev release did not refuse a tree with a change"
  status=1
fi
[ $status -eq 0 ] && echo "the two releases agree"
exit $status
