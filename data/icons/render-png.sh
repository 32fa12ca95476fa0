#!/bin/sh
# Renders the program icon's PNG from its SVG source (needs rsvg-convert, from
# librsvg2-bin). The PNG is kept in the repository so that building needs no
# SVG renderer; run this after changing brelvon.svg.
set -eu
cd "$(dirname "$0")"
rsvg-convert --width 32 --height 32 brelvon.svg --output brelvon-32.png
