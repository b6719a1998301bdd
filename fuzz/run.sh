#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time.
# Usage: fuzz/run.sh [SECONDS_PER_TARGET]   (default 150)
# Findings land in fuzz/findings/; make each one a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-150}
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DLUMENFOLD_FUZZ=ON -DLUMENFOLD_BUILD_TESTS=OFF \
  -DLUMENFOLD_BUILD_BENCH=OFF -DLUMENFOLD_BUILD_GUI=OFF >/dev/null
cmake --build "$build" --parallel
mkdir -p fuzz/findings
for target in name_rules pattern natural_order page_writer; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== $target: $seconds s"
  "$build/fuzz/${target}_fuzz" "$corpus" "fuzz/corpus/$target" -max_total_time="$seconds" \
    -artifact_prefix="fuzz/findings/${target}-" -print_final_stats=1 2>&1 |
    grep -E 'stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY|Test unit written' || true
done
