#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Makes the program for the browser, as root: installs what is missing,
# builds Qt for the browser from Debian's own source with Debian's Emscripten
# (once; it is kept in $BANDIT_CACHE, default /var/cache/bandit-manchot),
# builds the program, and puts it in build-web/bandit-manchot-VERSION-web/, a
# folder any static web server serves as it is (the page, index.html, its
# service worker and manifest; in vVERSION/, the program, Qt's loader, the
# page's script and icons; the licences), each file a browser downloads
# beside its brotli (.br) and gzip (.gz) forms for servers that send them as
# they are, and in a zip of that folder. packaging/web/ has the configuration
# of nginx and Apache that serves it so. Prints
# the folder's path, then the zip's, as its last two lines.
#   scripts/web/package.sh [--test]
# --test then plays it in headless Chromium, served by nginx on the loopback
# address, updates it to the next release (scripts/next-release.sh, built
# too), and builds it again in another folder to check that the zip is the
# same byte for byte.
#
# It builds on Debian 13, whose Emscripten and Qt 6.8 LTS it uses; on another
# release, it runs itself in a fresh Debian 13 root (scripts/test-on.sh) on
# this tree's HEAD, and brings build-web/ back here. Every time stamp in the
# zip is SOURCE_DATE_EPOCH, the commit's time unless set.
set -euo pipefail
cd "$(dirname "$0")/../.."
source_dir=$PWD
source scripts/lib/platform-build.sh
if ! on_platform_build_release; then
    in_platform_build_root --bring-back build-web bash scripts/web/package.sh "$@"
    printf '%s\n' "$source_dir"/build-web/bandit-manchot-*-web "$source_dir"/build-web/*-web.zip
    exit 0
fi
testing=false
[[ ${1:-} != --test ]] || testing=true

name_failing_step web/package.sh
begin "installing what is missing"
scripts/install-deps.sh web
time_stamps_from_commit

begin "Qt for the browser from Debian's source"
qt=$(scripts/build-qt.sh web | tail -n 1)
export EMSDK=$qt/emsdk

begin "the icon renderer for this machine"
cmake -S . -B build-web/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-web/host --target svgicons >/dev/null

# Builds the program for the browser in FOLDER, from the tree in SOURCE
# (this one unless given), and makes its zip there.
build_in() {
    local folder=$1 source=${2:-.}
    begin "the program for the browser, in $folder"
    cmake -S "$source" -B "$folder/target" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DSVGICONS="$source_dir/build-web/host/svgicons" >/dev/null
    cmake --build "$folder/target" --parallel 2 >&2
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$folder/target/CMakeCache.txt")
    name=bandit-manchot-$version-web
    begin "the page's folder and its zip, in $folder"
    rm -rf "${folder:?}/$name" "$folder/$name.zip"
    cmake --install "$folder/target" --prefix "$folder/$name" >/dev/null
    # Compressed once, as hard as each format goes; gzip leaves out the
    # name and time that would make each build's differ.
    find "$folder/$name" -type f \( -name '*.wasm' -o -name '*.js' -o -name '*.html' \
        -o -name '*.webmanifest' \) -print0 \
        | xargs -0 -n 1 sh -c 'brotli -q 11 -k -f "$0" && gzip -9 -n -k -f "$0"'
    find "$folder/$name" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
    # In one order, with the times as they are everywhere: the same zip each time.
    (cd "$folder" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$name.zip")
}
build_in build-web
folder=$source_dir/build-web/$name
zip=$source_dir/build-web/$name.zip

if $testing; then
    rm -rf build-web/next
    scripts/next-release.sh build-web/next/source
    build_in build-web/next build-web/next/source
    begin "the browser tests' tools from npm, as tests/web pins them"
    # Debian 13's npm (9.2) cannot read the lock's overrides; npm 10 can.
    npm_cache=${BANDIT_CACHE:-/var/cache/bandit-manchot}/npm
    # Node trusts the system's authorities too, not only its own list.
    export NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt
    npx --yes --cache "$npm_cache" npm@10.8.2 ci --prefix tests/web --cache "$npm_cache" \
        --prefer-offline --no-audit --no-fund >&2
    begin "the page, played in headless Chromium"
    python3 -W ignore tests/e2e/web_page.py "$folder" "build-web/next/$name"
    begin "Lighthouse's audits, for a phone and a laptop"
    python3 -W ignore tests/web/lighthouse.py "$folder" >&2
    begin "the same zip, built again in another folder"
    rm -rf build-web/again
    build_in "build-web/again"
    cmp "$zip" "build-web/again/$name.zip"
    echo "reproducible: both builds made the same zip" >&2
    rm -rf build-web/again
fi

wasm=$folder/v$version/bandit-manchot.wasm
echo "program: $(du -k "$wasm" | cut -f1) kB, $(du -k "$wasm.br" | cut -f1) kB with brotli," \
     "$(du -k "$wasm.gz" | cut -f1) kB with gzip; folder: $(du -sk "$folder" | cut -f1) kB;" \
     "zip: $(du -k "$zip" | cut -f1) kB" >&2
echo "$folder"
echo "$zip"
