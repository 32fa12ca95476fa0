#!/bin/bash
# What bench/startup-vs-bare.sh and bench/startup-vs-bare-wine.sh share:
# interleaved rounds of start-up runs and the ratios of their medians. Sourced.

# The median of the numbers on standard input, one per line.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Microseconds since the epoch, from bash's own clock (no process started).
now() {
    local t=${EPOCHREALTIME/[.,]/}
    echo "$((10#$t))"
}

# Runs a command with its output dropped and appends to OUT its peak memory
# ("rss NAME KIB") and the processor time its threads used ("cpu NAME
# MICROSECONDS"), from the resource use the system reports when it ends.
#   measured OUT NAME COMMAND...
measured() {
    python3 -c '
import os, sys
out, name, command = sys.argv[1], sys.argv[2], sys.argv[3:]
pid = os.fork()
if pid == 0:
    null = os.open(os.devnull, os.O_RDWR)
    for stream in (0, 1, 2):
        os.dup2(null, stream)
    os.execvp(command[0], command)
_, _, use = os.wait4(pid, 0)
with open(out, "a") as figures:
    figures.write(f"rss {name} {use.ru_maxrss}\ncpu {name} {round((use.ru_utime + use.ru_stime) * 1e6)}\n")
' "$@"
}

# run_rounds OUT ROUNDS RSS_ROUNDS NAME...: each NAME is an array holding a
# command. One warm-up run of each, then ROUNDS rounds that run every command
# once in turn, timed, then RSS_ROUNDS rounds that measure peak memory and
# processor time (see measured). Appends "time NAME MICROSECONDS" lines to OUT.
run_rounds() {
    local out=$1 rounds=$2 rssRounds=$3 round name start
    shift 3
    for name in "$@"; do
        local -n warm=$name
        "${warm[@]}" >/dev/null 2>&1
    done
    for ((round = 0; round < rounds; round++)); do
        for name in "$@"; do
            local -n timed=$name
            start=$(now)
            "${timed[@]}" >/dev/null 2>&1
            echo "time $name $(($(now) - start))" >>"$out"
        done
    done
    for ((round = 0; round < rssRounds; round++)); do
        for name in "$@"; do
            local -n command=$name
            measured "$out" "$name" "${command[@]}"
        done
    done
}

# report OUT TITLES OURS OTHER...: one line per OTHER, the ratios of OURS's
# medians to OTHER's; TITLES names an associative array of the programs' titles.
report() {
    local out=$1 ours=$3 name
    local -n names=$2
    shift 3
    figures() {
        local kind=$1 who=$2
        awk -v k="$kind" -v n="$who" '$1 == k && $2 == n { print $3 }' "$out" | median
    }
    for name in "$@"; do
        awk -v a="$(figures time "$ours")" -v b="$(figures time "$name")" -v m="$(figures rss "$ours")" \
            -v k="$(figures rss "$name")" -v c="$(figures cpu "$ours")" -v d="$(figures cpu "$name")" \
            -v n="$(grep -c "^time $name " "$out")" -v r="$(grep -c "^rss $name " "$out")" \
            -v us="${names[$ours]}" -v them="${names[$name]}" 'BEGIN {
            printf "%s / %s: time %.3fx (medians of %d interleaved rounds: %.1f ms and %.1f ms), peak RSS %.3fx (medians of %d: %d KiB and %d KiB), processor time %.3fx (%.1f ms and %.1f ms)\n",
                us, them, a / b, n, a / 1000, b / 1000, m / k, r, m, k, c / d, c / 1000, d / 1000 }'
    done
}
