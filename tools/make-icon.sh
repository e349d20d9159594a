#!/usr/bin/env bash
# Builds the application icon res/quarnel.ico from the hand-drawn ship's wheel in res/icon/.
#
#   tools/make-icon.sh            (from anywhere; writes res/quarnel.ico of this checkout)
#
# The icon holds 16, 24, 32, 48, 64, 72, 80, 96, 128 and 256 px images, all 32 bits per pixel
# with alpha (the 256 px one PNG-compressed, as Windows expects). 16 and 24 px come from
# quarnel-wheel-small.svg, which is drawn for those sizes; the rest from quarnel-wheel.svg.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert (tools/install-deps.sh installs
# both). Rerunning it yields the same file byte for byte; commit res/quarnel.ico afterwards.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/res/icon
out=$root/res/quarnel.ico
sizes=(16 24 32 48 64 72 80 96 128 256)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pngs=()
for size in "${sizes[@]}"; do
    svg=$src/quarnel-wheel.svg
    ((size > 24)) || svg=$src/quarnel-wheel-small.svg
    rsvg-convert --width "$size" --height "$size" --format png "$svg" --output "$work/$size.png"
    pngs+=("$work/$size.png")
done

# Force true colour with alpha for every entry (ImageMagick would otherwise pick a palette for
# simple images) and leave out time stamps so the result is reproducible.
convert "${pngs[@]}" -strip -alpha on -define png:color-type=6 -define png:exclude-chunks=date,time \
    -type TrueColorAlpha "$work/quarnel.ico"
mv "$work/quarnel.ico" "$out"
echo "wrote $out ($(stat -c %s "$out") bytes)"
