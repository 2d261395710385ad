#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs each for SECONDS seconds (default 60) on its seed corpus, as many at a time as there
# are build jobs (KALVORA_JOBS, default 2); fails when any finds a fault.
# Findings land in build-fuzz/findings/<target>/; add each to fuzz/corpus/<target>/ once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
command -v clang++-14 >/dev/null || { apt-get update -qq && apt-get install -y -qq clang-14 libclang-rt-14-dev; }
flags="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -g -O1"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DKALVORA_FUZZ=ON \
  -DKALVORA_BUILD_GUI=OFF -DKALVORA_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$flags" >/dev/null
cmake --build build-fuzz -j "${KALVORA_JOBS:-2}"
# One target per build job at a time, each with its own log, printed when its round has run.
run() {
  local target=$1
  local work=build-fuzz/corpus/$target findings=build-fuzz/findings/$target log=build-fuzz/fuzz_$target.log
  mkdir -p "$work" "$findings"
  build-fuzz/bin/fuzz_$target "$work" fuzz/corpus/$target -max_total_time="$seconds" \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1
}
targets=(number_reader result_format batch model)
jobs=${KALVORA_JOBS:-2}
status=0
for ((first = 0; first < ${#targets[@]}; first += jobs)); do
  round=("${targets[@]:first:jobs}")
  pids=()
  for target in "${round[@]}"; do run "$target" & pids+=($!); done
  for i in "${!round[@]}"; do
    target=${round[$i]}
    echo "== fuzz_$target for ${seconds}s"
    if wait "${pids[$i]}"; then
      grep -E "stat::number_of_executed_units|Done" "build-fuzz/fuzz_$target.log" || true
    else
      # A finding: the fuzzer's report, and a non-zero status for whoever runs this.
      tail -n 60 "build-fuzz/fuzz_$target.log"
      status=1
    fi
  done
done
exit $status
