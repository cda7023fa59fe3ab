#!/usr/bin/env bash
# Installs the package that scripts/package.sh built with apt, as a user of
# this release would, and checks it: the desktop lists it under Games, a
# desktop user's PATH finds the program its entry starts, and the installed
# program passes the real-window test (icons included). Removes the package
# again at the end. Needs root and the test command's packages.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(echo "$PWD"/build-package/bandit-manchot_*.deb)
[[ -f $deb ]] || { echo "$0: no package; run scripts/package.sh first" >&2; exit 1; }
trap 'apt-get purge -y -q bandit-manchot >/dev/null' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >/dev/null

entry=/usr/share/applications/fr.banditmanchot.banditmanchot.desktop
desktop-file-validate "$entry"
grep -q '^Categories=.*Game;' "$entry"
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
found=$(runuser -u nobody -- env -i sh -lc "command -v $program")
echo "a desktop user's PATH finds $program at $found"

/usr/bin/python3 -W ignore tests/e2e/real_window.py "$found"
echo "package: installed, listed under Games and played"
