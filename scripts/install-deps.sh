#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Installs the Debian packages that building, running ("run"), testing
# ("test"), packaging ("package") the program or making it for Windows
# ("windows") or for the browser ("web") needs, and nothing when all of them are there already.
# As root it uses apt-get; otherwise it prints the command to run and fails,
# except for the tests outside CI (CI unset) when building needs nothing
# more: the test command then goes on without what only some tests need.
set -euo pipefail

build=(g++ make cmake qt6-base-dev qt6-base-private-dev qt6-svg-dev libcanberra-dev)
run=(libqt6svg6 fonts-liberation libcanberra0 libcanberra-pulse sound-theme-freedesktop)
package=(build-essential lintian blhc)
test=(xvfb xauth fonts-dejavu-core desktop-file-utils appstream clang-format reuse
      openbox xdotool x11-utils imagemagick dbus-daemon at-spi2-core python3 python3-pyatspi python3-xlib
      weston qt6-wayland qt6ct orca speech-dispatcher-espeak-ng pulseaudio)
# Qt for Windows is built from Debian's source with Debian's MinGW-w64; the
# program and its tests run under Wine, in Xvfb with a window manager; the
# release files are signed with osslsigncode, and tested with keys of openssl's;
# the MSI is made with wixl and msitools on a clock faketime stops; the winget
# manifests are validated with jsonschema; the protections of every .exe and
# .dll are read with pefile; the bill of materials is validated by
# pyspdxtools, from the release's backports.
windows=(g++-mingw-w64-x86-64-posix ninja-build dpkg-dev wine wine64 nsis zip unzip locales
         osslsigncode openssl git wixl msitools faketime python3-jsonschema python3-yaml
         xvfb xauth openbox xdotool x11-utils imagemagick python3
         fonts-liberation fonts-dejavu-core fonts-wine python3-fonttools python3-pefile
         python3-spdx-tools)
# Qt for the browser is built from Debian's source with Debian's Emscripten,
# with the labels' fonts built in, and compressed for the web with brotli and
# gzip; the page is played in Debian's Chromium, served by Debian's nginx with
# its brotli module, and by Apache, and rated by Lighthouse from npm on Debian's Node.
web=(emscripten ca-certificates ninja-build dpkg-dev zip git fonts-liberation chromium python3 python3-websocket
     imagemagick python3-brotli brotli gzip nginx-light libnginx-mod-http-brotli-static apache2-bin
     nodejs npm fonttools)
from_backports=(python3-spdx-tools)

case "${1:-}" in
    run) wanted=("${build[@]}" "${run[@]}") ;;
    test) wanted=("${build[@]}" "${run[@]}" "${test[@]}") ;;
    package) wanted=("${package[@]}") ;;
    windows) wanted=("${build[@]}" "${windows[@]}") ;;
    web) wanted=("${build[@]}" "${web[@]}") ;;
    *) echo "usage: $0 run|test|package|windows|web" >&2; exit 2 ;;
esac

missing=()
builds=true
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] && continue
    missing+=("$package")
    [[ " ${build[*]} " != *" $package "* ]] || builds=false
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "These packages are missing; install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install --no-install-recommends ${missing[*]}" >&2
    if [[ $1 == test && -z ${CI+set} ]] && $builds; then
        echo "Building needs none of them, so the test command goes on without them: the" \
             "checks and tests whose tools or fonts are missing are left out, and say so." >&2
        exit 0
    fi
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
# shellcheck source=lib/debian-archives.sh
source "$(dirname "$0")/lib/debian-archives.sh"
apt_update
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
for i in "${!missing[@]}"; do
    [[ " ${from_backports[*]} " == *" ${missing[i]} "* ]] || continue
    missing[i]+=/$codename-backports
    # The backports archive, from the release's mirror, if apt has none.
    if ! apt-cache policy | grep -q " $codename-backports/"; then
        debian_archives "$codename" | awk -v suite="$codename-backports" \
            'NR == 1 { print "deb", $1, suite, "main" }' >"/etc/apt/sources.list.d/$codename-backports.list"
        apt_update
    fi
done
apt_get install -y -q --no-install-recommends "${missing[@]}"
