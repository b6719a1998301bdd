#!/usr/bin/env bash
# Scales the program icon's pixel art to the icon theme's sizes, pixel for
# pixel (needs ImageMagick). The results are kept in resources/icons/hicolor.
set -euo pipefail
cd "$(dirname "$0")/icons"
cp program_16.png hicolor/16x16.png
cp program_32.png hicolor/32x32.png
convert program_16.png -filter point -resize 300% hicolor/48x48.png
for scale in 2 4 8; do
  size=$((32 * scale))
  convert program_32.png -filter point -resize "$((scale * 100))%" "hicolor/${size}x${size}.png"
done
