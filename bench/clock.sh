#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Runs the main window on a desktop of the tests' harness for N seconds
# (default 60) and prints how closely its clock follows the wall clock.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --build build -j2 --target bench_clock >/dev/null
exec python3 tests/e2e/on_a_desktop.py --no-accessibility build/bench/bench_clock "$seconds"
