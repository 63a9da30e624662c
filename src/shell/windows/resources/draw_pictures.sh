#!/usr/bin/env bash
# Redraws the program's pictures with ImageMagick: the menu's logo and Internet button (shipped in
# data/Data/, read at start-up), the window manager's three button faces, and the window icon.
# Usage: src/shell/windows/resources/draw_pictures.sh   (needs imagemagick and fonts-liberation2)
set -euo pipefail
cd "$(dirname "$0")"
data=../../../../data
fonts=/usr/share/fonts/truetype/liberation2
# No time stamps in the files, so that redrawing changes nothing when nothing was changed.
png=(-strip -define png:exclude-chunks=date,time)

# The logo: the program's name on a blue band, with a sine wave for the electronics.
convert -size 33x161 gradient:'#3a6ea5-#0a246a' -rotate 90 \
    \( -size 161x33 xc:none -fill white -draw "roundrectangle 0,0 160,32 6,6" \) \
    -compose DstIn -composite -compose Over \
    -fill none -stroke '#ffd24a' -strokewidth 2 \
    -draw "path 'M 100,17 C 106,4 112,4 118,17 S 130,30 136,17 S 148,4 154,17'" \
    -stroke none -fill white -font $fonts/LiberationSans-BoldItalic.ttf -pointsize 27 \
    -annotate +10+27 'ZORV' \
    -channel A -threshold 50% +channel +dither -colors 63 -strip "$data/Data/logo1.gif"

# The Internet button: a raised button face with a globe.
convert -size 145x25 xc:'#d4d0c8' \
    -fill none -stroke white -draw "line 0,0 144,0" -draw "line 0,0 0,24" \
    -stroke '#404040' -draw "line 0,24 144,24" -draw "line 144,0 144,24" \
    -stroke '#808080' -draw "line 1,23 143,23" -draw "line 143,1 143,23" \
    -fill '#3d85c6' -stroke '#0b3d6e' -draw "circle 15,12 15,3" \
    -fill none -stroke '#dbe9f7' -draw "ellipse 15,12 3.5,8.5 0,360" \
    -draw "line 7,12 23,12" -draw "line 9,7.5 21,7.5" -draw "line 9,16.5 21,16.5" \
    -stroke none -fill black -font $fonts/LiberationSans-Regular.ttf -pointsize 11 \
    -annotate +31+16 'Site Internet de ZORV' \
    +dither -colors 32 -strip "$data/Data/link1.gif"

# The window manager's pictures: two light grey button faces with black serif words, and a bar.
face() { # width word file
    convert -size "${1}x21" xc:none -fill '#d4d0c8' -stroke '#6d6d6d' \
        -draw "roundrectangle 0,0 $(($1 - 1)),20 4,4" \
        -stroke white -fill none -draw "line 4,1 $(($1 - 5)),1" \
        -stroke none -fill black -font $fonts/LiberationSerif-Regular.ttf -pointsize 12 \
        -gravity center -annotate +0+0 "$2" \
        -channel A -threshold 50% +channel +dither -colors 32 "${png[@]}" "PNG32:$3"
}
face 54 'Aligner' aligner.png
face 86 'Tri en cascade' cascade.png
convert -size 156x15 xc:'#808080' -fill none -stroke '#303030' -draw "rectangle 0,0 155,14" \
    -stroke '#a0a0a0' -draw "line 1,1 154,1" "${png[@]}" PNG24:bar.png

# The window icon, in 16 colours: a white "Z" underlined in yellow on a dark blue square.
icon() { # size file
    local s=$1
    convert -size "${s}x${s}" xc:none -fill '#0a246a' \
        -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $((s / 6)),$((s / 6))" \
        -fill white -font $fonts/LiberationSans-Bold.ttf -pointsize "$((s * 7 / 8))" \
        -gravity center -annotate "+0-$((s / 16))" 'Z' \
        -fill none -stroke '#ffd200' -strokewidth $(((s + 15) / 16)) \
        -draw "line $((s / 6)),$((s * 7 / 8)) $((s - 1 - s / 6)),$((s * 7 / 8))" \
        -channel A -threshold 50% +channel +dither -colors 16 "${png[@]}" "PNG8:$2"
}
icon 16 zorv16.png
icon 32 zorv32.png
icon 48 zorv48.png
# Not stored with the program: the larger size that software centres and the desktop menus show.
icon 128 zorv128.png
