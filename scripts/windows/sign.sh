#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Signs a Windows program or installer in place (Authenticode, SHA-256) with
# the key and certificate of the PKCS#12 file WINDOWS_SIGNING_PKCS12, whose
# password is in WINDOWS_SIGNING_PASSWORD_FILE; time-stamped only where
# WINDOWS_SIGNING_TIMESTAMP_URL names a time-stamp server. The signature
# shows the program's name, APP_DISPLAY_NAME, which scripts/windows/package.sh
# takes from the build.
#   scripts/windows/sign.sh FILE
set -euo pipefail
file=${1:?usage: $0 FILE}
signed="$file.signed"
trap 'rm -f "$signed"' EXIT
timestamp=()
[[ -z ${WINDOWS_SIGNING_TIMESTAMP_URL:-} ]] || timestamp=(-ts "$WINDOWS_SIGNING_TIMESTAMP_URL")
rm -f "$signed"
osslsigncode sign -pkcs12 "$WINDOWS_SIGNING_PKCS12" -readpass "$WINDOWS_SIGNING_PASSWORD_FILE" \
    -h sha256 -n "${APP_DISPLAY_NAME:?names the program in the signature}" "${timestamp[@]}" \
    -in "$file" -out "$signed" >/dev/null
# Written over, so that the file keeps its mode.
cat "$signed" >"$file"
