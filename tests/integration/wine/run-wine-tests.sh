#!/usr/bin/env bash
# Brelvon on Windows, tested under Wine on this Linux machine.
#
#   run-wine-tests.sh SOURCE_DIR CROSS_BUILD_DIR LINUX_BRELVON_REPORT
#
# Takes brelvon-report.exe and brelvon-windows-checks.exe from the cross build
# in CROSS_BUILD_DIR (`cmake --preset windows`), takes a Wine prefix of its own in a
# temporary folder with drives of every type, and checks under Wine:
#   - the drive letters, types, readiness and sizes the Windows drive service
#     reports, against statvfs of the Linux folders behind them;
#   - the volume label of C:, written in UTF-8 and read back through UTF-16;
#   - GetSystemDefaultLangID for LANG=fr_FR, fr_LU, fr_CA and en_US against
#     the LANGID our Linux side makes of the same locale;
#   - brelvon-report.exe's report against the Linux brelvon-report's for a
#     drive file of the same drives, and its language for the four locales;
#   - switches taken from the program file's name, and a drive file whose
#     name the ANSI code page cannot write;
#   - a question about a drive that hangs is given up in time (with a
#     made-up hang: the real one is WindowUnderWine.HungShare);
#   - a UTF-16 drive file, and the hostile drive files of
#     ../drive-files/hostile-drive-files.sh through brelvon-report.exe and
#     brelvon.exe: status 2 and the line the Linux programs give.
# Runs without a display. Prints "N passed, M failed"; exits 0 when all
# passed, 1 when one failed, 77 (skipped) when MinGW-w64, Wine or the
# programs are missing.
set -uo pipefail

if (($# != 3)); then
    echo "usage: $0 SOURCE_DIR CROSS_BUILD_DIR LINUX_BRELVON_REPORT" >&2
    exit 2
fi
source_dir="$1"
cross_dir="$2"
linux_report="$3"
if [ ! -x "$linux_report" ]; then
    echo "$0: $linux_report: not the Linux brelvon-report" >&2
    exit 2
fi

# shellcheck source=wine-common.sh
source "$(dirname "$0")/wine-common.sh"
report_exe="$(windows_program brelvon-report)"
checks_exe="$(windows_program brelvon-windows-checks)"
brelvon_exe="$(windows_program brelvon)"

# --- a Wine prefix of our own, without a display ---------------------------
unset DISPLAY WAYLAND_DISPLAY
use_prefix

# Drives of every type, each a folder of this machine; I: leads nowhere (no
# root directory, never listed) and J: is a CD-ROM drive without a disc.
dosdevices="$WINEPREFIX/dosdevices"
for link in "$dosdevices"/?: "$dosdevices"/?::; do
    case "$(basename "$link")" in c: | z:) ;; *) rm -f "$link" ;; esac
done
declare -A drive_dir=([C]="$WINEPREFIX/drive_c" [Z]=/)
declare -A wine_kind=([D]=hd [E]=cdrom [F]=network [G]=floppy [H]=ramdisk [I]=hd [J]=cdrom)
for letter in D E F G H; do
    drive_dir[$letter]="$work/drive-$letter"
    mkdir -p "${drive_dir[$letter]}"
done
for letter in "${!wine_kind[@]}"; do
    lower="$(tr 'A-Z' 'a-z' <<<"$letter")"
    ln -s "${drive_dir[$letter]:-$work/missing-$letter}" "$dosdevices/$lower:"
done
{
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n'
    for letter in "${!wine_kind[@]}"; do
        printf '"%s:"="%s"\n' "$(tr 'A-Z' 'a-z' <<<"$letter")" "${wine_kind[$letter]}"
    done
} >"$work/drives.reg"
label='Données ✓ 𝄞'
printf '%s' "$label" >"$WINEPREFIX/drive_c/.windows-label"
"$wine" regedit /S "$work/drives.reg" >/dev/null 2>&1
# The mount manager reads the drive types when Wine starts again.
"$wineserver" -w

# Type codes the Windows service must report, and the drive file for Linux.
declare -A type_code=([C]=2 [D]=2 [E]=4 [F]=3 [G]=1 [H]=5 [I]=0 [J]=4 [Z]=2)
declare -A type_name=([0]=unknown [1]=removable [2]=fixed [3]=network [4]=cdrom [5]=ramdisk)
letters=(C D E F G H I J Z)

# statvfs of the folder behind a letter, as Wine counts it: the total size,
# and as free space what an ordinary user may use (f_bavail).
volume_bytes() { # volume_bytes DIR -> "TOTAL FREE"
    stat -f -L -c '%S %b %a' "$1" | { read -r size blocks available; echo "$((size * blocks)) $((size * available))"; }
}
# Other programs write while the tests run: free space may move this much.
tolerance=$((1024 * 1024 * 1024))

