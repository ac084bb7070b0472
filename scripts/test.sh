#!/usr/bin/env bash
# Builds the test configuration (AddressSanitizer + UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-deps.sh
cmake --preset test
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j 2 --timeout 600
