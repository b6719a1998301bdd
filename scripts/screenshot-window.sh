#!/usr/bin/env bash
# Starts the window under a virtual X server and saves what it shows.
#   scripts/screenshot-window.sh [BUILD_DIR]
#       the window as it starts, to docs/window.png
#   scripts/screenshot-window.sh --scanned [BUILD_DIR]
#       the window after a scan of examples/sample-pictures/ under the first
#       filter, to docs/window-scanned.png
# BUILD_DIR defaults to build/screenshot; what is missing there is built.
set -euo pipefail
cd "$(dirname "$0")/.."

scanned=false
if [[ ${1:-} == --scanned ]]; then
  scanned=true
  shift
fi
build=${1:-build/screenshot}

if $scanned; then
  # The scripted scan is a helper built with the tests, not the program.
  program=$build/tests/gui/window_scanned_shot
  arguments=("$PWD/examples/sample-pictures/")
  out=docs/window-scanned.png
  configure=(-DLUMENFOLD_BUILD_TESTS=ON -DLUMENFOLD_BROWSER_TESTS=OFF)
  target=window_scanned_shot
else
  program=$build/app/lumenfold
  arguments=("$PWD/resources")
  out=docs/window.png
  configure=(-DLUMENFOLD_BUILD_TESTS=OFF)
  target=lumenfold
fi

if [[ ! -x "$program" ]]; then
  cmake -S . -B "$build" -G Ninja -DLUMENFOLD_BUILD_BENCH=OFF "${configure[@]}"
  cmake --build "$build" --parallel 2 --target "$target"
fi

display=:${SCREENSHOT_DISPLAY:-97}
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp &
xvfb_pid=$!
app_pid=
trap 'kill $app_pid "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1

# The window keeps its place (59, 2) and client size 500 x 424. There is no
# window manager, so the picture is the client area without the frame.
DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" "${arguments[@]}" &
app_pid=$!
sleep 2
DISPLAY=$display import -window root -crop 500x424+59+2 +repage "$out"
echo "wrote $out"
