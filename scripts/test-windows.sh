#!/usr/bin/env bash
# The Windows program's tests under Wine on a virtual X display: builds kalvora.exe and the
# window tests with MinGW-w64, runs them (screenshots land in build-windows/screenshots), then
# builds both packages, installs the installer silently, starts the installed program, uninstalls
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

export WINEPREFIX=$PWD/$build/wineprefix WINEDEBUG=-all WINEARCH=win64 LANG=cs_CZ.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  xvfb-run -a wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
# Windows' classic look with its own window frames, as the description's screenshots show it.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f >/dev/null 2>&1
wineserver -w
exec xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/windows-under-wine.sh "$build" "$start"
