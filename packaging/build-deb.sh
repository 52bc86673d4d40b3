#!/usr/bin/env bash
# Builds the Debian source and binary packages from debian/ with
# dpkg-buildpackage, in a scratch copy of the source tree (dpkg-buildpackage
# writes beside the tree it builds, and leaves its build folders inside it),
# and moves them, with the build's log, to OUT_DIR. DEB_BUILD_OPTIONS and DEB_BUILD_PROFILES pass on
# (nocheck in both: no tests). With --deep the copy lies at a path of more
# than 120 characters, as on the builders of distributions, where the tests
# must pass too.
# usage: build-deb.sh [--deep] SOURCE_DIR OUT_DIR
set -euo pipefail
tree=ringcoil
if [ "${1:-}" = --deep ]; then
  tree=builders/keep/their/sources/in/folders/named/after/the/distribution/release/and/package/ringcoil
  shift
fi
source=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")
scratch=$(mktemp -d /tmp/ringcoil-deb.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

# The files git knows of, or would, as they are in the working tree: no build
# folders.
mkdir -p "$scratch/$tree"
git -C "$source" ls-files -z --cached --others --exclude-standard |
  (cd "$source" && xargs -0 cp --parents -t "$scratch/$tree")
(cd "$scratch/$tree" && dpkg-buildpackage -us -uc) >"$scratch/build.log" 2>&1 ||
  { tail -n 60 "$scratch/build.log"; echo "dpkg-buildpackage failed"; exit 1; }
find "$(dirname "$scratch/$tree")" -maxdepth 1 -type f \( -name '*.deb' -o -name '*.dsc' -o -name '*.tar.*' \
  -o -name '*.changes' -o -name '*.buildinfo' \) -exec mv -t "$out" {} +
mv "$scratch/build.log" "$out"
ls "$out"
