#!/usr/bin/env bash
# Figures of the Windows program (printed, never asserted): the size of kalvora.exe and of the
# installer, and under Wine on a virtual display the start-up to the main window and the resident
# memory (working set) of kalvora.exe against a minimal Win32 program with one 580 x 600 window
# and a status bar, measured alternately in the same run (median of 5 starts each).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/package-windows.sh >/dev/null
build=build-windows
cmake --build "$build" -j "${KALVORA_JOBS:-2}" --target minimal_window startup_probe >/dev/null
export WINEPREFIX=$PWD/$build/wineprefix WINEDEBUG=-all WINEARCH=win64
[ -f "$WINEPREFIX/system.reg" ] || { xvfb-run -a wine wineboot -i >/dev/null 2>&1 || true; wineserver -w; }
version=$(sed -n 's/^project(kalvora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
echo "kalvora.exe:        $(stat -c %s "$build/bin/kalvora.exe") bytes"
echo "installer:          $(stat -c %s "$build/dist/kalvora-$version-setup.exe") bytes"
echo "zip:                $(stat -c %s "$build/dist/kalvora-$version-win64.zip") bytes"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  bin='"$build"'/bin
  wineserver -p  # one Wine server for every start, as on a running desktop
  wine "$bin/startup_probe.exe" "$bin/minimal_window.exe" MinimalWindowClass >/dev/null  # warm-up
  : > /tmp/kalvora-windows-starts
  for _ in 1 2 3 4 5; do
    echo "minimal $(cd "$bin" && wine startup_probe.exe minimal_window.exe MinimalWindowClass)" >> /tmp/kalvora-windows-starts
    echo "kalvora $(cd "$bin" && wine startup_probe.exe kalvora.exe WinAPIMainClass)" >> /tmp/kalvora-windows-starts
  done
  wineserver -k || true
'
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for program in minimal kalvora; do
  ms=$(grep "^$program " /tmp/kalvora-windows-starts | awk '{print $2}' | tr -d '\r' | median)
  kb=$(grep "^$program " /tmp/kalvora-windows-starts | awk '{print $3}' | tr -d '\r' | median)
  printf '%-19s start-up %s ms, working set %s KB\n' "$program:" "$ms" "$kb"
  eval "${program}_ms=$ms ${program}_kb=$kb"
done
awk -v k="$kalvora_ms" -v m="$minimal_ms" -v kk="$kalvora_kb" -v mk="$minimal_kb" \
  'BEGIN {printf "ratio:              start-up %.2fx, working set %.2fx of the minimal program\n", k / m, kk / mk}'
