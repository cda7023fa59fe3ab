#!/usr/bin/env bash
# Builds the Debian packages twice, from two copies of the tree in two folders
# of different names (dpkg-buildpackage takes the time stamp from
# debian/changelog); fails unless the source package, the program's package
# and its debug symbols' are the same byte for byte. Prints their checksums.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
builds=()
for folder in one "a second, longer folder"; do
    mkdir -p "$scratch/$folder"
    find . -mindepth 1 -maxdepth 1 ! -name .git ! -name 'build*' -print0 \
        | tar -c --null -T - | tar -x -C "$scratch/$folder"
    bash "$scratch/$folder/scripts/package.sh" >/dev/null 2>&1 \
        || { echo "$0: the package did not build in $folder" >&2; exit 1; }
    builds+=("$scratch/$folder/build-package")
done
for file in "${builds[0]}"/*.dsc "${builds[0]}"/*.tar.xz "${builds[0]}"/*.deb; do
    name=${file##*/}
    sha256sum "$file" "${builds[1]}/$name" | sed "s|$scratch/||"
    cmp "$file" "${builds[1]}/$name"
done
echo "reproducible: both builds made the same packages"
