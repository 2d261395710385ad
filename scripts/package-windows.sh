#!/usr/bin/env bash
# Builds the Windows packages from Linux: build-windows/dist/kalvora-<version>-win64.zip and the
# NSIS installer build-windows/dist/kalvora-<version>-setup.exe (both programs, the toolbar strip,
# the help page, the licence and a Czech read-me). Two runs on one commit give the same bytes:
# every time stamp is SOURCE_DATE_EPOCH (the last commit's time unless given) and the files go
# in in a fixed order. The build folder is build-windows unless KALVORA_WINDOWS_BUILD says.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
build=${KALVORA_WINDOWS_BUILD:-build-windows}
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
export SOURCE_DATE_EPOCH
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DKALVORA_BUILD_GUI=OFF -DKALVORA_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "${KALVORA_JOBS:-2}" --target kalvora kalvora-calc
version=$(sed -n 's/^project(kalvora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=kalvora-$version
stage=$build/dist/$name-win64
rm -rf "$stage" && mkdir -p "$stage"
cp "$build"/bin/kalvora.exe "$build"/bin/kalvora-calc.exe "$stage"/
x86_64-w64-mingw32-strip "$stage"/kalvora-calc.exe
cp resources/pictures/toolbar508.bmp resources/pictures/toolbar508@2x.bmp resources/help/kalvora-napoveda.html "$stage"/
# Text files with Windows line ends, for Notepad of every Windows version.
for text in LICENSE.txt CTI-MNE.txt; do sed 's/$/\r/' "packaging/windows/$text" > "$stage/$text"; done
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
rm -f "$build/dist/$name-win64.zip"
scripts/make-zip.py "$build/dist/$name-win64.zip" "$stage"
makensis -V2 -DVERSION="$version" -DSTAGE="$PWD/$stage" -DICON="$PWD/$build/win32/pictures/icon201.ico" \
  -DOUTFILE="$PWD/$build/dist/$name-setup.exe" packaging/windows/kalvora.nsi
ls -l "$build/dist/$name-win64.zip" "$build/dist/$name-setup.exe"
