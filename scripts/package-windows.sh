#!/usr/bin/env bash
# Makes the program for 64-bit Windows, as root: installs what is missing,
# builds Qt for Windows from Debian's own source (once; it is kept in
# $BANDIT_CACHE, default /var/cache/bandit-manchot), builds the program and its
# tests with MinGW-w64, runs the tests under Wine, makes the installer and the
# portable zip, and plays both under Wine as Windows 11 and as Windows 10.
# Prints the installer's path, then the zip's, as its last two lines. A step
# that fails stops it and names the step.
#   scripts/package-windows.sh [--release-only]
# --release-only makes the installer and the zip alone: no tests, no Wine.
#
# It builds on Debian 13, whose Qt 6.8 LTS it ships; on another release, it
# runs itself in a fresh Debian 13 root (scripts/test-on.sh) on this tree's
# HEAD, and brings build-windows/ back here.
#
# The same commit, built with the same Qt for Windows, makes the same files
# byte for byte: every time stamp in them is SOURCE_DATE_EPOCH, the commit's
# time unless set.
#
# The publisher is a placeholder until whoever distributes it sets it; the
# program, the installer and the uninstaller are signed when a key is given:
#   WINDOWS_PUBLISHER="Name" WINDOWS_SIGNING_PKCS12=key.p12 \
#   WINDOWS_SIGNING_PASSWORD_FILE=password.txt \
#   [WINDOWS_SIGNING_TIMESTAMP_URL=http://...] bash scripts/package-windows.sh
set -euo pipefail
# The key's files as the caller names them, before the tree becomes the folder.
for name in WINDOWS_SIGNING_PKCS12 WINDOWS_SIGNING_PASSWORD_FILE; do
    if [[ -n ${!name:-} ]]; then
        path=$(realpath -e -- "${!name}") \
            || { echo "package-windows: $name names no file: ${!name}" >&2; exit 1; }
        declare "$name=$path"
    fi
done
if [[ -n ${WINDOWS_SIGNING_PKCS12:-} && -z ${WINDOWS_SIGNING_PASSWORD_FILE:-} ]]; then
    echo "package-windows: WINDOWS_SIGNING_PKCS12 needs WINDOWS_SIGNING_PASSWORD_FILE" >&2
    exit 1
fi
cd "$(dirname "$0")/.."
source_dir=$PWD
release_only=false
[[ ${1:-} != --release-only ]] || release_only=true

