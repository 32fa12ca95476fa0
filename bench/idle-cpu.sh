#!/bin/bash
# The processor time the window uses while it sits idle and follows the
# machine: the window is started on a virtual X server, left alone for
# SECONDS (60 by default), and its user and system time over that span is
# printed as a share of one core, once following the machine and once with
# --no-follow. Needs xvfb-run and xdotool.
#
#   bench/idle-cpu.sh [BUILD_DIR] [SECONDS] [-- PROGRAM ARGUMENTS...]
set -euo pipefail

if [[ "${1:-}" == --inside ]]; then
    seconds=$2
    shift 2
    "$@" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    timeout 20 xdotool search --sync --onlyvisible --name '^Brelvon' >/dev/null
    sleep 2  # start-up done
    ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
    before=$(ticks)
    sleep "$seconds"
    after=$(ticks)
    hz=$(getconf CLK_TCK)
    awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" \
        'BEGIN { printf "%.1f ms of processor time in %d s: %.3f %% of a core\n", t * 1000 / hz, s, t * 100 / hz / s }'
    exit 0
fi

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
seconds=${2:-60}
shift $(($# > 2 ? 2 : $#))
[[ "${1:-}" == -- ]] && shift
for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "idle-cpu.sh: $tool is missing" >&2; exit 1; }
done
for follow in "" --no-follow; do
    printf '%-12s' "${follow:-following}"
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
        "$0" --inside "$seconds" "$build/bin/brelvon" $follow "$@"
done
