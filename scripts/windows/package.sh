#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Makes the program for 64-bit Windows, as root: installs what is missing,
# builds Qt for Windows from Debian's own source (once; it is kept in
# $BANDIT_CACHE, default /var/cache/bandit-manchot), builds the program and its
# tests with MinGW-w64, runs the tests under Wine, makes the installer, the
# Windows Installer package (MSI) for managed machines, the portable zip and
# the winget manifests, the bill of materials and the build's record
# (NAME.spdx.json and NAME.buildinfo, beside them), and plays them under Wine
# as Windows 11 and as Windows 10, with the next release installed over this
# one. Prints the installer's path, the MSI's, then the zip's, as its last
# three lines. A step that fails stops it and names the step.
#   scripts/windows/package.sh [--release-only]
# --release-only makes the release files alone: no tests, no Wine.
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
# program, the installer, the uninstaller and the MSI are signed when a key is given:
#   WINDOWS_PUBLISHER="Name" WINDOWS_SIGNING_PKCS12=key.p12 \
#   WINDOWS_SIGNING_PASSWORD_FILE=password.txt \
#   [WINDOWS_SIGNING_TIMESTAMP_URL=http://...] bash scripts/windows/package.sh
# The winget manifests give the files' addresses as published, in the folder
# WINDOWS_RELEASE_URL names (a placeholder until it is set).
set -euo pipefail
# The key's files as the caller names them, before the tree becomes the folder.
for name in WINDOWS_SIGNING_PKCS12 WINDOWS_SIGNING_PASSWORD_FILE; do
    if [[ -n ${!name:-} ]]; then
        path=$(realpath -e -- "${!name}") \
            || { echo "windows/package.sh: $name names no file: ${!name}" >&2; exit 1; }
        declare "$name=$path"
    fi
done
if [[ -n ${WINDOWS_SIGNING_PKCS12:-} && -z ${WINDOWS_SIGNING_PASSWORD_FILE:-} ]]; then
    echo "windows/package.sh: WINDOWS_SIGNING_PKCS12 needs WINDOWS_SIGNING_PASSWORD_FILE" >&2
    exit 1
fi
cd "$(dirname "$0")/../.."
source_dir=$PWD
release_only=false
[[ ${1:-} != --release-only ]] || release_only=true

