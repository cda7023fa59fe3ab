#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Builds the Debian packages once more, from the source package that
# scripts/package.sh made in build-package/ (which it needs first), unpacked
# in a folder of another name; dpkg-buildpackage takes the time stamp from
# debian/changelog. Fails unless the source package, the program's package
# and its debug symbols' are the same byte for byte as the first ones.
# Prints their checksums.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$(dpkg --print-architecture)
first=(build-package/*.dsc build-package/*.tar.xz build-package/*_"$arch".deb)
[[ -f ${first[0]} ]] || { echo "$0: no packages; run scripts/package.sh first" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
again="$scratch/a second, longer folder"
dpkg-source -x "${first[0]}" "$again" >/dev/null
bash "$again/scripts/package.sh" >/dev/null 2>"$scratch/log" \
    || { cat "$scratch/log" >&2; echo "$0: the packages did not build again in $again" >&2; exit 1; }
for file in "${first[@]}"; do
    sha256sum "$file" "$again/$file" | sed "s|$scratch/||"
    cmp "$file" "$again/$file"
done
echo "reproducible: both builds made the same packages"
