#!/usr/bin/env bash
# Start-up time (process start to the main window painted) and resident memory at that moment,
# of kalvora and of a minimal Qt Widgets program of the same shape, each run RUNS times (default
# 10) on the offscreen platform. Both programs end by themselves (KALVORA_QUIT_AFTER_SHOW=1)
# after printing the moment of their first paint and their VmRSS to stderr.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${KALVORA_BIN_DIR:-build/bin}
runs=${RUNS:-10}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} KALVORA_QUIT_AFTER_SHOW=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

measure() {  # program -> prints "<ms> <kB>" per run
  local program=$1 log start shown rss
  log=$(mktemp)
  for ((i = 0; i < runs; ++i)); do
    start=$(date +%s%N)
    (cd "$bin" && "./$program") 2>"$log" >/dev/null
    shown=$(sed -n 's/^startup-probe: shown_at_ns=//p' "$log")
    rss=$(sed -n 's/^startup-probe: vmrss_kb=//p' "$log")
    [ -n "$shown" ] || { echo "$program printed no probe line:" >&2; cat "$log" >&2; exit 1; }
    echo "$(( (shown - start) / 1000 )) $rss"
  done
  rm -f "$log"
}

summary() {  # name, then lines "<us> <kB>" on stdin
  sort -n | awk -v name="$1" '
    { us[NR] = $1; kb[NR] = $2; sum += $1; ksum += $2 }
    END {
      median = (NR % 2) ? us[(NR + 1) / 2] : (us[NR / 2] + us[NR / 2 + 1]) / 2
      printf "%-26s start to shown: median %6.1f ms, mean %6.1f ms, min %6.1f ms, max %6.1f ms; VmRSS mean %6.0f kB\n",
             name, median / 1000, sum / NR / 1000, us[1] / 1000, us[NR] / 1000, ksum / NR
    }'
}

for program in kalvora kalvora_startup_baseline; do
  [ -x "$bin/$program" ] || { echo "missing $bin/$program: run scripts/build.sh first" >&2; exit 1; }
done
echo "$runs runs each, QT_QPA_PLATFORM=$QT_QPA_PLATFORM"
measure kalvora_startup_baseline >/dev/null  # warm the file cache
measure kalvora | summary kalvora
measure kalvora_startup_baseline | summary "minimal Qt Widgets program"
