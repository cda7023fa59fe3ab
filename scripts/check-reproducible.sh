#!/usr/bin/env bash
# Builds the Debian package of HEAD twice, from two copies of the tree in two
# folders of different names, with SOURCE_DATE_EPOCH from the commit; fails
# unless the two packages are the same byte for byte. Prints both checksums.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
debs=()
for folder in one "a second, longer folder"; do
    mkdir -p "$scratch/$folder"
    git archive HEAD | tar -x -C "$scratch/$folder"
    deb=$(bash "$scratch/$folder/scripts/package.sh" 2>/dev/null | tail -n 1)
    debs+=("$scratch/$folder/$deb")
done
sha256sum "${debs[@]}" | sed "s|$scratch/||"
cmp "${debs[@]}"
echo "reproducible: both builds made the same package"
