#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Rebuilds a Windows release from its tag, as its build file (NAME.buildinfo,
# published beside the installer) records it was built, and compares each
# release file's SHA-256 with the one the build file records. Prints a line a
# file, and the packages whose versions differ from the build's when a hash
# does; fails unless every file is the same. Needs root, like the build.
#   scripts/windows/rebuild-release.sh TAG NAME.buildinfo
# An unsigned release is compared byte for byte; a signed one holds
# signatures that only its publisher's key makes, so its files differ.
set -euo pipefail
tag=${1:?usage: $0 TAG NAME.buildinfo}
info=$(realpath -e -- "${2:?usage: $0 TAG NAME.buildinfo}")
field() { sed -n "s/^$1: //p" "$info"; }
# The lines of a field that lists one item a line.
items() { sed -n "/^$1:\$/,/^[^ ]/{/^ /p}" "$2"; }
cd "$(dirname "$0")/../.."
commit=$(field Commit)
if [[ $(git rev-parse --verify -q "$tag^{commit}") != "$commit" ]]; then
    echo "$0: $tag is not the commit $commit that $(basename "$info") was built from" >&2
    exit 1
fi
work=$(mktemp -d /var/tmp/rebuild-release.XXXXXX)
trap 'rm -rf "$work"' EXIT
git clone -q --no-hardlinks . "$work/tree"
git -C "$work/tree" checkout -q --detach "$commit"
echo "== rebuilding $tag ($commit) as $(field Build-Release) built it" >&2
# Releases made before the scripts were grouped by platform kept it at the top.
package=scripts/windows/package.sh
[[ -f $work/tree/$package ]] || package=scripts/package-windows.sh
(cd "$work/tree" && SOURCE_DATE_EPOCH=$(field Source-Date-Epoch) WINDOWS_PUBLISHER=$(field Publisher) \
    bash "$package" --release-only >/dev/null)

differ=0
while read -r sha256 _ name; do
    rebuilt=$work/tree/build-windows/$name
    if [[ ! -f $rebuilt ]]; then
        echo "missing  $name"; differ=1
    elif [[ $(sha256sum <"$rebuilt" | cut -d' ' -f1) == "$sha256" ]]; then
        echo "same     $name"
    else
        echo "differs  $name"; differ=1
    fi
done < <(items Checksums-Sha256 "$info")
if [[ $differ -ne 0 ]]; then
    echo "== packages whose versions differ from the build's (< the build's, > this rebuild's):"
    diff <(items Installed-Build-Depends "$info") \
        <(items Installed-Build-Depends "$work/tree/build-windows/$(basename "$info")") \
        | grep '^[<>]' || echo "   none"
fi
exit "$differ"
