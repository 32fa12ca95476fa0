#!/bin/bash
# The window as a screen reader on Linux reads it: the real program on a
# virtual X server with Qt's AT-SPI bridge on, in a D-Bus session of its own
# with the AT-SPI bus, read by atspi-tree.py (pyatspi, as Orca reads). The tree
# of data/screenshot-drives.json, in English and in French, must be the one
# written down in screenshot-drives.LANG.tree: reading order, one sentence a
# row, no decoration, no hidden focus button. The Windows reader's tree is
# compared with the same files (WindowUnderWine).
#
#   atspi-xvfb.sh BRELVON SOURCE_DIR
# Exits 77 (skipped) when xvfb-run, dbus-run-session, the AT-SPI bus or
# pyatspi is missing.
set -uo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
if [[ "${1:-}" == --inside ]]; then
    program=$2 source_dir=$3
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus=$!
    work=$(mktemp -d)
    trap 'kill "$bus" 2>/dev/null; rm -rf "$work"' EXIT
    # The window looks for the accessibility bus once, as it starts.
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
        sleep 0.1
    done
    failed=0
    for lang in en fr; do
        switches=(-Rd1 -Cd1 -Nd1)
        [ "$lang" = en ] || switches+=(-LFr)
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" --no-follow --drives "$source_dir/data/screenshot-drives.json" \
            "${switches[@]}" 2>"$work/window.err" &
        pid=$!
        # The caption's version is the build's: the file says {version} for it.
        /usr/bin/python3 "$here/atspi-tree.py" 'Brelvon v' 30 | sed '1s/^\(window\tBrelvon v\)[0-9.]*$/\1{version}/' \
            >"$work/$lang.tree" || cat "$work/window.err"
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        if diff -u "$here/screenshot-drives.$lang.tree" "$work/$lang.tree"; then
            echo "ok - the AT-SPI tree in $lang is the one written down"
        else
            echo "not ok - the AT-SPI tree in $lang differs (above)"
            failed=1
        fi
    done
    exit "$failed"
fi

for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed (at-spi2-core, dbus, xvfb)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "SKIPPED: pyatspi is not installed (Debian package python3-pyatspi)"; exit 77; }
exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
    dbus-run-session -- "$0" --inside "$1" "$2"
