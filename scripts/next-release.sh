#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Copies this tree, without its builds and history, into FOLDER as the next
# release would be: one more changelog entry, a day later, for the next
# x.y.z+1. The update tests install it over this one.
#   scripts/next-release.sh FOLDER
set -euo pipefail
folder=${1:?usage: $0 FOLDER}
cd "$(dirname "$0")/.."
mkdir -p "$folder"
find . -mindepth 1 -maxdepth 1 ! -name .git ! -name 'build*' -print0 \
    | tar -c --exclude=__pycache__ --null -T - | tar -x -C "$folder"
version=$(dpkg-parsechangelog -S Version)
next=${version%.*}.$((${version##*.} + 1))
{
    printf '%s (%s) unstable; urgency=medium\n\n' "$(dpkg-parsechangelog -S Source)" "$next"
    printf '  * The release after %s.\n\n' "$version"
    printf ' -- %s  %s\n\n' "$(dpkg-parsechangelog -S Maintainer)" \
        "$(LC_ALL=C date -R -d "$(dpkg-parsechangelog -S Date) + 1 day")"
    cat debian/changelog
} >"$folder/debian/changelog"
