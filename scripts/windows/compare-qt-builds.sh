#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Shows whether Qt for Windows, built from nothing on another machine, comes
# out the same: builds it a second time, from Debian's source, into a cache
# folder of another name, and compares what a release can take from it (every
# DLL, plugins included, and the licences) with the cached build's, which it
# builds first if there is none. Prints "same" and the SHA-256, or "differs",
# a file; fails if any differs. Takes as long as two
# builds of Qt the first time, one after. Run it on Debian 13, as root.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${BANDIT_CACHE:-/var/cache/bandit-manchot}
first=$("$here/../build-qt.sh" windows | tail -n 1)
twin_cache=$(mktemp -d /var/tmp/qt-twin.XXXXXX)
trap 'rm -rf "$twin_cache"' EXIT
# The same source package, not downloaded again.
cp -a "$cache/sources" "$twin_cache/"
second=$(BANDIT_CACHE=$twin_cache "$here/../build-qt.sh" windows | tail -n 1)
echo "== $first"
echo "== $second"
differ=0 count=0
while read -r file; do
    count=$((count + 1))
    a=$(sha256sum <"$first/$file" | cut -d' ' -f1)
    if [[ ! -f $second/$file ]]; then
        echo "missing  $file"; differ=$((differ + 1))
    elif [[ $a == $(sha256sum <"$second/$file" | cut -d' ' -f1) ]]; then
        echo "same     $a  $file"
    else
        echo "differs  $file"; differ=$((differ + 1))
    fi
done < <(cd "$first" && find . -type f \( -name '*.dll' -o -path './licenses/*' \) \
             | sed 's|^\./||' | LC_ALL=C sort)
echo "== $count files compared, $differ differ"
[[ $differ -eq 0 ]]
