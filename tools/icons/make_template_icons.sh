#!/usr/bin/env bash
# Draws the template's placeholder launcher icon (a white note on a round
# violet-to-teal disc) and writes it in the six densities the build replaces,
# with the foreground layer of the adaptive icon (the disc in the middle 72 dp
# of 108 dp, transparent around it) in five.
# Usage: make_template_icons.sh [template folder]
set -euo pipefail
tpl=${1:-$(cd "$(dirname "$0")/../../template" && pwd)}
convert=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 384 px master: gradient disc, then the note (two heads, stems and a beam).
$convert -size 384x384 -define gradient:direction=NorthEast gradient:'#14b8a6'-'#7b3fe4' "$work/grad.png"
$convert -size 384x384 xc:none -fill white -draw 'circle 192,192 192,8' "$work/mask.png"
$convert "$work/grad.png" "$work/mask.png" -alpha off -compose CopyOpacity -composite "$work/disc.png"
$convert "$work/disc.png" -fill white -stroke none \
  -draw 'ellipse 146,262 38,29 0,360' \
  -draw 'ellipse 262,236 38,29 0,360' \
  -draw 'rectangle 168,110 186,262' \
  -draw 'rectangle 284,84 302,236' \
  -draw 'polygon 168,110 302,84 302,124 168,150' \
  "$work/master.png"

for d in xhdpi:96 hdpi:72 mdpi:48 ldpi:36 xxhdpi:144 xxxhdpi:192; do
  mkdir -p "$tpl/res/drawable-${d%%:*}"
  $convert "$work/master.png" -filter Lanczos -resize "${d#*:}x${d#*:}" -strip \
    "PNG32:$tpl/res/drawable-${d%%:*}/icon.png"
done
for d in mdpi:72:108 hdpi:108:162 xhdpi:144:216 xxhdpi:216:324 xxxhdpi:288:432; do
  IFS=: read -r density shown layer <<<"$d"
  $convert "$work/master.png" -filter Lanczos -resize "${shown}x${shown}" -background none \
    -gravity center -extent "${layer}x${layer}" -strip "PNG32:$tpl/res/drawable-$density/icon_foreground.png"
done
