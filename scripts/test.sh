#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Installs what is missing, checks the code's format and that every file
# declares its licence, builds, and runs the tests as built for use, then
# every test built with AddressSanitizer and UndefinedBehaviorSanitizer, leaks
# included: the end-to-end tests (label e2e) run on that build alone, where
# they catch what the others catch and more.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/check-format.sh
scripts/check-licences.sh
scripts/build.sh
ctest --preset default-without-e2e
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
