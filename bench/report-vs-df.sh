#!/bin/sh
# Times brelvon-report against df -h and duf in one hyperfine run, on this
# machine's real drives. The three print a table of every drive with its size
# and free space; brelvon-report should take no longer than df (compare the
# medians) and less than duf.
#
# Usage: bench/report-vs-df.sh [PATH-TO-brelvon-report] [extra hyperfine options]
#   default program: build/bin/brelvon-report
#   e.g. bench/report-vs-df.sh build/bin/brelvon-report --export-markdown times.md
#   BENCH_MIN_RUNS (default 300) sets the least number of runs of each program.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
report=${1:-"$here/build/bin/brelvon-report"}
[ $# -gt 0 ] && shift

for tool in hyperfine df duf; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "report-vs-df.sh: $tool is not installed (Debian: apt-get install $tool)" >&2
        exit 2
    fi
done
if [ ! -x "$report" ]; then
    echo "report-vs-df.sh: no program at $report; build it first" >&2
    exit 2
fi

# -N: no shell between hyperfine and the programs, so that the shell's own
# start does not hide the difference. Output goes to /dev/null for all three.
exec hyperfine -N --warmup 50 --min-runs "${BENCH_MIN_RUNS:-300}" "$@" \
    --command-name brelvon-report "$report" \
    --command-name "df -h" "df -h" \
    --command-name duf "duf"
