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

# Qt cannot start for another reason than a missing display: Qt's own
# messages say why, not "no display"; still status 1 and no core file.
check_qt_word() {
    local what=$1 expected=$2
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" --drives "$drives" >"$work/out" 2>"$work/err"
    local status=$?
    if [[ $status -ne 1 ]] || ! grep -q "$expected" "$work/err" || grep -q 'no display' "$work/err" ||
        [[ -s "$work/out" ]] || compgen -G "$work/core*" >/dev/null; then
        echo "FAIL ($what): status $status, standard error:"
        cat "$work/err"
        failed=1
    else
        echo "ok ($what): $(head -n 1 "$work/err")"
    fi
}
check_qt_word "a platform that cannot be loaded" 'platform plugin "nosuchplatform"' QT_QPA_PLATFORM=nosuchplatform
if command -v xvfb-run >/dev/null; then
    # A display that answers, and a library that Qt's xcb plugin needs cannot
    # be loaded (an empty file stands in for it), as Qt 6.5's xcb plugin
    # without libxcb-cursor0.
    mkdir "$work/broken"
    : >"$work/broken/libxcb-icccm.so.4"
    check_qt_word "a display that answers, a library of the xcb plugin broken" 'platform plugin "xcb"' \
        xvfb-run -a env QT_QPA_PLATFORM=xcb LD_LIBRARY_PATH="$work/broken"
fi
exit $failed
