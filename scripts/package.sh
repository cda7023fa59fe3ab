#!/usr/bin/env bash
# Builds the Debian package in build-package/ and checks it with this
# release's own lintian, where any error or warning fails, and its installed
# tree with appstreamcli as strictly as the tests check the metainfo. Prints the package's path
# last. The maintainer is a placeholder until whoever distributes the
# package sets it: DEB_MAINTAINER="Name <address>" scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
# The same commit makes the same package, wherever and whenever it is built.
if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || stat -c %Y CMakeLists.txt)
fi
export SOURCE_DATE_EPOCH
# Built with the release's own hardening and optimisation flags.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
rm -rf build-package
maintainer=()
[[ -z ${DEB_MAINTAINER:-} ]] || maintainer=("-DDEB_MAINTAINER=$DEB_MAINTAINER")
cmake --preset package "${maintainer[@]}" >/dev/null
cmake --build --preset package
rm -f build-package/bandit-manchot_*.deb
(cd build-package && cpack -G DEB >/dev/null)
deb=$(echo build-package/bandit-manchot_*.deb)
lintian --fail-on error,warning --display-info "$deb" >&2
# lintian reports any AppStream finding as one and the same hint, which the
# package overrides for the missing home page: the package's tree is
# validated here, where any other finding fails.
tree=$(mktemp -d)
dpkg-deb -x "$deb" "$tree"
cmake -DAPPSTREAMCLI="$(command -v appstreamcli)" -DTREE="$tree" -P tests/check_metainfo.cmake >&2
rm -rf "$tree"
echo "$deb"
