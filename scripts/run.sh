#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program. Without a display ($DISPLAY
# and $WAYLAND_DISPLAY empty) it runs the program on a virtual X server instead, lets it save a
# screenshot of its main window (KALVORA_SCREENSHOT, 1.5 s after the window is painted), prints
# the screenshot's path and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build_dir=${KALVORA_BUILD_DIR:-build}
program=$build_dir/bin/kalvora

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

shot=${KALVORA_SCREENSHOT:-$PWD/$build_dir/kalvora-screenshot.png}
rm -f "$shot"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
KALVORA_SCREENSHOT=$shot timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" "$program"
[ -s "$shot" ] || { echo "no screenshot was saved" >&2; exit 1; }
echo "$shot"
