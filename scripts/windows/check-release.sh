#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Checks the Windows release files of HEAD, as root: built twice, from two
# copies of the tree in two folders of different names, the installer, the
# MSI and the zip are the same byte for byte; built again signed, with a
# certificate authority made here for the test, the program, the installer,
# the uninstaller that the installer writes and the MSI all verify against
# that authority, an unsigned program does not, and the signed program is the
# unsigned one but for its signature. Prints the checksums.
#   scripts/windows/check-release.sh [INSTALLER MSI ZIP]
# Given the installer, the MSI and the zip that scripts/windows/package.sh
# made of HEAD in this tree, it takes them for the first build.
# Windows builds are made on Debian 13: elsewhere it runs in a fresh root.
set -euo pipefail
built=()
if [[ $# -gt 0 ]]; then
    [[ $# -eq 3 ]] || { echo "usage: $0 [INSTALLER MSI ZIP]" >&2; exit 2; }
    built=("$(realpath -e -- "$1")" "$(realpath -e -- "$2")" "$(realpath -e -- "$3")")
fi
cd "$(dirname "$0")/../.."
source scripts/lib/platform-build.sh
if ! on_platform_build_release; then
    [[ $# -eq 0 ]] || { echo "$0: a build of this tree is taken on Debian 13 alone" >&2; exit 2; }
    exec bash scripts/test-on.sh "$platform_build_release" bash scripts/windows/check-release.sh
fi
scripts/install-deps.sh windows
time_stamps_from_commit
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Builds the release files in a copy of the tree, and names them in $scratch/built.
build() {
    if ! bash "$1/scripts/windows/package.sh" --release-only >"$scratch/built" \
            2>"$scratch/build.log"; then
        tail -n 30 "$scratch/build.log" >&2
        exit 1
    fi
}
folders=("a second, longer folder")
[[ ${#built[@]} -gt 0 ]] || folders=(one "${folders[@]}")
for folder in "${folders[@]}"; do
    mkdir -p "$scratch/$folder"
    git archive HEAD | tar -x -C "$scratch/$folder"
    build "$scratch/$folder"
    mapfile -t -O "${#built[@]}" built < <(tail -n 3 "$scratch/built")
done
sha256sum "${built[@]}" | sed "s|$scratch/||; s|$PWD/||"
for file in 0 1 2; do
    cmp "${built[$file]}" "${built[$file + 3]}"
done
echo "reproducible: both builds made the same installer, the same MSI and the same zip"

# A certificate authority of the test's own, and a code-signing key it certifies.
keys=$scratch/keys
mkdir "$keys"
openssl req -x509 -newkey rsa:3072 -nodes -days 2 -subj "/CN=Bandit Manchot test CA" \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign \
    -keyout "$keys/ca.key" -out "$keys/ca.pem" 2>/dev/null
openssl req -newkey rsa:3072 -nodes -subj "/CN=Bandit Manchot test signer" \
    -keyout "$keys/signer.key" -out "$keys/signer.csr" 2>/dev/null
printf '%s\n' basicConstraints=CA:FALSE keyUsage=critical,digitalSignature \
    extendedKeyUsage=codeSigning >"$keys/signer.ext"
openssl x509 -req -in "$keys/signer.csr" -CA "$keys/ca.pem" -CAkey "$keys/ca.key" \
    -CAcreateserial -days 2 -extfile "$keys/signer.ext" -out "$keys/signer.pem" 2>/dev/null
openssl rand -hex 16 >"$keys/password"
openssl pkcs12 -export -inkey "$keys/signer.key" -in "$keys/signer.pem" -certfile "$keys/ca.pem" \
    -passout "file:$keys/password" -out "$keys/signer.p12"

second="$scratch/a second, longer folder"
WINDOWS_SIGNING_PKCS12="$keys/signer.p12" WINDOWS_SIGNING_PASSWORD_FILE="$keys/password" \
    build "$second"
mapfile -t signed < <(tail -n 3 "$scratch/built")
verify() {
    osslsigncode verify -CAfile "$keys/ca.pem" -in "$1" >"$scratch/verify.log" 2>&1
}
program="$second/build-windows/stage/bandit-manchot.exe"
for file in "$program" "${signed[0]}" "${signed[1]}"; do
    verify "$file" || { cat "$scratch/verify.log" >&2; echo "$file: not signed right" >&2; exit 1; }
done
# The prefix is new: the installer's folder is the one in the user's programs.
python3 tests/e2e/on_a_desktop.py --windows bash -c '
    wine "$1" /S /CurrentUser && wineserver -w
    cp "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/"*/uninstall.exe "$2"
' sh "${signed[0]}" "$scratch/uninstall.exe"
verify "$scratch/uninstall.exe" \
    || { cat "$scratch/verify.log" >&2; echo "the uninstaller is not signed right" >&2; exit 1; }
unzip -q -d "$scratch/unsigned" "${built[2]}"
unsigned=$(echo "$scratch"/unsigned/*/bandit-manchot.exe)
if verify "$unsigned"; then
    echo "an unsigned program verified" >&2
    exit 1
fi
# Signing also fills in the header's checksum, which an unsigned program
# leaves 0, and pads the program to whole 8 bytes before the signature.
osslsigncode remove-signature -in "$program" -out "$scratch/removed.exe" >/dev/null
python3 - "$scratch/removed.exe" "$unsigned" <<'EOF_PYTHON'
import struct
import sys


def without_checksum(path):
    data = bytearray(open(path, "rb").read())
    header = struct.unpack_from("<I", data, 0x3C)[0] + 24  # the optional header
    data[header + 64:header + 68] = bytes(4)
    return data


removed, unsigned = (without_checksum(path) for path in sys.argv[1:])
padding = removed[len(unsigned):]
if removed[:len(unsigned)] != unsigned or len(padding) >= 8 or any(padding):
    sys.exit("the signed program is not the unsigned one but for its signature")
EOF_PYTHON
echo "signed: the program, the installer, its uninstaller and the MSI verify;" \
     "an unsigned program does not"