source scripts/windows/build-release.sh
if ! on_windows_build_release; then
    into_root=(--bring-back build-windows)
    for name in WINDOWS_SIGNING_PKCS12 WINDOWS_SIGNING_PASSWORD_FILE; do
        [[ -z ${!name:-} ]] || into_root+=(--file "${!name}")
    done
    for name in WINDOWS_PUBLISHER WINDOWS_SIGNING_PKCS12 WINDOWS_SIGNING_PASSWORD_FILE \
                WINDOWS_SIGNING_TIMESTAMP_URL SOURCE_DATE_EPOCH; do
        [[ -z ${!name:-} ]] || into_root+=(--env "$name=${!name}")
    done
    echo "=== on Debian 13, in a fresh root, from this tree's HEAD" >&2
    bash scripts/test-on.sh "${into_root[@]}" "$windows_build_release" \
        "bash scripts/package-windows.sh $*" >&2
    printf '%s\n' "$source_dir"/build-windows/*-setup.exe "$source_dir"/build-windows/*-x64.zip
    exit 0
fi

step=""
trap 'echo "package-windows: the step \"$step\" failed" >&2' ERR
begin() {
    step=$1
    echo "=== $step" >&2
}
signing=false
[[ -z ${WINDOWS_SIGNING_PKCS12:-} ]] || signing=true

begin "installing what is missing"
scripts/install-deps.sh windows
# Every time stamp in the files: the commit's, where there is one.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
export SOURCE_DATE_EPOCH
# Wine gives a Windows program the formats of the Unix locale it runs in,
# which must exist: the tests run in French.
locale -a | grep -qix 'fr_FR\.utf-\?8' || localedef -i fr_FR -f UTF-8 fr_FR.UTF-8

begin "Qt for Windows from Debian's source"
qt=$(scripts/windows/build-qt.sh | tail -n 1)

begin "the icon renderer for this machine"
cmake -S . -B build-windows/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    >/dev/null
cmake --build build-windows/host --target svgicons >/dev/null

begin "the program$($release_only || echo " and its tests") for Windows"
publisher=${WINDOWS_PUBLISHER:-Unset Publisher}
cmake -S . -B build-windows/target -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$source_dir/packaging/windows/mingw-w64.cmake" \
    -DSVGICONS="$source_dir/build-windows/host/svgicons" \
    -DBUILD_TESTING="$($release_only && echo OFF || echo ON)" \
    -DWINDOWS_PUBLISHER="$publisher" >/dev/null
cmake --build build-windows/target --parallel 2
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/target/CMakeCache.txt)

if ! $release_only; then
    begin "the tests under Wine"
    python3 tests/e2e/harness.py --windows \
        ctest --test-dir build-windows/target --output-on-failure
fi

begin "the installed folder"
stage=build-windows/stage
rm -rf "$stage"
cmake --install build-windows/target --prefix "$stage" >/dev/null
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
if $signing; then
    scripts/windows/sign.sh "$stage/bandit-manchot.exe"
else
    echo "package-windows: not signed (WINDOWS_SIGNING_PKCS12 is not set)" >&2
fi
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

begin "the portable zip"
name=bandit-manchot-$version-windows-x64
zip=$source_dir/build-windows/$name.zip
rm -rf "build-windows/$name" "$zip"
cp -a "$stage" "build-windows/$name"
# In one order, with the times as they are everywhere: the same zip each time.
(cd build-windows && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$zip")
rm -rf "build-windows/$name"

begin "the installer"
# Every file of the installed folder, to install and to uninstall.
lists=build-windows/nsis
mkdir -p "$lists"
(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$lists/files"
awk -v stage="$source_dir/$stage" '{
    folder = $0; sub(/\/?[^\/]*$/, "", folder); gsub("/", "\\", folder)
    if (NR == 1 || folder != previous)
        print "SetOutPath \"$INSTDIR" (folder == "" ? "" : "\\" folder) "\""
    previous = folder
    print "File \"" stage "/" $0 "\""
}' "$lists/files" >"$lists/install.nsh"
{
    awk '{ gsub("/", "\\"); print "Delete \"$INSTDIR\\" $0 "\"" }' "$lists/files"
    (cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r) \
        | awk '{ gsub("/", "\\"); print "RMDir \"$INSTDIR\\" $0 "\"" }'
} >"$lists/uninstall.nsh"
installer=$source_dir/build-windows/bandit-manchot-$version-setup.exe
sign=()
! $signing || sign=(-DSIGN="$source_dir/scripts/windows/sign.sh")
makensis -V2 -INPUTCHARSET UTF8 -DSTAGE="$source_dir/$stage" -DOUTFILE="$installer" \
    -DFILES="$source_dir/$lists/install.nsh" -DUNFILES="$source_dir/$lists/uninstall.nsh" \
    -DICON="$source_dir/build-windows/target/packaging/bandit-manchot.ico" \
    -DVERSION="$version" -DPUBLISHER="$publisher" "${sign[@]}" \
    packaging/windows/installer.nsi >&2

if ! $release_only; then
    begin "the installer and the zip, played under Wine as Windows 11 and 10"
    python3 tests/e2e/harness.py --windows \
        python3 -W ignore tests/e2e/wine_window.py "$installer" "$zip"
fi

echo "installer: $(du -k "$installer" | cut -f1) kB, zip: $(du -k "$zip" | cut -f1) kB," \
    "installed: $(du -sk "$stage" | cut -f1) kB" >&2
echo "$installer"
echo "$zip"