source scripts/lib/platform-build.sh
if ! on_platform_build_release; then
    into_root=(--bring-back build-windows)
    for name in WINDOWS_SIGNING_PKCS12 WINDOWS_SIGNING_PASSWORD_FILE; do
        [[ -z ${!name:-} ]] || into_root+=(--file "${!name}")
    done
    for name in WINDOWS_PUBLISHER WINDOWS_SIGNING_PKCS12 WINDOWS_SIGNING_PASSWORD_FILE \
                WINDOWS_SIGNING_TIMESTAMP_URL WINDOWS_RELEASE_URL; do
        [[ -z ${!name:-} ]] || into_root+=(--env "$name=${!name}")
    done
    in_platform_build_root "${into_root[@]}" bash scripts/windows/package.sh "$@"
    printf '%s\n' "$source_dir"/build-windows/*-setup.exe "$source_dir"/build-windows/*-x64.msi \
        "$source_dir"/build-windows/*-x64.zip
    exit 0
fi

name_failing_step windows/package.sh
signing=false
[[ -z ${WINDOWS_SIGNING_PKCS12:-} ]] || signing=true

begin "installing what is missing"
scripts/install-deps.sh windows
time_stamps_from_commit
# Wine gives a Windows program the formats of the Unix locale it runs in,
# which must exist: the tests run in French.
locale -a | grep -qix 'fr_FR\.utf-\?8' || localedef -i fr_FR -f UTF-8 fr_FR.UTF-8

begin "Qt for Windows from Debian's source"
qt=$(scripts/build-qt.sh windows | tail -n 1)

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
# The program's name as the build has it, which the MSI's summary and every
# signature show.
display_name=$(sed -n 's/^CMAKE_PROJECT_DESCRIPTION:STATIC=//p' build-windows/target/CMakeCache.txt)
export APP_DISPLAY_NAME=$display_name

if ! $release_only; then
    begin "the tests under Wine"
    python3 tests/e2e/on_a_desktop.py --windows \
        ctest --test-dir build-windows/target --output-on-failure
fi

begin "the installed folder"
stage=build-windows/stage
rm -rf "$stage"
cmake --install build-windows/target --prefix "$stage" >/dev/null
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
if $signing; then
    scripts/windows/sign.sh "$stage/bandit-manchot.exe"
else
    echo "windows/package.sh: not signed (WINDOWS_SIGNING_PKCS12 is not set)" >&2
fi
python3 scripts/windows/check-pe.py "$stage" >&2

begin "the bill of materials"
name=bandit-manchot-$version-windows-x64
python3 scripts/windows/sbom.py "$stage" "$qt" x86_64-w64-mingw32-g++-posix \
    bandit-manchot "$version" "$publisher" "$stage/bandit-manchot.spdx.json"
cp "$stage/bandit-manchot.spdx.json" "build-windows/$name.spdx.json"
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

begin "the portable zip"
zip=$source_dir/build-windows/$name.zip
rm -rf "build-windows/$name" "$zip"
cp -a "$stage" "build-windows/$name"
# In one order, with the times as they are everywhere: the same zip each time.
(cd build-windows && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$zip")
rm -rf "build-windows/$name"
python3 scripts/windows/check-sbom.py "build-windows/$name.spdx.json" "$zip" >&2

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
    build-windows/target/packaging/installer.nsi >&2

begin "the Windows Installer package"
msi=$source_dir/build-windows/bandit-manchot-$version-x64.msi
# Windows Installer names a version by its product code, which MajorUpgrade
# needs to change with each, and a build by its package code: both follow
# from the release, under the program's own namespace, the bill of
# materials' (sbom.py).
release_guid() {
    python3 -B -c 'import sys, uuid
sys.path.insert(0, sys.argv[1])
from sbom import NAMESPACE
print(str(uuid.uuid5(NAMESPACE, sys.argv[2])).upper())' "$source_dir/scripts/windows" "$1"
}
product_code={$(release_guid "product $version")}
# wixl-heat names folders at random: they are numbered in order instead, so
# that one tree makes one package.
(cd "$stage" && find . -type f | LC_ALL=C sort \
    | wixl-heat -p ./ --directory-ref INSTALLDIR --component-group InstalledFiles \
                --var var.Stage --win64) \
    | perl -pe 's/Id="dir[0-9A-F]+"/sprintf(q{Id="folder%d"}, ++$n)/e' >build-windows/msi-files.wxs
# wixl stamps the package with the time it runs at, and gcab its files: the
# release's time, on a clock that stands still.
released_at=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
TZ=UTC faketime -f "$released_at" wixl -a x64 -D Win64=yes -D Stage="$stage" \
    -D Version="$version" -D Publisher="$publisher" -D ProductCode="$product_code" \
    -D Icon=build-windows/target/packaging/bandit-manchot.ico \
    -o "$msi" build-windows/target/packaging/bandit-manchot.wxs build-windows/msi-files.wxs
TZ=UTC faketime -f "$released_at" msibuild "$msi" -s "$display_name" "$publisher" "x64;1036" \
    "{$(release_guid "package $version $SOURCE_DATE_EPOCH $publisher")}"
! $signing || scripts/windows/sign.sh "$msi"

begin "the winget manifests"
released_on=$(sed -n 's/^RELEASE_DATE:INTERNAL=//p' build-windows/target/CMakeCache.txt)
rm -rf build-windows/winget
python3 scripts/windows/winget-manifests.py build-windows/winget "$version" "$released_on" \
    "$display_name" "$publisher" "${WINDOWS_RELEASE_URL:-https://example.invalid/bandit-manchot/$version/}" \
    "$installer" "$msi" "$product_code"
python3 scripts/windows/check-winget.py build-windows/winget "$installer" "$msi" >&2

begin "the build's record"
# What the release was built from and with, to rebuild it
# (scripts/windows/rebuild-release.sh).
scripts/windows/buildinfo.sh "$version" "$qt" "$publisher" "$installer" "$msi" "$zip" \
    "build-windows/$name.spdx.json" >"build-windows/$name.buildinfo"

if ! $release_only; then
    begin "the next release, to install over this one"
    next=$(mktemp -d /var/tmp/next-release.XXXXXX)
    trap 'rm -rf "$next"' EXIT
    scripts/next-release.sh "$next"
    # It no longer ships one of this release's files, which the update must remove.
    sed -i 's| "${QT_LICENSES}/GPL-3.0-only.txt"||' "$next/packaging/CMakeLists.txt"
    if grep -q /GPL-3.0-only "$next/packaging/CMakeLists.txt"; then
        echo "windows/package.sh: the next release still installs GPL-3.0-only.txt" >&2
        exit 1
    fi
    bash "$next/scripts/windows/package.sh" --release-only >"$next/built" 2>"$next/build.log" \
        || { tail -n 30 "$next/build.log" >&2; exit 1; }

    begin "the release files, played under Wine as Windows 11 and 10, and updated"
    python3 tests/e2e/on_a_desktop.py --windows \
        python3 -W ignore tests/e2e/wine_window.py "$installer" "$msi" "$zip" \
        $(tail -n 3 "$next/built")
fi

echo "installer: $(du -k "$installer" | cut -f1) kB, MSI: $(du -k "$msi" | cut -f1) kB," \
    "zip: $(du -k "$zip" | cut -f1) kB, installed: $(du -sk "$stage" | cut -f1) kB," \
    "bill of materials: $(du -k "build-windows/$name.spdx.json" | cut -f1) kB" >&2
echo "$installer"
echo "$msi"
echo "$zip"
