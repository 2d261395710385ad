#!/usr/bin/env bash
# Runs every benchmark on the programs in build/bin (or $KALVORA_BIN_DIR) and prints one Markdown
# table: start-up to the main window on screen and resident memory against a minimal Qt Widgets
# program (startup.sh), the mean field and topic switch over 1,000 and the resident memory around
# 10,000 field switches (kalvora_switch_benchmark), and kalvora-calc --batch throughput
# (batch_throughput.sh). Figures only: nothing here passes or fails on time.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${KALVORA_BIN_DIR:-build/bin}
switches=${SWITCHES:-1000}
long_run=${LONG_RUN:-10000}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
for program in kalvora kalvora_startup_baseline kalvora_switch_benchmark kalvora-calc; do
  [ -x "$bin/$program" ] || { echo "missing $bin/$program: run scripts/build.sh first" >&2; exit 1; }
done

startup=$(KALVORA_BIN_DIR=$bin benchmarks/startup.sh)
switching=$("$bin/kalvora_switch_benchmark" "$switches" "$long_run" 2>/dev/null)
batch=$(KALVORA_CALC=$bin/kalvora-calc benchmarks/batch_throughput.sh)

startup_of() {  # name -> "<median ms> <VmRSS kB>"
  echo "$startup" | sed -n "s/^$1 *start to shown: median *\([0-9.]*\) ms.*VmRSS mean *\([0-9]*\) kB$/\1 \2/p"
}
value() { echo "$switching" | sed -n "s/^$1 //p"; }
read -r kalvora_ms kalvora_kb <<<"$(startup_of kalvora)"
read -r baseline_ms baseline_kb <<<"$(startup_of 'minimal Qt Widgets program')"
before=$(value rss_before_kb)
after=$(value rss_after_kb)
lines_per_second=$(echo "$batch" | sed -n 's/.*= \([0-9]*\) lines\/s.*/\1/p')
mb() { awk -v kb="$1" 'BEGIN { printf "%.1f MB", kb / 1024 }'; }

echo "| measurement | Kalvora | minimal Qt Widgets program |"
echo "|---|---|---|"
echo "| start-up to main window on screen (median of ${RUNS:-10}, $QT_QPA_PLATFORM) | $kalvora_ms ms | $baseline_ms ms |"
echo "| resident memory (VmRSS) at that moment | $(mb "$kalvora_kb") | $(mb "$baseline_kb") |"
echo "| one field switch, mean of $switches (six fields in turn, repaint included) | $(value field_switch_ms) ms | |"
echo "| one topic switch, mean of $switches (electrical topic labels in turn) | $(value topic_switch_ms) ms | |"
echo "| resident memory before and after $long_run field switches | $(mb "$before") → $(mb "$after") ($((after - before)) kB) | |"
echo "| \`kalvora-calc --batch\` lines per second (one core) | $lines_per_second | |"
