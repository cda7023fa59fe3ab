#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Installs what is missing, checks the code's format and that every file
# declares its licence, builds, and runs the tests as built for use, then
# every test built with AddressSanitizer and UndefinedBehaviorSanitizer, leaks
# included: the end-to-end tests (label e2e) run on that build alone, where
# they catch what the others catch and more. Outside CI (CI unset), a check
# whose tool is missing is left out, as the end-to-end tests are; under CI it
# fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
# check_with TOOL SCRIPT: the check, or where TOOL (and the Debian package of
# that name) is missing outside CI, a line that says it is left out.
check_with() {
    if [[ -z ${CI+set} ]] && ! command -v "$1" >/dev/null; then
        echo "$2: left out, $1 is missing (Debian package $1)" >&2
    else
        "$2"
    fi
}
check_with clang-format scripts/check-format.sh
check_with reuse scripts/check-licences.sh
scripts/build.sh
ctest --preset default-without-e2e
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
