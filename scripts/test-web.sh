#!/usr/bin/env bash
# Builds the browser version (scripts/build-web.sh) and runs its tests: the WebAssembly core,
# binding and fuzz-replay tests under node (CTest), then tests/web/ with node's test runner:
# kalvora-calc under node against the native one (build/bin/kalvora-calc, built here if
# missing) and the page in each engine (tests/web/browser.mjs): Debian's chromium and firefox-esr
# through puppeteer-core (npm ci), WebKitGTK through WebKitWebDriver on a virtual display.
# KALVORA_ENGINES=chromium,firefox,webkit chooses the engines.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh
web_build=${KALVORA_WEB_BUILD_DIR:-build-web}
ctest --test-dir "$web_build" --output-on-failure -j "${KALVORA_JOBS:-2}"
native=${KALVORA_BUILD_DIR:-build}
if [ ! -x "$native/bin/kalvora-calc" ]; then
  cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} >/dev/null
  cmake --build "$native" -j "${KALVORA_JOBS:-2}" --target kalvora-calc
fi
# The pinned packages (package-lock.json), installed again only when they are not what it pins.
npm ls --depth=0 >/dev/null 2>&1 || npm ci --no-audit --no-fund --loglevel=error
export KALVORA_ENGINES=${KALVORA_ENGINES:-chromium,firefox,webkit}
# WebKitGTK needs a display; the others run headless beside it. The X authority file is ours
# (xvfb-run's own temporary folder sometimes cannot be removed at the end, and it then fails).
# Each test file's process ends when its tests are done: a chromium that let a page's service
# worker outlive it has been seen to keep the process waiting after every test had passed.
auth=$(mktemp)
trap 'rm -f "$auth"' EXIT
xvfb-run -a -f "$auth" -s '-screen 0 1600x1200x24' node --test --test-force-exit --test-concurrency=1 tests/web/
