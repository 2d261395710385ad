#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs each for SECONDS seconds (default 60) on its seed corpus; fails when any finds a fault.
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
status=0
for target in number_reader result_format batch model; do
  work=build-fuzz/corpus/$target findings=build-fuzz/findings/$target log=build-fuzz/fuzz_$target.log
  mkdir -p "$work" "$findings"
  echo "== fuzz_$target for ${seconds}s"
  if build-fuzz/bin/fuzz_$target "$work" fuzz/corpus/$target -max_total_time="$seconds" \
      -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
    grep -E "stat::number_of_executed_units|Done" "$log" || true
  else
    # A finding: the fuzzer's report, and a non-zero status for whoever runs this.
    tail -n 60 "$log"
    status=1
  fi
done
exit $status
