#!/usr/bin/env bash
# Runs the main window on a desktop of the tests' harness for N seconds
# (default 60) and prints how closely its clock follows the wall clock.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --build build -j2 --target bench_clock >/dev/null
exec python3 tests/e2e/harness.py --no-accessibility build/bench/bench_clock "$seconds"
