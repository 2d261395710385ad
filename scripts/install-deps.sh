#!/usr/bin/env bash
# Installs what building and running Kalvora needs on Debian 12 (with --tests also what the
# tests, the sanitizer, fuzzing and packaging checks, the window-manager test and the
# accessibility bus that the screen-reader check reads the program through need; with --windows
# what the Windows build, its packages and its tests under Wine need); installs nothing already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libgl1-mesa-dev
  xvfb xauth fonts-liberation2 fonts-dejavu-core
)
if [ "${1:-}" = "--windows" ]; then
  packages=(
    cmake ninja-build python3 g++-mingw-w64-x86-64 googletest nsis
    wine wine64 xvfb xauth imagemagick fonts-liberation2 fonts-dejavu-core
  )
elif [ "${1:-}" = "--tests" ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev locales
    clang-14 libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev file lintian
    openbox x11-utils xdotool imagemagick
    dbus-daemon at-spi2-core python3-pyatspi
  )
fi
# With --web only what the browser version's build and tests need (scripts/build-web.sh): the
# three engines the page is tested in are Debian's chromium, firefox-esr and WebKitGTK's
# MiniBrowser with its WebDriver server (on a virtual display).
if [ "${1:-}" = "--web" ]; then
  packages=(cmake ninja-build build-essential emscripten node-acorn googletest fonts-liberation2
    chromium firefox-esr webkit2gtk-driver xvfb xauth)
  # node and npm may come from elsewhere than Debian (a newer node ships its own npm).
  command -v npm >/dev/null || packages+=(nodejs npm)
fi
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The tests prove that a Czech locale (decimal comma) changes nothing: it must exist.
if [ "${1:-}" = "--tests" ] && ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; then
  "${sudo_cmd[@]}" sed -i 's/^# *\(cs_CZ.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^cs_CZ.UTF-8 UTF-8' /etc/locale.gen || echo 'cs_CZ.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
