#!/usr/bin/env bash
# Runs the main window under its own Xvfb for N seconds (default 60) and
# prints how closely its clock follows the wall clock.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --build build -j2 --target bench_clock >/dev/null
exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_clock "$seconds"
