#!/usr/bin/env bash
# Builds the application icon res/quarnel.ico from the hand-drawn ship's wheel in res/icon/.
#
#   tools/make-icon.sh            (from anywhere; writes res/quarnel.ico of this checkout)
#
# The icon holds 16, 24, 32, 48, 64, 72, 80, 96, 128 and 256 px images, all 32 bits per pixel
# with alpha; the 128 and 256 px ones are PNG-compressed, the others uncompressed bitmaps.
# 16 and 24 px come from quarnel-wheel-small.svg, which is drawn for those sizes; the rest
# from quarnel-wheel.svg.
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

# ImageMagick stores only the 256 px image as PNG, and at its default compression. Rebuild
# the file: images of $png_from px and more as tightly compressed PNGs (Windows Vista and
# later read them), the smaller ones as ImageMagick's uncompressed bitmaps, in the same order
# and with the same directory fields.
png_from=128
ico=$work/quarnel.ico
le32() { od -An -t u4 -j "$1" -N 4 "$2" | tr -d ' '; }
# COUNT bytes of FILE from byte OFFSET.
slice() { dd if="$1" bs=64K iflag=skip_bytes,count_bytes skip="$2" count="$3" status=none; }
bytes() { printf "$(printf '\\x%02x' "$@")"; }
le16s() { for v in "$@"; do bytes $((v & 255)) $((v >> 8 & 255)); done; }
le32s() { for v in "$@"; do bytes $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255)); done; }
count=${#sizes[@]}
{ le16s 0 1 "$count"; } >"$work/final.ico"
offset=$((6 + 16 * count))
for ((i = 0; i < count; i++)); do
    entry=$((6 + 16 * i))
    size=${sizes[i]}
    if ((size >= png_from)); then
        convert "$work/$size.png" "${png_options[@]}" -define png:compression-level=9 \
            -define png:compression-filter=1 -define png:compression-strategy=0 "png:$work/frame$i"
    else
        slice "$ico" "$(le32 $((entry + 12)) "$ico")" "$(le32 $((entry + 8)) "$ico")" >"$work/frame$i"
    fi
    length=$(stat -c %s "$work/frame$i")
    # Width, height, colours, reserved, planes and bit count as ImageMagick wrote them.
    { slice "$ico" "$entry" 8; le32s "$length" "$offset"; } >>"$work/final.ico"
    offset=$((offset + length))
done
for ((i = 0; i < count; i++)); do cat "$work/frame$i"; done >>"$work/final.ico"
mv "$work/final.ico" "$out"
echo "wrote $out ($(stat -c %s "$out") bytes)"
