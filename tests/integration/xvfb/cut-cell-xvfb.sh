#!/bin/bash
# The real program on a virtual X server: a label too long for its cell
# shows cut, and what the user selects of it reaches other programs whole,
# both through the selection the middle button pastes (X11's PRIMARY) and
# through Ctrl+C (the clipboard).
#
#   cut-cell-xvfb.sh BRELVON PROBE DRIVE_FILE
# DRIVE_FILE must hold a label that its cell cuts, starting " HOLIDAY".
# Exits 77 (skipped) when xvfb-run, xdotool, xclip or jq is missing.
set -euo pipefail

if [[ "${1:-}" == --inside ]]; then
    shift
    program=$1 probe=$2 drives=$3
    switches="-Cd1 -Rd1 -Nd1"
    work=$(mktemp -d)
    # shellcheck disable=SC2086 # the switches are words of their own
    "$program" --drives "$drives" $switches &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Brelvon')
    "$probe" --drives "$drives" --args "$switches" >"$work/probe.json"
    cell=$(jq -r '.controls | to_entries[] | select(.value.Kind == "TextBox")
        | select(.value.Text | startswith(" HOLIDAY")) | .key' "$work/probe.json" | head -n 1)
    [[ -n "$cell" ]] || { echo "no cell holds a label starting HOLIDAY" >&2; exit 1; }
    # What the cell holds, without the blank that pads it.
    jq -j --arg cell "$cell" '.controls[$cell].Text | ltrimstr(" ")' "$work/probe.json" >"$work/whole"
    # From a little inside the cell's left edge to a little inside its right
    # edge, in pixels of the 96-dpi server: the mouse selects the whole text.
    read -r left right y < <(jq -r --arg cell "$cell" '.controls[$cell]
        | [.Left + 60, .Left + .Width - 60, .Top + .Height / 2]
        | map(. * 96 / 1440 | floor) | "\(.[0]) \(.[1]) \(.[2])"' "$work/probe.json")

    failed=0
    # wait_for SELECTION: what SELECTION holds once it no longer says "nothing yet", into $work/actual
    wait_for() {
        for _ in $(seq 50); do
            if xclip -o -selection "$1" >"$work/actual" 2>/dev/null && [[ "$(cat "$work/actual")" != "nothing yet" ]]; then
                return 0
            fi
            sleep 0.2
        done
    }
    expect() { # expect WHAT: the last selection read holds the whole label
        if cmp -s "$work/whole" "$work/actual"; then
            echo "ok: $1"
        else
            echo "FAIL: $1: [$(cat "$work/actual")], not [$(cat "$work/whole")]"
            failed=1
        fi
    }

    printf 'nothing yet' | xclip -selection primary -i
    printf 'nothing yet' | xclip -selection clipboard -i
    xdotool mousemove --window "$window" "$left" "$y" mousedown 1 \
        mousemove --window "$window" "$right" "$y" mouseup 1
    wait_for primary
    expect "selecting the cut label with the mouse gives the middle button the whole label"
    xdotool key ctrl+c
    wait_for clipboard
    expect "Ctrl+C copies the whole label"
    kill -0 "$pid"  # the window still runs
    exit "$failed"
fi

# shellcheck source=xvfb-common.sh
source "$(dirname "$0")/xvfb-common.sh"
rerun_in_xvfb "$0" --inside "$1" "$2" "$3"
