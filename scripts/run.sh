#!/usr/bin/env bash
# Installs what is missing, builds, and makes the album of the bundled sample
# pictures. The page is written beside a copy of the pictures, since it refers
# to them by their bare names.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=build/run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DLUMENFOLD_BUILD_TESTS=OFF -DLUMENFOLD_BUILD_BENCH=OFF
cmake --build "$build" --parallel

album=build/sample-album
rm -rf "$album"
cp -r examples/sample-pictures "$album"
"$build/cli/lumenfold-cli" "$album" --filter all --size 3 --colour cyan \
  --title "Lumenfold sample album" --upper-comment "Twelve pictures, one page." \
  --lower-comment "Made with lumenfold-cli" --stamp-date --yes
echo "Open $(pwd)/$album/DSC.htm in a browser."
