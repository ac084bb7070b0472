#!/usr/bin/env bash
# Builds the Release configuration and runs the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake --preset release
cmake --build build/release --target timeseries-plot
build/release/app/timeseries-plot "$@"
