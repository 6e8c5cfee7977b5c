#!/usr/bin/env bash
# Draws the program's icon, a calendar page with an eight-pointed Orthodox cross, with ImageMagick
# and writes it in the sizes of the desktop's icon theme to packaging/icons/veltrin-<size>.png.
# The pictures are kept in the repository, so a build needs no ImageMagick; run this again after
# changing the drawing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/packaging/icons}
sizes=(16 22 24 32 48 64 128 256)

# ImageMagick 7 calls itself `magick`; 6 installs `convert` under /usr/bin.
if command -v magick >/dev/null; then
  im=(magick)
elif [ -x /usr/bin/convert ]; then
  im=(/usr/bin/convert)
else
  im=(convert)
fi

mkdir -p "$out"
master=$(mktemp --suffix=.png)
trap 'rm -f "$master"' EXIT

page=#fbf6e9
band=#a61d1d
edge=#5a3b22
cross=#7d1212

# The drawing is made on a 256-pixel square: the page with its red head band and two rings, then
# the cross on the page (title board, crossbar and the slanted footrest, its left end raised).
"${im[@]}" -size 256x256 xc:none \
  -fill '#00000040' -stroke none -draw 'roundrectangle 30,32 234,246 20,20' \
  -fill "$band" -draw 'roundrectangle 22,22 226,238 20,20' \
  -fill "$page" -draw 'roundrectangle 22,76 226,238 20,20' \
  -draw 'rectangle 22,76 226,100' \
  -fill none -stroke "$edge" -strokewidth 5 -draw 'roundrectangle 22,22 226,238 20,20' \
  -stroke "$edge" -strokewidth 4 -draw 'line 22,76 226,76' \
  -fill '#3a3a3a' -stroke '#1e1e1e' -strokewidth 2 \
  -draw 'roundrectangle 66,6 84,44 8,8' -draw 'roundrectangle 164,6 182,44 8,8' \
  -fill "$cross" -stroke none \
  -draw 'rectangle 115,88 133,228' \
  -draw 'rectangle 98,100 150,113' \
  -draw 'rectangle 74,126 174,143' \
  -draw 'polygon 90,176 158,200 158,215 90,191' \
  "$master"

for s in "${sizes[@]}"; do
  "${im[@]}" "$master" -filter Lanczos -resize "${s}x${s}" -strip "PNG32:$out/veltrin-$s.png"
done
echo "Icons written to $out: ${sizes[*]}"
