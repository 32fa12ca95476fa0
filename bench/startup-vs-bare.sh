#!/bin/bash
# Times the start of brelvon until its window is first painted against a bare
# Qt window program doing the same, in one hyperfine run on one virtual X
# server; prints the ratios of the means. brelvon should take at most 1.3
# times as long as the bare window. The bare window with one label shows what
# starting Qt's font system (fontconfig, FreeType) costs any window with text.
#
#   bench/startup-vs-bare.sh BUILD_DIR [DRIVE_FILE]   (default: data/sample-drives.json)
#   BENCH_MIN_RUNS (default 40) sets the least number of runs of each program.
set -euo pipefail

if [[ "${1:-}" == --inside ]]; then
    shift
    build=$1 drives=$2 json=$3
    hyperfine -N --warmup 5 --min-runs "${BENCH_MIN_RUNS:-40}" --export-json "$json" \
        --command-name brelvon "$build/bin/brelvon --drives $drives --quit-after-shown" \
        --command-name "bare Qt window" "$build/bin/brelvon_bench_bare_window" \
        --command-name "bare Qt window with a label" "$build/bin/brelvon_bench_bare_window --with-label"
    exit 0
fi

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: startup-vs-bare.sh BUILD_DIR [DRIVE_FILE]}" && pwd)
drives=${2:-$here/data/sample-drives.json}
for tool in hyperfine xvfb-run jq; do
    command -v "$tool" >/dev/null || { echo "startup-vs-bare.sh: $tool is not installed" >&2; exit 2; }
done
json=$(mktemp)
trap 'rm -f "$json"' EXIT
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" "$0" --inside "$build" "$drives" "$json"
jq -r '.results as $r | $r[1:][] as $b
    | "brelvon / \($b.command): \($r[0].mean / $b.mean * 100 | round / 100)x (means \($r[0].mean * 1000 | round) ms and \($b.mean * 1000 | round) ms)"' "$json"
