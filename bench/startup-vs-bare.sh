#!/bin/bash
# Times the start of brelvon until its window is first painted against a bare
# Qt window program doing the same, on one virtual X server, and prints the
# ratios. The aim: brelvon at most 1.05 times the bare window with a label.
# The bare window with one label shows what starting Qt's font system
# (fontconfig, FreeType) costs any window with text.
#
# Two measurements:
#   - one hyperfine run (all runs of one program, then all of the next),
#     ratios of the means;
#   - interleaved rounds (each round runs every program once, in turn),
#     ratios of the medians. A machine whose speed drifts over seconds moves
#     hyperfine's ratios by far more than the difference measured; the
#     interleaved rounds see every program under the same drift.
#
#   bench/startup-vs-bare.sh BUILD_DIR [DRIVE_FILE]   (default: data/sample-drives.json)
#   BENCH_MIN_RUNS (default 40) sets the least number of hyperfine runs of
#   each program, BENCH_ROUNDS (default 60) the interleaved rounds.
set -euo pipefail

# The median of the numbers on standard input, one per line.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Microseconds since the epoch, from bash's own clock (no process started).
now() {
    local t=${EPOCHREALTIME/[.,]/}
    echo "$((10#$t))"
}

if [[ "${1:-}" == --inside ]]; then
    shift
    build=$1 drives=$2 json=$3 rounds=$4
    brelvon=("$build/bin/brelvon" --drives "$drives" --quit-after-shown)
    bare=("$build/bin/brelvon_bench_bare_window")
    labelled=("$build/bin/brelvon_bench_bare_window" --with-label)
    hyperfine -N --warmup 5 --min-runs "${BENCH_MIN_RUNS:-40}" --export-json "$json" \
        --command-name brelvon "${brelvon[*]}" \
        --command-name "bare Qt window" "${bare[*]}" \
        --command-name "bare Qt window with a label" "${labelled[*]}" >&2
    for ((round = 0; round < rounds; round++)); do
        for name in brelvon labelled; do
            declare -n command=$name
            start=$(now)
            "${command[@]}" >/dev/null 2>&1
            echo "$name $(($(now) - start))" >>"$json.rounds"
        done
    done
    exit 0
fi

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: startup-vs-bare.sh BUILD_DIR [DRIVE_FILE]}" && pwd)
drives=${2:-$here/data/sample-drives.json}
rounds=${BENCH_ROUNDS:-60}
for tool in hyperfine xvfb-run jq; do
    command -v "$tool" >/dev/null || { echo "startup-vs-bare.sh: $tool is not installed" >&2; exit 2; }
done
json=$(mktemp)
trap 'rm -f "$json" "$json.rounds"' EXIT
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" "$0" --inside "$build" "$drives" "$json" "$rounds"
jq -r '.results as $r | $r[1:][] as $b
    | "hyperfine: brelvon / \($b.command): \($r[0].mean / $b.mean * 100 | round / 100)x (means \($r[0].mean * 1000 | round) ms and \($b.mean * 1000 | round) ms)"' "$json"
ours=$(awk '$1 == "brelvon" { print $2 }' "$json.rounds" | median)
theirs=$(awk '$1 == "labelled" { print $2 }' "$json.rounds" | median)
awk -v a="$ours" -v b="$theirs" -v n="$rounds" 'BEGIN {
    printf "interleaved, %d rounds: brelvon / bare Qt window with a label: %.2fx (medians %.1f ms and %.1f ms)\n", n, a / b, a / 1000, b / 1000 }'
