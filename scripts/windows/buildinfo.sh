#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Writes what the Windows release was built from and with, as Debian's
# .buildinfo files do: the commit and its time, the Debian release, Qt's
# source and configuration, the release files' hashes, and every package
# installed on the machine that built it, with its version. The time of the
# build itself is left out: two builds of one commit write the same file.
# scripts/windows/rebuild-release.sh reads it.
#   buildinfo.sh VERSION QT_PREFIX PUBLISHER FILE... >NAME.buildinfo
set -euo pipefail
version=$1 qt=$2 publisher=$3
shift 3
cat <<EOF
Format: 1.0
Source: bandit-manchot
Version: $version
Commit: $(git rev-parse HEAD)
Source-Date-Epoch: $SOURCE_DATE_EPOCH
Publisher: $publisher
Build-Release: $(. /etc/os-release && echo "$PRETTY_NAME") $(cat /etc/debian_version)
Build-Architecture: $(dpkg --print-architecture)
Qt-Source: qt6-base $(cat "$qt/licenses/debian-source-version")
Qt-Folder: $(basename "$qt")
Checksums-Sha256:
EOF
for file in "$@"; do
    echo " $(sha256sum <"$file" | cut -d' ' -f1) $(stat -c %s "$file") $(basename "$file")"
done
echo "Installed-Build-Depends:"
dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture} (= ${Version})\n' \
    | awk '$1 == "ii" { print " " $2, $3, $4 }' | sed "s/:all / /; s/:$(dpkg --print-architecture) / /" | LC_ALL=C sort \
    | sed '$!s/$/,/'
