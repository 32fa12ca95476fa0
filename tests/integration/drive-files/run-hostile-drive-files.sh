#!/usr/bin/env bash
# The programs given a hostile drive file (hostile-drive-files.sh): each
# answers with status 2 and one line naming the file and the problem, nothing
# on standard output. The window program gives the file's error before it
# looks for a display, so it runs without one.
#
#   run-hostile-drive-files.sh PROGRAM...
#
# Prints one line per program and file; exits 0 when all passed, 1 otherwise.
set -uo pipefail
# shellcheck source=hostile-drive-files.sh
source "$(dirname "$0")/hostile-drive-files.sh"

work="$(mktemp -d "${TMPDIR:-/tmp}/brelvon-hostile.XXXXXX")"
trap 'rm -rf "$work"' EXIT
failed=0
while IFS=$'\t' read -r file expected _; do
    for program in "$@"; do
        name="$(basename "$program")"
        # A hang guard only, far above the moment an answer takes.
        timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
            "$program" --drives "$file" >"$work/out" 2>"$work/err"
        status=$?
        if [ "$status" -eq 2 ] && [ ! -s "$work/out" ] && [ "$(cat "$work/err")" = "$name: $expected" ] &&
            [ "$(wc -l <"$work/err")" -eq 1 ]; then
            echo "ok - $name: $expected"
        else
            failed=1
            echo "not ok - $name --drives $file: status $status, standard error:"
            head -c 400 "$work/err" | cat -A | sed 's/^/#   /'
            echo
        fi
    done
done < <(hostile_drive_files "$work")
exit "$failed"
