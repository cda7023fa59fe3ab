#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Tests the packages that scripts/debian/package.sh built, as Debian tests its own.
#   scripts/debian/check-package.sh              autopkgtest runs debian/tests on the
#       installed package (played on a desktop of its own, and its hardening);
#       piuparts installs, removes and purges it in a fresh base of this
#       release and fails on anything left behind; and the next release (a
#       copy of the tree with one more changelog entry) is installed over it,
#       here with apt and played, and by piuparts, who purges it after
#   scripts/debian/check-package.sh ARCHITECTURE the cross-built package installed
#       with that architecture's Qt, and played through qemu-user: a session
#       of games with the keyboard, the clock, the date, Aide and Fin
# Needs root: both install the package on this system, and remove it again
# with what it brought.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/debian-archives.sh
arch=${1:-$(dpkg --print-architecture)}
version=$(dpkg-parsechangelog -S Version)
export DEBIAN_FRONTEND=noninteractive
apt_install() {
    apt_get install -y -q --no-install-recommends "$@" >/dev/null \
        || { apt_update && apt_get install -y -q --no-install-recommends "$@" >/dev/null; }
}
base=""
next=""
trap 'apt-get purge -y -q --autoremove "bandit-manchot:$arch" >/dev/null 2>&1 || true
      [[ -z $base ]] || rm -rf "$base"
      [[ -z $next ]] || rm -rf "$next"' EXIT

if [[ $arch == "$(dpkg --print-architecture)" ]]; then
    apt_install autopkgtest piuparts
    autopkgtest "build-package/bandit-manchot_${version}_$arch.changes" -- null

    # From the base system the release's test roots start from, when it is
    # there; piuparts makes its own otherwise.
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    cached=${BANDIT_CACHE:-/var/cache/bandit-manchot}/$release-$arch-minbase.tar
    from_base=()
    if [[ -s $cached ]]; then
        base=$(mktemp -d /var/tmp/piuparts-base.XXXXXX)
        tar -C "$base" -xf "$cached"
        from_base=(--existing-chroot="$base")
    fi
    # Its base takes indexes past their date where this system's apt does.
    ! apt_takes_expired_lists || from_base+=(--no-check-valid-until)
    deb=build-package/bandit-manchot_${version}_$arch.deb
    piuparts --log-level=info "${from_base[@]}" --distribution="$release" "$deb"

    # The next release, built as this one is, from a copy of the tree.
    next=$(mktemp -d /var/tmp/next-release.XXXXXX)
    scripts/next-release.sh "$next/tree"
    (cd "$next/tree" && dpkg-buildpackage -us -uc --build=binary) >"$next/build.log" 2>&1 \
        || { tail -n 50 "$next/build.log" >&2; exit 1; }
    next_deb=$(echo "$next"/bandit-manchot_*_"$arch".deb)
    # Installed over this one with apt, it plays, on a desktop as the test
    # command has it.
    scripts/install-deps.sh test
    apt_install "./$deb" && apt_install "$next_deb"
    installed=$(dpkg-query -W -f '${Version}' bandit-manchot)
    [[ $installed == "$(cd "$next/tree" && dpkg-parsechangelog -S Version)" ]] \
        || { echo "$0: version $installed installed, not the next release's" >&2; exit 1; }
    debian/tests/play RealWindowTest.test_a_session_of_play
    # piuparts takes this one from apt, from a folder of its own, upgrades it
    # to the next one, and purges that; it fails on anything left behind.
    mkdir "$next/archive"
    cp "$deb" "$next/archive"
    (cd "$next/archive" && dpkg-scanpackages . >Packages)
    piuparts --log-level=info "${from_base[@]}" --distribution="$release" \
        --bindmount="$next/archive" --extra-repo="deb [trusted=yes] file://$next/archive ./" \
        "$next_deb"
else
    # The desktop the play needs, as the test command has it.
    scripts/install-deps.sh test
    apt_install qemu-user "./build-package/bandit-manchot_${version}_$arch.deb"
    cpu=$(dpkg-architecture -a "$arch" -q DEB_HOST_GNU_CPU 2>/dev/null)
    BANDIT_RUNNER="qemu-${cpu:?no CPU known for $arch}" \
        debian/tests/play RealWindowTest.test_a_session_of_play
fi
