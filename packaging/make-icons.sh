#!/bin/bash
# make-icons.sh: renders the menu icons (icons/<size>.png) from zantoli.svg with
# rsvg-convert (librsvg2-bin), for desktops that want bitmaps of fixed sizes.
# Usage: ./make-icons.sh   (run from anywhere; writes next to this script)
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" zantoli.svg --output "icons/$size.png"
done
