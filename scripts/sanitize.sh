#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test,
# GUI tests included, with leak detection on.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "${KALVORA_JOBS:-2}"
ctest --preset sanitize -j "${KALVORA_JOBS:-2}"
