#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# How long a cross-built package's program takes from exec to its main
# window under qemu-user, beside this machine's own package, alternating runs
# on one desktop of the tests' harness. Takes the packages that
# scripts/debian/package.sh and scripts/debian/package.sh ARCHITECTURE built; installs the
# foreign one with its Qt (as root) and removes it again. Needs what the
# end-to-end tests need (scripts/install-deps.sh test).
#   bench/foreign-start.sh [ARCHITECTURE] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:-arm64}
runs=${2:-8}
version=$(dpkg-parsechangelog -S Version)
native=$(mktemp -d)
trap 'cat "$native/stderr" >&2 2>/dev/null; rm -rf "$native"; apt-get purge -y -q --autoremove "bandit-manchot:$arch" >/dev/null' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    qemu-user "./build-package/bandit-manchot_${version}_$arch.deb" >/dev/null
dpkg-deb -x "build-package/bandit-manchot_${version}_$(dpkg --print-architecture).deb" "$native"
cpu=$(dpkg-architecture -a "$arch" -q DEB_HOST_GNU_CPU 2>/dev/null)
emulator=qemu-${cpu:?no CPU known for $arch}

# Milliseconds from exec to the main window shown, read every 20 ms; or
# "failed" for a start that ended first (its messages follow the figures).
time_to_window() {
    local started program
    started=$(date +%s%N)
    "$@" 2>>"$native/stderr" &
    program=$!
    until xdotool search --onlyvisible --name "^Bandit Manchot et" >/dev/null 2>&1; do
        kill -0 "$program" 2>/dev/null || { echo failed; return; }
        sleep 0.02
    done
    echo $((($(date +%s%N) - started) / 1000000))
    kill "$program"
    wait "$program" 2>/dev/null || true
}
export -f time_to_window
export native
python3 tests/e2e/on_a_desktop.py --no-accessibility bash -c '
    for ((run = 1; run <= $1; run++)); do
        echo "$2 $(time_to_window "$3" /usr/games/bandit-manchot)"
        echo "native $(time_to_window "$native/usr/games/bandit-manchot")"
    done' bash "$runs" "$arch" "$emulator" \
| awk -v arch="$arch" '$2 == "failed" { failed[$1]++; next } { sum[$1] += $2; runs[$1]++ }
    END { for (k in sum) printf "%s: %.0f ms to the window (mean of %d; %d failed to start)\n",
                                k, sum[k] / runs[k], runs[k], failed[k]
          if (runs[arch] && runs["native"])
              printf "%s against native: %.1f\n", arch,
                     (sum[arch] / runs[arch]) / (sum["native"] / runs["native"]) }'
