#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Fails when a C++ file of ours differs from what .clang-format makes of it.
# Lists the files itself, so that it also works in a tree without .git.
set -euo pipefail
cd "$(dirname "$0")/.."
find game clock widgets platform ui tests bench packaging \( -name '*.cpp' -o -name '*.h' \) -print0 \
    | xargs -0 clang-format --dry-run --Werror
echo "format: every C++ file follows .clang-format"
