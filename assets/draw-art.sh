#!/usr/bin/env bash
# Draws the menu-column backdrop (115 x 235, and twice that for high-density screens) and the
# program icon (32 x 32 for the window, and the sizes a desktop menu uses) with ImageMagick.
# The PNG files are committed; run this again only to change the pictures.
set -euo pipefail
cd "$(dirname "$0")"

# backdrop SCALE FILE: the same picture at 1x or 2x, every coordinate multiplied.
backdrop() {
    local s=$1 half
    half=$(awk "BEGIN { print ($s - 1) / 2 }")
    local -a at
    at=($(awk -v s="$s" -v h="$half" 'BEGIN {
        print 8*s, 110*s+h, 108*s-1, 112*s+h, 57*s+h, 170*s+h, 146*s+h, 47*s, 152*s }'))
    convert -size "$((115 * s))x$((235 * s))" gradient:'#1b2a41'-'#05080f' \
        -fill none -stroke '#2e4a6b' -strokewidth "$s" \
        -draw "line ${at[0]},${at[1]} ${at[2]},${at[1]}" \
        -draw "line ${at[0]},${at[3]} ${at[2]},${at[3]}" \
        -fill '#0e1a2b' -stroke '#3b6ea5' -strokewidth "$((2 * s))" \
        -draw "circle ${at[4]},${at[5]} ${at[4]},${at[6]}" \
        -fill '#3b6ea5' -stroke none -font DejaVu-Sans-Bold -pointsize "$((30 * s))" \
        -gravity northwest -annotate "+${at[7]}+${at[8]}" 'S' \
        -define png:exclude-chunks=date,time "$2"
}

# icon SIZE FILE: the 32-pixel design scaled to SIZE; small sizes keep its 16 colours.
icon() {
    local size=$1 k
    k=$(awk "BEGIN { print $size / 32 }")
    local -a at
    at=($(awk -v k="$k" 'BEGIN { print 16*k, 2*k, 2*k, 20*k }'))
    local -a colours=()
    [ "$size" -le 32 ] && colours=(-colors 16)
    convert -size "${size}x${size}" xc:none \
        -fill '#1b2a41' -stroke '#00ff00' -strokewidth "${at[2]}" \
        -draw "circle ${at[0]},${at[0]} ${at[0]},${at[1]}" \
        -fill '#ffff00' -stroke none -font DejaVu-Sans-Bold -pointsize "${at[3]}" \
        -gravity center -annotate +0+0 'S' \
        "${colours[@]}" -define png:exclude-chunks=date,time "$2"
}

backdrop 1 backdrop.png
backdrop 2 backdrop@2x.png
icon 32 icon.png # also the 32-pixel menu icon
mkdir -p icons
for size in 16 22 24 48 64 128 256; do
    icon "$size" "icons/saldori-$size.png"
done
