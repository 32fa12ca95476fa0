#!/bin/bash
# The real program on a virtual X server: a click on "Copy" puts on the
# system clipboard exactly the report that the window model makes, byte for
# byte (CRLF line ends included), readable by another program while the
# window runs.
#
#   clipboard-xvfb.sh BRELVON PROBE DRIVE_FILE
# Exits 77 (skipped) when xvfb-run, xdotool, xclip or jq is missing.
set -euo pipefail

if [[ "${1:-}" == --inside ]]; then
    shift
    program=$1 probe=$2 drives=$3
    work=$(mktemp -d)
    "$program" --drives "$drives" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Brelvon')
    # The button's centre in pixels of the 96-dpi server, from the model's twips.
    "$probe" --drives "$drives" --click ButCopy >"$work/probe.json"
    read -r x y < <(jq -r '.controls as $c
        | [($c.Frame3.Left + $c.ButCopy.Left + $c.ButCopy.Width / 2),
           ($c.Frame3.Top + $c.ButCopy.Top + $c.ButCopy.Height / 2)]
        | map(. * 96 / 1440 | floor) | "\(.[0]) \(.[1])"' "$work/probe.json")
    jq -j '.clipboard' "$work/probe.json" >"$work/expected"
    [[ -s "$work/expected" ]] || { echo "the probe made no report" >&2; exit 1; }

    xdotool mousemove --window "$window" "$x" "$y" click 1
    for _ in $(seq 50); do
        if xclip -o -selection clipboard >"$work/actual" 2>/dev/null && [[ -s "$work/actual" ]]; then break; fi
        sleep 0.2
    done
    if ! cmp "$work/expected" "$work/actual"; then
        echo "clipboard differs from the report; expected:" >&2
        od -c "$work/expected" | head -20 >&2
        echo "actual:" >&2
        od -c "$work/actual" | head -20 >&2
        exit 1
    fi
    kill -0 "$pid"  # the window still runs
    echo "clipboard holds the report ($(wc -c <"$work/actual") bytes)"
    exit 0
fi

# shellcheck source=xvfb-common.sh
source "$(dirname "$0")/xvfb-common.sh"
rerun_in_xvfb "$0" --inside "$1" "$2" "$3"
