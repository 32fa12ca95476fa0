#!/bin/bash
# Times brelvon.exe from its start until its window is first painted against
# a bare Win32 window program doing the same (bench/BareWin32Window.cpp), in
# one hyperfine run under Wine on one virtual X server; prints the ratio of
# the means. brelvon.exe should take at most 1.2 times as long as the bare
# window. Both run in a Wine prefix of their own whose server stays up, so
# that neither pays for starting Wine's server.
#
#   bench/startup-vs-bare-wine.sh BUILD_WINDOWS_DIR [DRIVE_FILE]
#   (the build of `cmake --preset windows`; default drive file: data/sample-drives.json)
#   BENCH_MIN_RUNS (default 30) sets the least number of runs of each program.
set -euo pipefail

if [[ "${1:-}" == --inside ]]; then
    shift
    wine=$1 build=$2 drives=$3 json=$4
    hyperfine -N --warmup 3 --min-runs "${BENCH_MIN_RUNS:-30}" --export-json "$json" \
        --command-name brelvon.exe "$wine $build/bin/brelvon.exe --drives $drives --quit-after-shown" \
        --command-name "bare Win32 window" "$wine $build/bin/brelvon_bench_bare_win32.exe"
    exit 0
fi

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: startup-vs-bare-wine.sh BUILD_WINDOWS_DIR [DRIVE_FILE]}" && pwd)
drives=${2:-$here/data/sample-drives.json}
for tool in hyperfine xvfb-run jq; do
    command -v "$tool" >/dev/null || { echo "startup-vs-bare-wine.sh: $tool is not installed" >&2; exit 2; }
done
wine=""
for candidate in "$(command -v wine64 || true)" /usr/lib/wine/wine64 /usr/lib64/wine/wine64; do
    if [[ -n "$candidate" && -x "$candidate" ]]; then wine=$candidate; break; fi
done
[[ -n "$wine" ]] || { echo "startup-vs-bare-wine.sh: wine64 is not installed" >&2; exit 2; }
for program in brelvon.exe brelvon_bench_bare_win32.exe; do
    [[ -f "$build/bin/$program" ]] || { echo "startup-vs-bare-wine.sh: $build/bin/$program is not built" >&2; exit 2; }
done

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver="$(dirname "$wine")/wineserver"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$work"' EXIT
json="$work/times.json"
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -dpi 96" bash -c '
    "$1" wineboot -i >/dev/null 2>&1
    "$2" -p  # the server stays up between the runs
    shift 2
    exec "$@"' _ "$wine" "$wineserver" "$0" --inside "$wine" "$build" "$drives" "$json"
jq -r '.results as $r | $r[1:][] as $b
    | "brelvon.exe / \($b.command): \($r[0].mean / $b.mean * 100 | round / 100)x (means \($r[0].mean * 1000 | round) ms and \($b.mean * 1000 | round) ms)"' "$json"
