#!/usr/bin/env bash
# Makes the program for 64-bit Windows on Debian 12, as root: installs what
# is missing, builds Qt for Windows from Debian's own source (once; it is
# kept in $BANDIT_CACHE, default /var/cache/bandit-manchot), builds the
# program and its tests with MinGW-w64, runs the tests under Wine, makes the
# installer and the portable zip, and plays both under Wine. Prints the
# installer's path, then the zip's, as its last two lines. A step that fails
# stops it and names the step.
# The publisher is a placeholder until whoever distributes it sets it:
#   WINDOWS_PUBLISHER="Name" bash scripts/package-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
step=""
trap 'echo "package-windows: the step \"$step\" failed" >&2' ERR
begin() {
    step=$1
    echo "=== $step" >&2
}

begin "installing what is missing"
scripts/install-deps.sh windows
# Wine gives a Windows program the formats of the Unix locale it runs in,
# which must exist: the tests run in French.
locale -a | grep -qix 'fr_FR\.utf-\?8' || localedef -i fr_FR -f UTF-8 fr_FR.UTF-8

begin "Qt for Windows from Debian's source"
qt=$(scripts/windows/build-qt.sh | tail -n 1)

begin "the icon renderer for this machine"
cmake -S . -B build-windows/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    >/dev/null
cmake --build build-windows/host --target svgicons >/dev/null

begin "the program and its tests for Windows"
publisher=${WINDOWS_PUBLISHER:-Unset Publisher}
cmake -S . -B build-windows/target -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$source_dir/packaging/windows/mingw-w64.cmake" \
    -DSVGICONS="$source_dir/build-windows/host/svgicons" \
    -DWINDOWS_PUBLISHER="$publisher" >/dev/null
cmake --build build-windows/target --parallel 2

begin "the tests under Wine"
scripts/windows/under-wine.sh ctest --test-dir build-windows/target --output-on-failure

begin "the installed folder"
stage=build-windows/stage
rm -rf "$stage"
cmake --install build-windows/target --prefix "$stage" >/dev/null
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

begin "the portable zip"
name=bandit-manchot-1.0.0-windows-x64
zip=$source_dir/build-windows/$name.zip
rm -rf "build-windows/$name" "$zip"
cp -r "$stage" "build-windows/$name"
(cd build-windows && zip -q -r -X "$zip" "$name")
rm -rf "build-windows/$name"

begin "the installer"
# Every file of the installed folder, to install and to uninstall.
lists=build-windows/nsis
mkdir -p "$lists"
(cd "$stage" && find . -type f | sed 's|^\./||' | sort) >"$lists/files"
awk -v stage="$source_dir/$stage" '{
    folder = $0; sub(/\/?[^\/]*$/, "", folder); gsub("/", "\\", folder)
    if (NR == 1 || folder != previous)
        print "SetOutPath \"$INSTDIR" (folder == "" ? "" : "\\" folder) "\""
    previous = folder
    print "File \"" stage "/" $0 "\""
}' "$lists/files" >"$lists/install.nsh"
{
    awk '{ gsub("/", "\\"); print "Delete \"$INSTDIR\\" $0 "\"" }' "$lists/files"
    (cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r) \
        | awk '{ gsub("/", "\\"); print "RMDir \"$INSTDIR\\" $0 "\"" }'
} >"$lists/uninstall.nsh"
installer=$source_dir/build-windows/bandit-manchot-1.0.0-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DSTAGE="$source_dir/$stage" -DOUTFILE="$installer" \
    -DFILES="$source_dir/$lists/install.nsh" -DUNFILES="$source_dir/$lists/uninstall.nsh" \
    -DICON="$source_dir/build-windows/target/packaging/bandit-manchot.ico" \
    -DPUBLISHER="$publisher" packaging/windows/installer.nsi >&2

begin "the installer and the zip, played under Wine"
scripts/windows/under-wine.sh python3 -W ignore tests/e2e/wine_window.py "$installer" "$zip"

echo "installer: $(du -k "$installer" | cut -f1) kB, zip: $(du -k "$zip" | cut -f1) kB," \
    "installed: $(du -sk "$stage" | cut -f1) kB" >&2
echo "$installer"
echo "$zip"
