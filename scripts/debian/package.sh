#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Builds the Debian source package and, from it, the program's package and
# its debug symbols' (-dbgsym), with dpkg-buildpackage on a copy of the tree
# in build-package/. Given an architecture (arm64, armhf), cross-builds that
# architecture's packages with Debian's cross toolchain and its Qt.
#   scripts/debian/package.sh [ARCHITECTURE]
# As root it installs what the build needs. The release's lintian checks the
# .changes (source and packages), where any error or warning fails; blhc
# checks a native build's log for compiler calls without the release's flags; and
# appstreamcli validates the package's tree as strictly as the tests check
# the metainfo. Prints the paths of the .changes and the packages last.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib/debian-archives.sh
build_arch=$(dpkg --print-architecture)
host_arch=${1:-$build_arch}
cross=()
[[ $host_arch == "$build_arch" ]] || cross=(-a "$host_arch" -Pcross)
# A cross build makes the architecture's packages alone: the source package
# is the native build's.
what=(--build=full)
[[ ${#cross[@]} -eq 0 ]] || what=(--build=any)

scripts/install-deps.sh package
if [[ ${#cross[@]} -gt 0 ]] && ! dpkg --print-foreign-architectures | grep -qx "$host_arch"; then
    dpkg --add-architecture "$host_arch"
    apt_update
fi
if ! dpkg-checkbuilddeps "${cross[@]}" 2>/dev/null; then
    export DEBIAN_FRONTEND=noninteractive
    [[ ${#cross[@]} -eq 0 ]] || apt_get install -y -q --no-install-recommends \
        "crossbuild-essential-$host_arch"
    apt_get build-dep -y -q "${cross[@]}" ./ || { apt_update && apt_get build-dep -y -q "${cross[@]}" ./; }
fi

# dpkg-buildpackage writes beside the tree it builds: a copy of this one,
# without its builds, history and Python caches, whose name carries the
# version. Each architecture's files stay until that architecture is built
# again.
version=$(dpkg-parsechangelog -S Version)
source_dir=build-package/bandit-manchot-$version
rm -rf "$source_dir" build-package/*_"$host_arch".* build-package/build-"$host_arch".log
mkdir -p "$source_dir"
# Its files get the modes and the time of the release, not the umask and
# the checkout time of this tree, so that the source package is the same
# from a clone, an archive or an unpacked source package.
find . -mindepth 1 -maxdepth 1 ! -name .git ! -name 'build*' -print0 \
    | tar -c --exclude=__pycache__ --mode=go-w --mtime="@$(dpkg-parsechangelog -S Timestamp)" \
          --null -T - \
    | tar -x -C "$source_dir"
log=$PWD/build-package/build-$host_arch.log
(cd "$source_dir" && dpkg-buildpackage -us -uc "${what[@]}" "${cross[@]}") >"$log" 2>&1 \
    || { tail -n 50 "$log" >&2; echo "$0: dpkg-buildpackage failed; the whole log is $log" >&2; exit 1; }

changes=build-package/bandit-manchot_${version}_$host_arch.changes
lintian --pedantic --fail-on error,warning --display-info "$changes" >&2
# A cross build's log also holds the icon renderer built for this machine
# and moc's calls of the cross compiler's preprocessor, which blhc takes for
# the package's own compilations: the package's sources are built alike
# for every architecture, and blhc reads the native build.
[[ ${#cross[@]} -gt 0 ]] || blhc --bindnow "$log" >&2

# lintian reports any AppStream finding as one and the same hint, which the
# package overrides for the missing home page: the package's tree is
# validated here, where any other finding fails.
deb=build-package/bandit-manchot_${version}_$host_arch.deb
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
cmake -DAPPSTREAMCLI="$(command -v appstreamcli)" -DTREE="$tree" -P tests/check_metainfo.cmake >&2
echo "$changes"
[[ ${#cross[@]} -gt 0 ]] || ls "build-package/bandit-manchot_$version.dsc"
ls build-package/*_"$host_arch".deb
