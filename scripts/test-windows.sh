#!/usr/bin/env bash
# The Windows program's tests under Wine on a virtual X display: builds kalvora.exe and the
# window tests with MinGW-w64, runs them (screenshots land in build-windows/screenshots), then
# runs the tests of the layout, the worked examples and the screenshots again at 125, 150 and 200 %
# display scale (LogPixels 120, 144, 192; screenshots in build-windows/screenshots/dpi-N), builds both packages, installs the installer silently, starts the installed program, uninstalls
# it and checks that nothing is left behind. Wine is the test bed; nothing in the program is
# Wine-specific.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
start=$SECONDS
build=build-windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DKALVORA_BUILD_GUI=OFF -DKALVORA_BUILD_TESTS=OFF -DKALVORA_WINDOWS_TESTS=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "${KALVORA_JOBS:-2}" --target kalvora kalvora-calc kalvora_win32_tests
echo "windows: built in $((SECONDS - start)) s"
# Nothing imported directly that Windows 7 SP1 and 8.1 lack.
tests/win32/check_imports.sh "$build/bin/kalvora.exe" "$build/bin/kalvora-calc.exe"

. scripts/wine-prefix.sh "$build"
# A screen large enough for the main window at 200 % (1160 x 1200).
exec xvfb-run -a -s "-screen 0 2560x1600x24" bash scripts/windows-under-wine.sh "$build" "$start"
