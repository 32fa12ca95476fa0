#!/bin/bash
# Times the start of brelvon until its window is first painted against the
# same window written by hand in Qt (bench/HandWrittenWindow.cpp: the same
# controls, texts, faces and rows, without the window model) and against a
# bare Qt window with one label, on one virtual X server, and prints the
# ratios of the medians, time and peak memory (RSS). The aim: brelvon at most
# 1.05 times the window written by hand, in time and in memory. The bare
# window with a label shows what starting Qt's font system costs any window
# with text.
#
# The programs run in interleaved rounds, each round running every program
# once in turn, so that a machine whose speed drifts (other work on it) moves
# all of them alike; the medians of the rounds are compared. Peak memory and
# processor time (less moved by other work on the machine than the time on
# the clock) are measured afterwards, in rounds of their own. The load
# average is printed before and after: figures taken under load are noisy.
#
#   bench/startup-vs-bare.sh BUILD_DIR [DRIVE_FILE]   (default: data/sample-drives.json)
#   BENCH_ROUNDS (default 60) sets the timed rounds, BENCH_RSS_ROUNDS (default 10) those for memory and processor time.
set -euo pipefail
source "$(dirname "$0")/startup-rounds.sh"

programs=(brelvon hand labelled)
declare -A titles=([brelvon]=brelvon [hand]="window written by hand" [labelled]="bare Qt window with a label")

if [[ "${1:-}" == --inside ]]; then
    shift
    build=$1 drives=$2 out=$3 rounds=$4 rssRounds=$5
    brelvon=("$build/bin/brelvon" --drives "$drives" --quit-after-shown)
    hand=("$build/bin/brelvon_bench_hand_window" --drives "$drives")
    labelled=("$build/bin/brelvon_bench_bare_window" --with-label)
    run_rounds "$out" "$rounds" "$rssRounds" "${programs[@]}"
    exit 0
fi

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: startup-vs-bare.sh BUILD_DIR [DRIVE_FILE]}" && pwd)
drives=${2:-$here/data/sample-drives.json}
rounds=${BENCH_ROUNDS:-60}
rssRounds=${BENCH_RSS_ROUNDS:-10}
for tool in xvfb-run python3; do
    command -v "$tool" >/dev/null || { echo "startup-vs-bare.sh: $tool is not installed" >&2; exit 2; }
done
for program in brelvon brelvon_bench_hand_window brelvon_bench_bare_window; do
    [[ -x "$build/bin/$program" ]] || { echo "startup-vs-bare.sh: $build/bin/$program is not built" >&2; exit 2; }
done
out=$(mktemp)
trap 'rm -f "$out"' EXIT
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" \
    "$0" --inside "$build" "$drives" "$out" "$rounds" "$rssRounds"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
report "$out" titles "${programs[@]}"
