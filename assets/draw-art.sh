#!/usr/bin/env bash
# Draws the menu-column backdrop (115 x 235) and the program icon (32 x 32) with ImageMagick.
# The PNG files are committed; run this again only to change the pictures.
set -euo pipefail
cd "$(dirname "$0")"

convert -size 115x235 gradient:'#1b2a41'-'#05080f' \
    -fill none -stroke '#2e4a6b' -strokewidth 1 \
    -draw 'line 8,110 107,110' -draw 'line 8,112 107,112' \
    -fill '#0e1a2b' -stroke '#3b6ea5' -strokewidth 2 -draw 'circle 57,170 57,146' \
    -fill '#3b6ea5' -stroke none -font DejaVu-Sans-Bold -pointsize 30 -gravity northwest \
    -annotate +47+152 'S' \
    -define png:exclude-chunks=date,time backdrop.png

convert -size 32x32 xc:none \
    -fill '#1b2a41' -stroke '#00ff00' -strokewidth 2 -draw 'circle 16,16 16,2' \
    -fill '#ffff00' -stroke none -font DejaVu-Sans-Bold -pointsize 20 -gravity center \
    -annotate +0+0 'S' \
    -colors 16 -define png:exclude-chunks=date,time icon.png
