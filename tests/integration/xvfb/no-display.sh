#!/bin/bash
# The program without a display: one line on standard error that names
# brelvon-report, exit status 1, no abort and so no core file. Both ways a
# display can be missing: none named, and one named that does not answer.
#
#   no-display.sh BRELVON DRIVE_FILE
set -uo pipefail
program=$1
drives=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
ulimit -c unlimited 2>/dev/null || true
failed=0

check() {
    local what=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" --drives "$drives" >"$work/out" 2>"$work/err"
    local status=$?
    local lines
    lines=$(wc -l <"$work/err")
    if [[ $status -ne 1 || $lines -ne 1 ]] || ! grep -q 'no display.*brelvon-report' "$work/err" ||
        [[ -s "$work/out" ]] || compgen -G "$work/core*" >/dev/null; then
        echo "FAIL ($what): status $status, $lines lines on standard error:"
        cat "$work/err"
        failed=1
    else
        echo "ok ($what): $(cat "$work/err")"
    fi
}

check "no display named"
# A display that no server answers (the number is far from any a test uses).
check "display that does not answer" DISPLAY=:97531
exit $failed
