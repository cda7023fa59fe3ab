#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Builds the Debian packages once more, from the source package of
# debian/changelog's version that scripts/debian/package.sh made in build-package/
# (which it needs first; another version's may lie beside it), unpacked
# in a folder of another name; dpkg-buildpackage takes the time stamp from
# debian/changelog. Fails unless the source package, the program's package
# and its debug symbols' are the same byte for byte as the first ones.
# Prints their checksums.
set -euo pipefail
cd "$(dirname "$0")/../.."
arch=$(dpkg --print-architecture)
name=$(dpkg-parsechangelog -S Source)
version=$(dpkg-parsechangelog -S Version)
first=(build-package/"${name}_$version".dsc build-package/"${name}_$version".tar.xz
       build-package/*_"${version}_$arch".deb)
for file in "${first[@]}"; do
    [[ -f $file ]] || { echo "$0: no $file; run scripts/debian/package.sh first" >&2; exit 1; }
done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
again="$scratch/a second, longer folder"
dpkg-source -x "${first[0]}" "$again" >/dev/null
bash "$again/scripts/debian/package.sh" >/dev/null 2>"$scratch/log" \
    || { cat "$scratch/log" >&2; echo "$0: the packages did not build again in $again" >&2; exit 1; }
for file in "${first[@]}"; do
    sha256sum "$file" "$again/$file" | sed "s|$scratch/||"
    cmp "$file" "$again/$file"
done
echo "reproducible: both builds made the same packages"
