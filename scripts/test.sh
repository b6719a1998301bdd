#!/usr/bin/env bash
# Installs what is missing, builds everything from scratch and runs every
# test twice: in a normal build and in one with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

run_tests() {
  local build=$1
  shift
  rm -rf "$build"
  cmake -S . -B "$build" -G Ninja -DLUMENFOLD_WERROR=ON "$@"
  cmake --build "$build" --parallel
  ctest --test-dir "$build" --output-on-failure --parallel 2
}

run_tests build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENFOLD_PACKAGE_TEST=ON
run_tests build/sanitize -DCMAKE_BUILD_TYPE=Debug -DLUMENFOLD_SANITIZE=ON -DLUMENFOLD_BUILD_BENCH=OFF
echo "All tests passed, with and without sanitizers."
