#!/usr/bin/env bash
# Builds the browser version with emscripten into build-web/ (or $KALVORA_WEB_BUILD_DIR): the
# WebAssembly core and model with their tests, kalvora-calc for node (build-web/kalvora-calc.mjs)
# and the site in build-web/site/. Drawing the start state into the page takes Debian's chromium
# and puppeteer-core (npm ci, the version pinned in package-lock.json).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --web
[ -d node_modules/puppeteer-core ] || npm ci --no-audit --no-fund --loglevel=error
build_dir=${KALVORA_WEB_BUILD_DIR:-build-web}
# emcmake's default test runner passes node a flag that newer node versions refuse.
emcmake cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVORA_BUILD_GUI=OFF \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" >/dev/null
cmake --build "$build_dir" -j "${KALVORA_JOBS:-2}"