expectations=()
drive_file="$work/drives.json"
{
    echo '{"drives": ['
    separator=""
    for letter in "${letters[@]}"; do
        code="${type_code[$letter]}"
        if [ -n "${drive_dir[$letter]:-}" ]; then
            read -r total free < <(volume_bytes "${drive_dir[$letter]}")
            expectations+=(--drive "$letter=$code:$total:$free")
            name=""
            [ "$letter" != C ] || name="$label"
            printf '%s{"letter": "%s", "type": "%s", "label": "%s", "total": %s, "free": %s}' \
                "$separator" "$letter" "${type_name[$code]}" "$name" "$total" "$free"
        else
            expectations+=(--drive "$letter=$code:-")
            printf '%s{"letter": "%s", "type": "%s", "ready": false}' "$separator" "$letter" "${type_name[$code]}"
        fi
        separator=$',\n'
    done
    echo ']}'
} >"$drive_file"

# --- the Windows drive service, the label and the system language ----------
label_hex="$(printf '%s' "$label" | od -An -tx1 | tr -d ' \n')"
output="$(run_wine en_US.UTF-8 "$checks_exe" "${expectations[@]}" --tolerance "$tolerance" --label "C=$label_hex" \
    --locale en_US.UTF-8)"
status=$?
echo "$output" | grep -v '^ok - ' | grep -v ' passed, ' || true
check "the Windows service's checks pass under Wine (en_US)" test "$status" -eq 0
for locale in fr_FR.UTF-8 fr_LU.UTF-8 fr_CA.UTF-8; do
    output="$(run_wine "$locale" "$checks_exe" --locale "$locale")"
    status=$?
    echo "$output" | grep -v '^ok - ' | grep -v ' passed, ' || true
    check "the Windows service's checks pass under Wine ($locale)" test "$status" -eq 0
done

# --- brelvon-report.exe against the Linux brelvon-report -------------------
# Same drives, same switches: the reports agree field by field; free and used
# space and the percentage within what other programs may have written meanwhile.
compare_reports() { # compare_reports WINDOWS_REPORT LINUX_REPORT
    awk -F '\t' -v tolerance="$((tolerance / 1000000 + 1))" '
        NR == FNR { linux[FNR] = $0; count = FNR; next }
        {
            lines = FNR
            if (!(FNR in linux)) { print "line " FNR " is extra: " $0; bad = 1; next }
            n = split(linux[FNR], want, "\t")
            if (NF != n) { print "line " FNR ": " $0 " against " linux[FNR]; bad = 1; next }
            for (i = 1; i <= NF; i++) {
                if ($i == want[i]) continue
                if (FNR > 3 && (i == 4 || i == 5) && $i - want[i] <= tolerance * 9 && want[i] - $i <= tolerance * 9) continue
                if (FNR > 3 && i == 6 && $i - want[i] <= 1 && want[i] - $i <= 1) continue
                print "line " FNR ", field " i ": \"" $i "\" against \"" want[i] "\""; bad = 1
            }
        }
        END { if (lines != count) { print lines " lines against " count; bad = 1 } exit bad }
    ' "$2" "$1"
}

for switches in "-Cd1 -Rd1 -Nd1" "-Cd1 -LFr" ""; do
    # shellcheck disable=SC2086 # the switches are words
    run_wine en_US.UTF-8 "$report_exe" $switches >"$work/windows.txt"
    status=$?
    windows_stderr="$(our_stderr)"
    # shellcheck disable=SC2086
    LC_ALL=en_US.UTF-8 "$linux_report" --drives "$drive_file" $switches >"$work/linux.txt"
    name="brelvon-report.exe ${switches:-without switches} reports the drives as Linux sees their folders"
    if [ "$status" -ne 0 ] || [ -n "$windows_stderr" ]; then
        fail "$name" "exit status $status; $windows_stderr"
    elif differences="$(compare_reports "$work/windows.txt" "$work/linux.txt")"; then
        pass "$name"
    else
        fail "$name" "$differences"$'\n'"$(cat -A "$work/windows.txt")"
    fi
done
[ "$failed" -ne 0 ] || { echo "# wine64 brelvon-report.exe -Cd1 -Rd1 -Nd1:"; run_wine en_US.UTF-8 "$report_exe" -Cd1 -Rd1 -Nd1 | tr -d '\r' | sed 's/^/#   /'; }

