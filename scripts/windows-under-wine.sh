#!/usr/bin/env bash
# The part of scripts/test-windows.sh that needs the X display: the window tests, the screenshots,
# the packages and the install round trip. Arguments: the build folder and the start second.
set -euo pipefail
build=$1
start=$2
to_windows() { winepath -w "$1" 2>/dev/null; }
shots=$PWD/$build/screenshots
rm -rf "$shots" && mkdir -p "$shots"

# The display scale of the prefix (HKCU\Control Panel\Desktop LogPixels), read by programs that
# start after the Wine server has ended.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
}
set_dpi 96
KALVORA_SCREENSHOTS=$(to_windows "$shots") wine "$build/bin/kalvora_win32_tests.exe" --gtest_brief=1
echo "windows: window tests done after $((SECONDS - start)) s"
# At 125, 150 and 200 %: the layout and scale tests, the worked examples and the screenshots.
for dpi in 120 144 192; do
  set_dpi "$dpi"
  mkdir -p "$shots/dpi-$dpi"
  KALVORA_SCREENSHOTS=$(to_windows "$shots/dpi-$dpi") wine "$build/bin/kalvora_win32_tests.exe" --gtest_brief=1 \
    --gtest_filter='Scale.*:AllTopics/Forms.*:Screenshots.*'
  echo "windows: tests at $dpi DPI done after $((SECONDS - start)) s"
done
set_dpi 96

# A screenshot of the main window as the X server shows it, beside the ones the tests took.
(cd "$build/bin" && wine kalvora.exe >/dev/null 2>&1 &)
sleep 4
import -window root "$shots/screen-import.png"
wineserver -k || true
for picture in "$shots"/*.bmp "$shots"/dpi-*/*.bmp; do convert "$picture" "${picture%.bmp}.png" && rm "$picture"; done

scripts/package-windows.sh >/dev/null
version=$(sed -n 's/^project(kalvora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# The listing read whole before it is searched: `grep -q` leaving the pipe at the first match made
# the lister fail on a broken pipe now and then, and pipefail then failed a zip that was right.
listing=$(python3 -m zipfile -l "$build/dist/kalvora-$version-win64.zip")
grep -q 'kalvora-calc.exe' <<<"$listing"

# Silent install into a folder of our choosing, the installed program started and closed, and a
# silent uninstall that leaves nothing behind.
target='C:\kalvora-install-test'
target_unix=$WINEPREFIX/drive_c/kalvora-install-test
menu=$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
menu_unix=$(winepath -u "$menu\\Microsoft\\Windows\\Start Menu\\Programs\\Kalvora" 2>/dev/null)
wine "$build/dist/kalvora-$version-setup.exe" /S "/D=$target"
for file in kalvora.exe kalvora-calc.exe toolbar508.bmp toolbar508@2x.bmp kalvora-napoveda.html LICENSE.txt CTI-MNE.txt Odinstalovat.exe; do
  [ -f "$target_unix/$file" ] || { echo "not installed: $file"; exit 1; }
done
[ -f "$menu_unix/Kalvora.lnk" ] || { echo "no Start-menu entry"; exit 1; }
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvora' >/dev/null
KALVORA_INSTALLED_PROGRAM="$target\\kalvora.exe" wine "$build/bin/kalvora_win32_tests.exe" --gtest_brief=1 \
  --gtest_filter='Installed.*'
wine "$target\\Odinstalovat.exe" /S
for _ in $(seq 60); do [ -e "$target_unix" ] || break; sleep 0.5; done
wineserver -w
leftovers=()
[ -e "$target_unix" ] && leftovers+=("$target_unix")
[ -e "$menu_unix" ] && leftovers+=("$menu_unix")
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kalvora' >/dev/null 2>&1 &&
  leftovers+=("uninstall registry key")
wine reg query 'HKCU\Software\Kalvora' >/dev/null 2>&1 && leftovers+=("HKCU\\Software\\Kalvora")
if ((${#leftovers[@]})); then
  echo "left behind after uninstalling: ${leftovers[*]}"
  exit 1
fi
echo "windows: installed, started, uninstalled, nothing left behind"
echo "windows: all done in $((SECONDS - start)) s"
