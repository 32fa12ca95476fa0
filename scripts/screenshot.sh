#!/bin/bash
# Renders the main window from data/screenshot-drives.json into
# docs/brelvon.png (English) and docs/brelvon-fr.png (French), each in a
# virtual X server of its own (xvfb-run, 96 dpi), grabbed with ImageMagick's
# import. Needs xvfb, xdotool and imagemagick. Given the Windows build too
# (cmake --preset windows), it renders brelvon.exe under Wine into
# docs/brelvon-windows.png.
#
#   scripts/screenshot.sh [BUILD_DIR [BUILD_WINDOWS_DIR]]     (default: build)
set -euo pipefail

# Inside the X server: start the window, wait until it is shown and painted,
# grab exactly the window, end the program.
if [[ "${1:-}" == --grab ]]; then
    output=$2
    shift 2
    "$@" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Brelvon')
    # The pointer to the window's empty corner: a row's tool tip would cover the rows.
    xdotool mousemove --window "$window" 1 1
    sleep 2  # the first paint reaches the server after the window maps
    import -window "$window" "$output"
    exit 0
fi

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
program="$build/bin/brelvon"
drives="$root/data/screenshot-drives.json"

[[ -x "$program" ]] || { echo "screenshot.sh: $program is not built" >&2; exit 1; }
for tool in xvfb-run:xvfb xdotool:xdotool import:imagemagick; do
    command -v "${tool%%:*}" >/dev/null ||
        { echo "screenshot.sh: ${tool%%:*} is missing (Debian package ${tool#*:})" >&2; exit 1; }
done

shoot() {
    local locale=$1 output=$2
    shift 2
    LC_ALL=$locale xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
        "$0" --grab "$output" "${window_program[@]}" --drives "$drives" "$@"
    echo "wrote $output"
}

window_program=("$program")
mkdir -p "$root/docs"
shoot en_US.UTF-8 "$root/docs/brelvon.png" -Rd1 -Cd1 -Nd1
shoot fr_FR.UTF-8 "$root/docs/brelvon-fr.png" -Rd1 -Cd1 -Nd1 -LFr

[[ -n "${2:-}" ]] || exit 0
program="$(cd "$2" && pwd)/bin/brelvon.exe"
# 64-bit Wine: wine64 where Debian installs both, else wine.
wine=$(command -v wine64 || { [[ -x /usr/lib/wine/wine64 ]] && echo /usr/lib/wine/wine64; } || command -v wine || true)
[[ -f "$program" && -n "$wine" ]] || { echo "screenshot.sh: $program or Wine is missing" >&2; exit 1; }
# A Wine prefix of its own, made before the X server starts.
WINEPREFIX=$(mktemp -d)/prefix
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver="$(dirname "$wine")/wineserver"
[[ -x "$wineserver" ]] || wineserver=$(command -v wineserver || echo wineserver)
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$(dirname "$WINEPREFIX")"' EXIT
# Wine's desktop process of the set-up, which has no display, ends first.
LC_ALL=en_US.UTF-8 "$wine" wineboot -i >/dev/null 2>&1 && "$wineserver" -w
window_program=("$wine" "$program")
shoot en_US.UTF-8 "$root/docs/brelvon-windows.png" -Rd1 -Cd1 -Nd1