ends_in_crlf() { ! grep -q $'\r\r' "$1" && [ "$(grep -c $'\r$' "$1")" = "$(wc -l <"$1")" ] && [ -s "$1" ]; }
check "every line of the report ends in one CR LF" ends_in_crlf "$work/windows.txt"
# As does every other text it writes, as Windows programs do.
for arguments in --help --version "--json -Cd1" --bogus "--drives $work/missing.json"; do
    # shellcheck disable=SC2086 # the arguments are words
    run_wine en_US.UTF-8 "$report_exe" $arguments >"$work/text.txt"
    our_stderr >>"$work/text.txt"
    check "brelvon-report.exe $arguments ends every line in one CR LF" ends_in_crlf "$work/text.txt"
done

# The language follows the system's LANGID: French for France and
# Luxembourg, English for French Canada and the United States.
declare -A heading_word=([fr_FR.UTF-8]=Disq. [fr_LU.UTF-8]=Disq. [fr_CA.UTF-8]=Disk [en_US.UTF-8]=Disk)
for locale in fr_FR.UTF-8 fr_LU.UTF-8 fr_CA.UTF-8 en_US.UTF-8; do
    windows_heading="$(run_wine "$locale" "$report_exe" | sed -n 3p | tr -d '\r')"
    linux_heading="$("${plain_env[@]}" LANG="$locale" "$linux_report" --drives "$drive_file" | sed -n 3p | tr -d '\r')"
    if [ "$windows_heading" = "$linux_heading" ] && [ "${windows_heading%%$'\t'*}" = "${heading_word[$locale]}" ]; then
        pass "LANG=$locale: brelvon-report.exe speaks as the Linux brelvon-report does"
    else
        fail "LANG=$locale: brelvon-report.exe speaks as the Linux brelvon-report does" \
            "Windows: $windows_heading"$'\n'"Linux: $linux_heading"
    fi
done

# On a console (Wine makes one of a terminal) the report must read as UTF-8,
# not in the console's OEM code page ("Utilis├®").
if command -v script >/dev/null; then
    console_text="$("${plain_env[@]}" LANG=fr_FR.UTF-8 script -qec "$(printf '%q %q' "$wine" "$report_exe")" /dev/null 2>&1)"
    check "on a console the French report reads as UTF-8" grep -q "Utilisé" <<<"$console_text"
fi

# Switches in the program file's name, which Windows hands over with its folder.
cp "$report_exe" "$work/Brelvon-Cd1-LFr.exe"
run_wine en_US.UTF-8 "$work/Brelvon-Cd1-LFr.exe" | tr -d '\r' >"$work/named.txt"
check "Brelvon-Cd1-LFr.exe lists CD-ROM drives in French" \
    grep -q "^J"$'\t'"(non prêt)" "$work/named.txt"

# Arguments arrive as UTF-16: a file name outside the ANSI code page (1252 for
# en_US) is found.
unicode_file="$work/drives ✓ Ω.json"
cp "$drive_file" "$unicode_file"
run_wine en_US.UTF-8 "$report_exe" --drives "$unicode_file" -Cd1 | tr -d '\r' >"$work/unicode.txt"
LC_ALL=en_US.UTF-8 "$linux_report" --drives "$drive_file" -Cd1 | tr -d '\r' >"$work/linux.txt"
check "brelvon-report.exe reads a drive file named outside the ANSI code page" cmp -s "$work/unicode.txt" "$work/linux.txt"

# What Notepad's "Unicode" writes: UTF-16 LE after a byte-order mark.
{ printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE "$drive_file"; } >"$work/utf16.json"
run_wine en_US.UTF-8 "$report_exe" --drives "$work/utf16.json" -Cd1 | tr -d '\r' >"$work/utf16.txt"
check "brelvon-report.exe reads a UTF-16 drive file" cmp -s "$work/utf16.txt" "$work/linux.txt"

# shellcheck source=../drive-files/hostile-drive-files.sh
source "$(dirname "$0")/../drive-files/hostile-drive-files.sh"
while IFS=$'\t' read -r file expected windows_expected; do
    expected="${windows_expected:-$expected}"
    for program in "$report_exe" "$brelvon_exe"; do
        name="$(basename "$program" .exe)"
        run_wine en_US.UTF-8 "$program" --drives "$file" >"$work/hostile.out"
        status=$?
        message="$(our_stderr | tr -d '\r')"
        if [ "$status" -eq 2 ] && [ ! -s "$work/hostile.out" ] && [ "$message" = "$name: $expected" ]; then
            pass "$name.exe: $expected"
        else
            fail "$name.exe --drives $file: status $status" "$(head -c 400 <<<"$message" | cat -A)"
        fi
    done
done < <(hostile_drive_files "$work/hostile")

finish
