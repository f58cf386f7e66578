#!/usr/bin/env bash
# pack_ico.sh <out.ico> <image.png>...: one Windows icon file holding the square PNG images
# as they are (Windows reads PNG images in an icon since Vista; so does Wine).
set -euo pipefail
out=$1
shift
le16() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))"; }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16)); }
{
    le16 0; le16 1; le16 $#                    # reserved, type 1 (icon), image count
    offset=$((6 + 16 * $#))
    for png in "$@"; do
        # The width from the PNG header's IHDR; 256 is written as 0.
        width=$(od -An -tu1 -j16 -N4 "$png" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
        [ "$width" -ge 1 ] && [ "$width" -le 256 ] || { echo "pack_ico: $png is not a PNG of 1 to 256 pixels" >&2; exit 1; }
        size=$(stat -c %s "$png")
        printf "\\x$(printf %02x $((width & 255)))\\x$(printf %02x $((width & 255)))\\x00\\x00"
        le16 1; le16 32; le32 "$size"; le32 "$offset"
        offset=$((offset + size))
    done
    cat "$@"
} >"$out.tmp"
mv "$out.tmp" "$out"
