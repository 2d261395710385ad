#!/usr/bin/env bash
# Saves a PNG of each view's main window with every form (form-<slug>.png), with each field's
# panel (field-<name>.png; in the Windows view the first form of each field shows it) and the
# help window, at display scale 1, into OUT_FOLDER, for benchmarks/compare-screenshots.sh. Two runs on one commit give the same
# pictures (the memory figures of the Windows view's status bar excepted: they are the machine's).
#
#   benchmarks/screenshots.sh qt OUT_FOLDER      offscreen Qt, from build/ (built here)
#   benchmarks/screenshots.sh win32 OUT_FOLDER   kalvora.exe under Wine on Xvfb, from build-windows/
#   benchmarks/screenshots.sh web OUT_FOLDER     headless chromium, from build-web/
set -euo pipefail
view=${1:?usage: screenshots.sh qt|win32|web OUT_FOLDER}
out=$(mkdir -p "${2:?usage: screenshots.sh qt|win32|web OUT_FOLDER}" && cd "$2" && pwd)
rm -f "$out"/*.png
cd "$(dirname "$0")/.."
jobs=${KALVORA_JOBS:-2}
case $view in
  qt)
    build=${KALVORA_BUILD_DIR:-build}
    [ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j "$jobs" --target kalvora_screenshots >/dev/null
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    # The offscreen platform's one note per window resize is left out.
    (cd "$build/bin" && QT_QPA_PLATFORM=offscreen ./kalvora_screenshots "$out") 2> >(grep -v propagateSizeHints >&2)
    ;;
  win32)
    build=build-windows
    scripts/install-deps.sh --windows
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DKALVORA_BUILD_GUI=OFF \
      -DKALVORA_BUILD_TESTS=OFF -DKALVORA_WINDOWS_TESTS=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" -j "$jobs" --target kalvora kalvora_win32_tests >/dev/null
    . scripts/wine-prefix.sh "$build"
    # A caret that does not blink (always shown) makes the pictures independent of the moment.
    wine reg add 'HKCU\Control Panel\Desktop' /v CursorBlinkRate /d -1 /f >/dev/null 2>&1
    wine_dpi 96
    # The first start of the program on a new display takes longer than the test allows for the
    # main window to appear; a short test of the program first takes that time.
    # The Wine server that winepath starts must end first: programs started while it runs would
    # open their windows on its display, not on the virtual display below.
    folder=$(winepath -w "$out" 2>/dev/null)
    wineserver -w
    shoot() {
      rm -f "$out"/*.bmp
      KALVORA_SCREENSHOTS=$folder xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
        wine "$0" --gtest_filter=Messages.* >/dev/null 2>&1
        wine "$0" --gtest_brief=1 --gtest_filter=Screenshots.*' "$build/bin/kalvora_win32_tests.exe"
    }
    shoot || { echo "screenshots: once more" >&2; shoot; }
    for picture in "$out"/*.bmp; do convert "$picture" "${picture%.bmp}.png" && rm "$picture"; done
    ;;
  web)
    [ -f "${KALVORA_WEB_BUILD_DIR:-build-web}/site/index.html" ] || scripts/build-web.sh
    node benchmarks/screenshots-web.mjs "$out"
    ;;
  *) echo "usage: screenshots.sh qt|win32|web OUT_FOLDER" >&2; exit 2 ;;
esac
[ -n "$(ls "$out"/*.png 2>/dev/null)" ] || { echo "no screenshots in $out" >&2; exit 1; }
echo "$(ls "$out"/*.png | wc -l) screenshots in $out"
