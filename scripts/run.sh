#!/usr/bin/env bash
# Installs what is missing, builds, makes the album of the bundled sample
# pictures with lumenfold-cli, and starts the window with its dialogs in the
# sample folder. The album is written beside a copy of the pictures, since the
# page refers to them by their bare names.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=build/run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DLUMENFOLD_BUILD_TESTS=OFF -DLUMENFOLD_BUILD_BENCH=OFF
cmake --build "$build" --parallel

album=$PWD/build/sample-album
rm -rf "$album"
cp -r examples/sample-pictures "$album"
"$build/cli/lumenfold-cli" "$album" --filter all --size 3 --colour cyan \
  --title "Lumenfold sample album" --upper-comment "Twelve pictures, one page." \
  --lower-comment "Made with lumenfold-cli" --stamp-date --yes
echo "Open $album/DSC.htm in a browser."

if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display here, so the window is not started."
  echo "On a desktop: $build/app/lumenfold $album"
  exit 0
fi
exec "$build/app/lumenfold" "$album"
