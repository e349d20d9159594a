#!/usr/bin/env bash
# Builds the application icon res/quarnel.ico from the hand-drawn ship's wheel in res/icon/.
#
#   tools/make-icon.sh            (from anywhere; writes res/quarnel.ico of this checkout)
#
# The icon holds 16, 24, 32, 48, 64, 72, 80, 96, 128 and 256 px images, all 32 bits per pixel
# with alpha; the 256 px one is PNG-compressed, the others are uncompressed bitmaps. 16 and
# 24 px come from quarnel-wheel-small.svg, which is drawn for those sizes; the rest from
# quarnel-wheel.svg.
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
png_options=(-strip -alpha on -define png:color-type=6 -define png:exclude-chunks=date,time
             -type TrueColorAlpha)
convert "${pngs[@]}" "${png_options[@]}" "$work/quarnel.ico"

# ImageMagick stores the 256 px image as PNG (as Windows Vista and later read it) but at its
# default compression. It is the last entry and its bytes end the file: put a tighter PNG of
# the same pixels in their place and fix the entry's size field.
le32() { od -An -t u4 -j "$1" -N 4 "$2" | tr -d ' '; }
ico=$work/quarnel.ico
entry=$((6 + 16 * (${#sizes[@]} - 1)))
offset=$(le32 $((entry + 12)) "$ico")
size=$(le32 $((entry + 8)) "$ico")
if [ "$(od -An -t u1 -j "$entry" -N 1 "$ico" | tr -d ' ')" != 0 ] ||
    ((offset + size != $(stat -c %s "$ico"))); then
    echo "make-icon: the 256 px image is not the last entry of $ico" >&2
    exit 1
fi
convert "$work/256.png" "${png_options[@]}" -define png:compression-level=9 \
    -define png:compression-filter=1 -define png:compression-strategy=0 "$work/256-tight.png"
tight=$(stat -c %s "$work/256-tight.png")
head -c "$offset" "$ico" >"$work/tight.ico"
cat "$work/256-tight.png" >>"$work/tight.ico"
printf "$(printf '\\x%02x' $((tight & 255)) $((tight >> 8 & 255)) $((tight >> 16 & 255)) \
    $((tight >> 24 & 255)))" | dd of="$work/tight.ico" bs=1 seek=$((entry + 8)) conv=notrunc status=none
mv "$work/tight.ico" "$out"
echo "wrote $out ($(stat -c %s "$out") bytes)"
