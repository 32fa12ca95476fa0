#!/usr/bin/env bash
# Sets everything up (see setup.sh), then starts Brelvon with the given
# arguments: the window where a display is available, else the text report.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRELVON_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$build/bin/brelvon" ]; then
    exec "$build/bin/brelvon" "$@"
fi
echo "No display here: printing the report instead. Run this command in a desktop session to see the window." >&2
exec "$build/bin/brelvon-report" "$@"
