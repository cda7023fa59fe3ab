#!/usr/bin/env bash
# Configures and builds into build/ beside the sources.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default
