#!/usr/bin/env bash
# Draws the sample album's pictures (needs ImageMagick: apt-get install
# imagemagick). The pictures are kept in the repository; this script only
# records how they were made, so they can be made again.
set -euo pipefail
out=${1:-"$(dirname "$0")/../examples/sample-pictures"}
mkdir -p "$out"
cd "$out"

# Landscape, portrait, square, wide: pictures of different sizes and shapes.
convert -size 640x480 gradient:'#ff9a3c-#2a4d9e' \
  -fill '#ffe680' -draw 'circle 320,300 320,230' \
  -fill '#1d2b4a' -draw 'rectangle 0,380 640,480' -strip -quality 72 sunrise.jpg
convert -size 360x480 gradient:'#cfeecf-#1f5e2c' \
  -fill '#0f3d1a' -draw 'polygon 180,60 60,300 300,300' -draw 'polygon 180,160 40,420 320,420' \
  -fill '#5a3a1a' -draw 'rectangle 165,420 195,480' -strip -quality 72 forest.JPG
convert -size 400x400 gradient:'#bfe6ff-#0b5f8a' \
  -fill '#ffffff' -draw 'ellipse 200,250 150,30 0,360' -strip -quality 72 lake.jpeg
convert -size 520x390 gradient:'#e9f1ff-#8aa6c8' \
  -fill '#5b6270' -draw 'polygon 0,390 160,120 300,300 400,170 520,390' \
  -fill '#ffffff' -draw 'polygon 160,120 130,175 190,175' -strip -quality 72 mountain.JPEG
convert -size 900x220 gradient:'#f7d9a8-#d96e3a' \
  -fill '#6b2f1a' -draw 'polygon 0,220 120,140 260,180 420,110 600,170 760,120 900,160 900,220' \
  -strip -quality 72 panorama.jpg
convert -size 320x240 xc:'#f4e3c1' -fill '#3c8dbc' -draw 'rectangle 0,0 320,110' \
  -fill '#ffffff' -draw 'ellipse 80,60 40,14 0,360' -strip -quality 72 'beach walk.jpg'
convert -size 300x300 xc:'#0a0a2a' -stroke '#ff5a8a' -strokewidth 4 \
  -draw 'line 150,150 150,40' -draw 'line 150,150 250,110' -draw 'line 150,150 240,230' \
  -draw 'line 150,150 60,240' -draw 'line 150,150 50,100' -stroke '#ffd23c' \
  -draw 'line 150,150 200,50' -draw 'line 150,150 100,260' -strip -quality 72 '花火.jpg'
convert -size 240x180 gradient:'#ffffff-#a0a0a0' -fill '#c03030' \
  -draw 'roundrectangle 60,40 180,140 12,12' -strip -quality 72 IMG_2.jpg
convert -size 180x240 gradient:'#fff6c8-#e0a030' -fill '#804010' \
  -draw 'circle 90,120 90,60' -strip -quality 72 IMG_10.jpg

# GIFs: a small icon, a banner and a tile.
convert -size 64x64 xc:none -fill '#ffcc00' -stroke '#996600' -draw 'circle 32,32 32,6' \
  -fill '#000000' -stroke none -draw 'circle 24,26 24,22' -draw 'circle 40,26 40,22' icon.gif
convert -size 600x120 gradient:'#40a0ff-#ffffff' -fill '#2050a0' \
  -draw 'rectangle 0,100 600,120' banner.GIF
convert -size 48x48 xc:'#fffbe6' -fill '#f0e0b0' -draw 'circle 12,12 12,6' \
  -draw 'circle 36,36 36,30' dots.gif

# One other page, one download, one backup: the album treats each by its kind.
printf '<HTML>\n<BODY>\n<P>Notes of the trip.</P>\n</BODY>\n</HTML>\n' > notes.htm
printf 'Day 1: the coast road.\nDay 2: the lake and the forest.\n' > route.txt
printf 'An older copy of the route.\n' > route.txt.bak
