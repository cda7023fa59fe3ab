#!/usr/bin/env bash
# Installs what is missing, checks the code's format, builds, and runs every
# test twice: as built for use, then built with AddressSanitizer and
# UndefinedBehaviorSanitizer, leaks included.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/check-format.sh
scripts/build.sh
ctest --preset default
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
