#!/usr/bin/env bash
# Compiles and links the core and kalvora-calc for 64-bit Windows with MinGW-w64 (no tests run).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v x86_64-w64-mingw32-g++-posix >/dev/null || {
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq g++-mingw-w64-x86-64; }
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DKALVORA_BUILD_GUI=OFF -DKALVORA_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-windows -j "${KALVORA_JOBS:-2}" --target kalvora-calc
file build-windows/bin/kalvora-calc.exe 2>/dev/null || ls -l build-windows/bin/kalvora-calc.exe
