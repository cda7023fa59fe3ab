#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Builds Qt from Debian's own qt6-base source, of the same version as this
# machine's Qt (whose moc, rcc and uic the cross build uses), for 64-bit
# Windows with Debian's MinGW-w64, or for the browser with Debian's
# Emscripten, and installs it into a cache outside the tree.
#   scripts/build-qt.sh windows|web
# Prints the installed Qt's folder last. Needs root for the cache.
#
# The cache is keyed by the target, the Qt version and a hash of the
# configuration (the configure options and the toolchain: MinGW-w64's file,
# without its comments, or Emscripten's version, the patches and the fonts'
# characters); a stamp written last marks a whole install. A folder without
# its stamp is built again from nothing.
#
# For the browser, the patches in packaging/web/qt-patches/ are applied over
# Debian's, and the fonts Qt embeds keep only the characters that
# packaging/web/font-characters lists.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/.." && pwd)
# shellcheck source=lib/debian-archives.sh
. "$source/scripts/lib/debian-archives.sh"
cache=${BANDIT_CACHE:-/var/cache/bandit-manchot}
target=${1:?usage: $0 windows|web}
options_file="$source/packaging/$target/qt-configure-options"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)

version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
mapfile -t options < <(grep -v -e '^#' -e '^$' "$options_file")
case $target in
    windows)
        toolchain="$source/packaging/windows/mingw-w64.cmake"
        key=$(grep -hv -e '^#' -e '^$' "$options_file" "$toolchain" | sha256sum | cut -c1-12)
        options+=(-DCMAKE_TOOLCHAIN_FILE="$toolchain") ;;
    web)
        emscripten=$(dpkg-query -W -f='${Version}' emscripten)
        patches=("$source"/packaging/web/qt-patches/*.patch)
        characters="$source/packaging/web/font-characters"
        key=$( (grep -v -e '^#' -e '^$' "$options_file"; echo "emscripten $emscripten"
                cat "${patches[@]}"; grep -v -e '^#' -e '^$' "$characters") \
              | sha256sum | cut -c1-12) ;;
    *) echo "usage: $0 windows|web" >&2; exit 2 ;;
esac
scratch=()
trap 'rm -rf "${scratch[@]}"' EXIT
prefix="$cache/qt-$target-${version//[:+~]/_}-$key"
if [[ -f "$prefix/.complete" ]]; then
    echo "$prefix"
    exit 0
fi

# Debian's source of the host's Qt, from the mirror this machine's apt uses,
# through an apt configuration of its own that leaves the machine's alone.
sources="$cache/sources"
mkdir -p "$sources"
dsc=$(ls "$sources"/qt6-base_"${version#*:}".dsc 2>/dev/null || true)
if [[ -z $dsc ]]; then
    apt_dir=$(mktemp -d)
    scratch+=("$apt_dir")
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    debian_archives "$codename" | sed "s|^|deb-src [signed-by=$keyring] |; s|\$| main|" \
        >"$apt_dir/sources.list"
    grep -q . "$apt_dir/sources.list" \
        || { echo "$0: no Debian archive in this machine's apt sources" >&2; exit 1; }
    mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial"
    apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
                 -o "Dir::Etc::SourceParts=$apt_dir/parts"
                 -o "Dir::State::Lists=$apt_dir/lists"
                 -o "APT::Sandbox::User=root")
    apt-get "${apt_options[@]}" update -q >&2
    (cd "$sources" && apt-get "${apt_options[@]}" source --download-only -q "qt6-base=$version" >&2)
    dsc=$(ls "$sources"/qt6-base_"${version#*:}".dsc)
fi

work=$(mktemp -d "/var/tmp/qt-$target.XXXXXX")
scratch+=("$work")
echo "== unpacking $(basename "$dsc") with Debian's patches" >&2
dpkg-source --no-check -x "$dsc" "$work/src" >&2

rm -rf "$prefix"
if [[ $target == web ]]; then
    # Qt finds Emscripten as its own SDK lays it out: a folder named by
    # EMSDK, whose .emscripten names Emscripten's root inside it. This one
    # describes Debian's, for Qt's build and for the program's.
    mkdir -p "$prefix/emsdk"
    ln -s /usr/share/emscripten "$prefix/emsdk/emscripten"
    echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$prefix/emsdk/.emscripten"
    export EMSDK="$prefix/emsdk"
fi
# The time stamps Qt's build writes into its DLLs are its source's, whatever
# the program's build asks for.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$work/src/debian/changelog" -STimestamp)
export SOURCE_DATE_EPOCH
if [[ $target == web ]]; then
    for patch in "${patches[@]}"; do
        echo "== applying $(basename "$patch")" >&2
        patch -d "$work/src" -p1 --no-backup-if-mismatch -s <"$patch"
    done
    # Every glyph, hint and layout rule of the characters kept stays as it was.
    for font in "$work/src/src/3rdparty/wasm/"DejaVuSans*.ttf; do
        pyftsubset "$font" --unicodes="$(grep -v -e '^#' -e '^$' "$characters" | paste -sd,)" \
            --layout-features='*' --notdef-outline --name-IDs='*' --name-legacy --drop-tables+=FFTM \
            --name-languages='*' --output-file="$font.kept"
        mv "$font.kept" "$font"
    done
fi
echo "== configuring Qt $version for $target into $prefix" >&2
# The scratch folder's name stays out of the libraries; given through the
# environment, it adds to the toolchain's flags.
CFLAGS="-ffile-prefix-map=$work=." CXXFLAGS="-ffile-prefix-map=$work=." \
cmake -G Ninja -S "$work/src" -B "$work/build" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" \
    >"$work/configure.log" 2>&1 \
    || { tail -40 "$work/configure.log" >&2; exit 1; }
echo "== building Qt for $target, once for this configuration" >&2
cmake --build "$work/build" --parallel 2 >"$work/build.log" 2>&1 \
    || { tail -40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 \
    || { tail -20 "$work/install.log" >&2; exit 1; }
# Qt's licences travel with its libraries, with the Debian source that built them.
mkdir -p "$prefix/licenses"
cp "$work/src/LICENSES/"*.txt "$prefix/licenses/"
cp "$work/src/debian/copyright" "$prefix/licenses/debian-copyright"
echo "$version" >"$prefix/licenses/debian-source-version"
date -u +%FT%TZ >"$prefix/.complete"
echo "$prefix"
