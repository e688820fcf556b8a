#!/usr/bin/env bash
# Renders the program's SVG icon into the hicolor PNG sizes that are kept beside it, for
# desktops and icon caches that do not read SVG. Run after changing the SVG (needs
# rsvg-convert from librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../desktop"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "icons/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" veltrane-classshaper.svg \
        -o "icons/${size}x${size}/veltrane-classshaper.png"
done
