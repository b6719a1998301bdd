#!/usr/bin/env bash
# Starts the window under a virtual X server and saves what it shows to
# docs/window.png. Builds the program first if it is not built yet.
#   scripts/screenshot-window.sh [BUILD_DIR]   (default: build/screenshot)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/screenshot}
if [[ ! -x "$build/app/lumenfold" ]]; then
  cmake -S . -B "$build" -G Ninja -DLUMENFOLD_BUILD_TESTS=OFF -DLUMENFOLD_BUILD_BENCH=OFF
  cmake --build "$build" --parallel 2 --target lumenfold
fi

display=:${SCREENSHOT_DISPLAY:-97}
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp &
xvfb_pid=$!
trap 'kill "$app_pid" "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1

# The window keeps its place (59, 2) and client size 500 x 424. There is no
# window manager, so the picture is the client area without the frame.
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/app/lumenfold" "$PWD/resources" &
app_pid=$!
sleep 2
DISPLAY=$display import -window root -crop 500x424+59+2 +repage docs/window.png
echo "wrote docs/window.png"
