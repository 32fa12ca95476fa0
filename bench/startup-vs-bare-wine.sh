#!/bin/bash
# Times brelvon.exe from its start until its window is first painted against
# the same window written by hand against the Win32 API
# (bench/HandWrittenWin32Window.cpp: the same system controls and painted
# parts, without the window model) and against a bare Win32 window
# (bench/BareWin32Window.cpp), under Wine on one virtual X server, and prints
# the ratios of the medians, time and peak memory (RSS). The aim: brelvon.exe
# at most 1.1 times the window written by hand. All run in one Wine prefix
# whose server stays up, so that none pays for starting Wine's server.
#
# The programs run in interleaved rounds, each round running every program
# once in turn, so that a machine whose speed drifts moves all of them alike.
# Peak memory and processor time (less moved by other work on the machine than
# the time on the clock) are measured afterwards, in rounds of their own.
# The load average is printed before and after.
#
#   bench/startup-vs-bare-wine.sh BUILD_WINDOWS_DIR [DRIVE_FILE]
#   (the build of `cmake --preset windows`; default drive file: data/sample-drives.json)
#   BENCH_ROUNDS (default 30) sets the timed rounds, BENCH_RSS_ROUNDS (default 15) those for memory and processor time.
set -euo pipefail
source "$(dirname "$0")/startup-rounds.sh"

programs=(brelvon hand bare)
declare -A titles=([brelvon]=brelvon.exe [hand]="window written by hand" [bare]="bare Win32 window")

if [[ "${1:-}" == --inside ]]; then
    shift
    wine=$1 build=$2 drives=$3 out=$4 rounds=$5 rssRounds=$6
    brelvon=("$wine" "$build/bin/brelvon.exe" --drives "$drives" --quit-after-shown)
    hand=("$wine" "$build/bin/brelvon_bench_hand_win32.exe" --drives "$drives")
    bare=("$wine" "$build/bin/brelvon_bench_bare_win32.exe")
    run_rounds "$out" "$rounds" "$rssRounds" "${programs[@]}"
    exit 0
fi

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: startup-vs-bare-wine.sh BUILD_WINDOWS_DIR [DRIVE_FILE]}" && pwd)
drives=${2:-$here/data/sample-drives.json}
rounds=${BENCH_ROUNDS:-30}
rssRounds=${BENCH_RSS_ROUNDS:-15}
for tool in xvfb-run python3; do
    command -v "$tool" >/dev/null || { echo "startup-vs-bare-wine.sh: $tool is not installed" >&2; exit 2; }
done
wine=""
for candidate in "$(command -v wine64 || true)" /usr/lib/wine/wine64 /usr/lib64/wine/wine64; do
    if [[ -n "$candidate" && -x "$candidate" ]]; then wine=$candidate; break; fi
done
[[ -n "$wine" ]] || { echo "startup-vs-bare-wine.sh: wine64 is not installed" >&2; exit 2; }
for program in brelvon.exe brelvon_bench_hand_win32.exe brelvon_bench_bare_win32.exe; do
    [[ -f "$build/bin/$program" ]] || { echo "startup-vs-bare-wine.sh: $build/bin/$program is not built" >&2; exit 2; }
done

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver="$(dirname "$wine")/wineserver"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
out="$work/figures"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" bash -c '
    "$1" wineboot -i >/dev/null 2>&1
    "$2" -p  # the server stays up between the runs
    shift 2
    exec "$@"' _ "$wine" "$wineserver" "$0" --inside "$wine" "$build" "$drives" "$out" "$rounds" "$rssRounds"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
report "$out" titles "${programs[@]}"
