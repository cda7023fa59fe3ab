#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Makes the program for the browser, as root: installs what is missing,
# builds Qt for the browser from Debian's own source with Debian's Emscripten
# (once; it is kept in $BANDIT_CACHE, default /var/cache/bandit-manchot),
# builds the program, and puts it in build-web/bandit-manchot-VERSION-web/, a
# folder any static web server serves as it is (the page, index.html; the
# program; Qt's loader; the licences), and in a zip of that folder. Prints
# the folder's path, then the zip's, as its last two lines.
#   scripts/web/package.sh [--test]
# --test then plays it in headless Chromium from a server on the loopback
# address, and builds it again in another folder to check that the zip is
# the same byte for byte.
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

# Builds the program for the browser in FOLDER and makes its zip there.
build_in() {
    local folder=$1
    begin "the program for the browser, in $folder"
    cmake -S . -B "$folder/target" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DSVGICONS="$source_dir/build-web/host/svgicons" >/dev/null
    cmake --build "$folder/target" --parallel 2 >&2
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$folder/target/CMakeCache.txt")
    name=bandit-manchot-$version-web
    begin "the page's folder and its zip, in $folder"
    rm -rf "${folder:?}/$name" "$folder/$name.zip"
    cmake --install "$folder/target" --prefix "$folder/$name" >/dev/null
    find "$folder/$name" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
    # In one order, with the times as they are everywhere: the same zip each time.
    (cd "$folder" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$name.zip")
}
build_in build-web
folder=$source_dir/build-web/$name
zip=$source_dir/build-web/$name.zip

if $testing; then
    begin "the page, played in headless Chromium"
    python3 -W ignore tests/e2e/web_page.py "$folder"
    begin "the same zip, built again in another folder"
    rm -rf build-web/again
    build_in "build-web/again"
    cmp "$zip" "build-web/again/$name.zip"
    echo "reproducible: both builds made the same zip" >&2
    rm -rf build-web/again
fi

wasm=$folder/bandit-manchot.wasm
echo "program: $(du -k "$wasm" | cut -f1) kB, $(gzip -9 -c "$wasm" | wc -c | awk '{print int($1 / 1024)}') kB" \
     "compressed (gzip -9); folder: $(du -sk "$folder" | cut -f1) kB; zip: $(du -k "$zip" | cut -f1) kB" >&2
echo "$folder"
echo "$zip"
