#!/usr/bin/env bash
# Builds the Debian source and binary packages from debian/ with
# dpkg-buildpackage, in a scratch copy of the source tree (dpkg-buildpackage
# writes beside the tree it builds, and leaves its build folders inside it),
# and moves them, with the build's log, to OUT_DIR. DEB_BUILD_OPTIONS and DEB_BUILD_PROFILES pass on
# (nocheck in both: no tests).
# usage: build-deb.sh SOURCE_DIR OUT_DIR
set -euo pipefail
source=$(realpath "$1")
mkdir -p "$2"
out=$(realpath "$2")
scratch=$(mktemp -d /tmp/ringcoil-deb.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

# The files git knows of, or would, as they are in the working tree: no build
# folders.
mkdir "$scratch/ringcoil"
git -C "$source" ls-files -z --cached --others --exclude-standard |
  (cd "$source" && xargs -0 cp --parents -t "$scratch/ringcoil")
(cd "$scratch/ringcoil" && dpkg-buildpackage -us -uc) >"$scratch/build.log" 2>&1 ||
  { tail -n 60 "$scratch/build.log"; echo "dpkg-buildpackage failed"; exit 1; }
find "$scratch" -maxdepth 1 -type f \( -name '*.deb' -o -name '*.dsc' -o -name '*.tar.*' \
  -o -name '*.changes' -o -name '*.buildinfo' -o -name build.log \) -exec mv -t "$out" {} +
ls "$out"
