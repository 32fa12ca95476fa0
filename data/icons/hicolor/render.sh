#!/bin/sh
# Renders the hicolor PNGs from their SVG sources: small.svg for 16 to 48 pixels,
# scalable/apps for 64 to 256. The PNGs are kept in the repository so that
# building and installing need no SVG renderer; run this (needs rsvg-convert,
# from librsvg2-bin) after changing either SVG.
set -eu
cd "$(dirname "$0")"
id=io.github.brelvon.Brelvon
for size in 16 22 24 32 48 64 128 256; do
    if [ "$size" -le 48 ]; then source=small.svg; else source=scalable/apps/$id.svg; fi
    mkdir -p "${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" "$source" --output "${size}x${size}/apps/$id.png"
done
