#!/usr/bin/env bash
# brelvon.exe, Brelvon's native Win32 window, under Wine on a virtual X
# display, used from outside as a user uses it: xdotool clicks and types,
# xclip reads the clipboard, and brelvon-window-reader.exe reads the
# window's controls as another Windows program (a screen reader) would. What
# the window shows is checked against what the window model says after the
# same actions (the Linux brelvon-probe), the clipboard against
# brelvon-report.exe's report for the same arguments.
#
#   run-wine-window-tests.sh SOURCE_DIR CROSS_BUILD_DIR LINUX_PROBE
#       the window of a drive file (named outside the ANSI code page): its
#       size, Copy, the check boxes, Gb, FR, Tab, typing and Enter, locked
#       cells, About and Escape, E X I T, an error (the clipboard held by
#       another program), French under LANG=fr_FR.UTF-8, a window taller
#       than the screen, a label cut to fit that copies whole, and the
#       screen-reader tree read through MSAA (brelvon-accessible-reader.exe)
#       against the one Linux gives through AT-SPI, and --help in its dialog;
#   run-wine-window-tests.sh --hung-share HELPER SOURCE_DIR CROSS_BUILD_DIR LINUX_PROBE
#       the window of the Wine prefix's own drives, one of them a network
#       drive on a share that never answers (HELPER is brelvon_hung_share):
#       it shows the drive not ready and stays responsive.
#
# Takes the programs from the Windows build (`cmake --preset windows`). Prints "N passed,
# M failed"; exits 0 when all passed, 1 when one failed, 77 (skipped) with
# the reason when a tool, the programs or (for the hung share) FUSE is missing.
set -uo pipefail

if [[ "${1:-}" != --inside ]]; then
    for tool in xvfb-run xauth xdotool xclip jq; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed; scripts/setup.sh installs it"
            exit 77
        fi
    done
    if [[ "${1:-}" == --hung-share ]]; then
        helper="$2"
        mount_point="$(mktemp -d "${TMPDIR:-/tmp}/brelvon-hung-share.XXXXXX")"
        # Wine's server asks the share's size itself, from the thread that
        # serves all of Wine: it is answered, every program is not.
        xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" \
            "$helper" "$mount_point" wineserver -- "$0" --inside --hung-share "$mount_point" "${@:3}"
        status=$?
        rmdir "$mount_point" 2>/dev/null
        exit "$status"
    fi
    exec xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" "$0" --inside "$@"
fi
shift
mode=window
if [[ "${1:-}" == --hung-share ]]; then
    mode=hung-share
    mount_point="$2"
    shift 2
fi
source_dir="$1"
cross_dir="$2"
probe="${3:-}"

# shellcheck source=wine-common.sh
source "$(dirname "$0")/wine-common.sh"
brelvon_exe="$(windows_program brelvon)"
report_exe="$(windows_program brelvon-report)"
reader_exe="$(windows_program brelvon-window-reader)"
use_prefix

# --- the window ------------------------------------------------------------
window_pid=""
window=""
start_window() { # start_window LANG [--drives FILE] [SWITCHES...]: starts brelvon.exe and waits for its window
    local lang="$1"; shift
    "${plain_env[@]}" LANG="$lang" "$wine" "$brelvon_exe" "$@" >"$work/window.out" 2>"$work/window.err" &
    window_pid=$!
    [ "${1:-}" != --drives ] || shift 2
    actions=()
    [ $# -eq 0 ] || actions=(--args "$*")
    model
    window="$(timeout 60 xdotool search --sync --onlyvisible --name '^Brelvon v' | head -n 1)"
    [ -n "$window" ]
}
close_window() { # close_window [UP]: ends the window through its exit button (UP pixels higher), or else by force
    [ -n "$window_pid" ] || return 0
    click ButExit "${1:-0}"
    # Wine without a window manager waits two seconds for one as it hides each window.
    for _ in $(seq 150); do kill -0 "$window_pid" 2>/dev/null || break; sleep 0.2; done
    kill "$window_pid" 2>/dev/null
    wait "$window_pid"
    local status=$?
    window_pid=""
    return "$status"
}

# The model after the same actions, from the Linux probe; it says where to click.
snapshot="$work/snapshot.json"
actions=()  # the probe's arguments for what was done to the window since it started
model() { # model [ACTION...]: adds the actions, then takes the probe's snapshot after all of them
    actions+=("$@")
    "$probe" --drives "$drives" "${actions[@]}" >"$snapshot"
}
click() { # click NAME [UP]: a left click in the middle of a control, placed as the last snapshot says, UP pixels higher
    local x y
    read -r x y < <(jq -r --arg name "$1" '.controls as $c | $c[$name] as $x
        | ($c[$x.Container // ""] // {Left: 0, Top: 0}) as $frame
        | [$frame.Left + $x.Left + $x.Width / 2, $frame.Top + $x.Top + $x.Height / 2]
        | map(. * 96 / 1440 | floor) | "\(.[0]) \(.[1])"' "$snapshot")
    xdotool mousemove --window "$window" "$x" "$((y - ${2:-0}))" click 1
}

# What the window shows: its text boxes, check boxes and option buttons, as
# brelvon-window-reader.exe reads them, sorted; and the same made from the
# snapshot ("S" in the Symbol face is the sigma the window draws). A text is
# compared without the blanks around it and with every kind of space as one
# (a cell shows its text without padding and in spaces its face has); the
# sample's labels fit their cells, so none is cut.
normalised() { sed -e 's/\xe2\x80\xaf/ /g; s/\xc2\xa0/ /g' -e $'s/\t */\t/g; s/ *$//; s/ *\t/\t/g' | sort; }
shown() {
    "$wine" "$reader_exe" "Brelvon v" 2>/dev/null | tr -d '\r' | grep -E $'^(edit|check|option)\t' | normalised
}
modelled() {
    jq -r '.controls[] | select(.Visible)
        | if .Kind == "TextBox" then "edit\t" + (if .FontName == "Symbol" then .Text | gsub("S"; "Σ") else .Text end)
          elif .Kind == "CheckBox" then "check\t\(.Caption)\t\(.Value)"
          elif .Kind == "OptionButton" then "option\t\(.Caption)\t\(if .Value then 1 else 0 end)"
          else empty end' "$snapshot" | normalised
}
check_shown() { # check_shown NAME: the window shows the snapshot, within ten seconds
    modelled >"$work/modelled"
    for _ in $(seq 50); do
        shown >"$work/shown"
        cmp -s "$work/shown" "$work/modelled" && break
        sleep 0.2
    done
    if cmp -s "$work/shown" "$work/modelled"; then
        pass "$1"
    else
        fail "$1" "$(diff "$work/modelled" "$work/shown" | head -n 20)"
    fi
}
answers() { "$wine" "$reader_exe" "Brelvon v" >/dev/null 2>&1; }
focus_is() { # focus_is KIND TEXT: the control with the keyboard focus, within five seconds
    for _ in $(seq 25); do
        "$wine" "$reader_exe" "Brelvon v" 2>/dev/null | tr -d '\r' | grep -qxF "focus"$'\t'"$1"$'\t'"$2" && return 0
        sleep 0.2
    done
    return 1
}

# Copy: what lands on the clipboard (Wine hands CRLF to X as LF).
copied="$work/copied"
copy() { # copy [KEYS...]: clicks Copy, or presses the keys, and waits for the clipboard to change
    printf 'nothing yet' | xclip -selection clipboard -i
    if [ $# -eq 0 ]; then click ButCopy; else xdotool key "$@"; fi
    for _ in $(seq 75); do
        if xclip -o -selection clipboard >"$copied" 2>/dev/null && [ "$(cat "$copied")" != "nothing yet" ]; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}
check_copy() { # check_copy NAME LANG REPORT_ARGUMENTS...: Copy gives brelvon-report.exe's report
    local name="$1" lang="$2"; shift 2
    if ! copy; then
        fail "$name" "nothing reached the clipboard"
        return
    fi
    run_wine "$lang" "$report_exe" "$@" | tr -d '\r' >"$work/report"
    if cmp -s "$copied" "$work/report"; then
        pass "$name"
    else
        fail "$name" "$(diff "$work/report" "$copied" | head -n 20)"
    fi
}

if [ "$mode" = window ]; then
    [ -x "$probe" ] || { echo "$0: $probe: not the Linux brelvon-probe" >&2; exit 2; }
    # Arguments reach the program as UTF-16: a file name that the ANSI code page cannot write.
    drives="$work/drïves ✓.json"
    cp "$source_dir/data/sample-drives.json" "$drives"

    if ! start_window en_US.UTF-8 --drives "$drives"; then
        fail "brelvon.exe shows its window" "$(cat "$work/window.err")"
        finish
    fi
    pass "brelvon.exe shows its window"
    client="$("$wine" "$reader_exe" "Brelvon v" | tr -d '\r' | grep $'^client\t')"
    wanted="$(jq -r '.controls.Form1 | [.Width - 90, .Height - 420] | map(. * 96 / 1440 | round)
        | "client\t\(.[0])\t\(.[1])"' "$snapshot")"
    check "its client area is the model's at 96 dpi ($wanted)" test "$client" = "$wanted"
    check_shown "it shows the model's texts, ticks and selections"
    check_copy "Copy puts brelvon-report.exe's report on the clipboard" en_US.UTF-8 --drives "$drives"

    for box in CheckCD CheckRemov CheckNet; do click "$box"; done
    model --click CheckCD --click CheckRemov --click CheckNet
    check_shown "ticking CD-Rom, Removable and Network lists their drives"
    check_copy "and Copy reports them" en_US.UTF-8 --drives "$drives" -Cd1 -Rd1 -Nd1
    click OptGb
    model --click OptGb
    check_shown "Gb shows the sizes in gigabytes"
    click "OptLang(2)"
    model --click "OptLang(2)"
    check_shown "FR shows the window in French"
    check_copy "and Copy reports in French" en_US.UTF-8 --drives "$drives" -Cd1 -Rd1 -Nd1 -LFr

    # Keyboard: the focus rests on the hidden focus button; Tab follows the
    # model's focus order both ways; typing stops at three characters;
    # Enter in a limit box refreshes, which corrects the limit.
    check "after a click the focus rests on the hidden focus button" focus_is button Focus
    xdotool key shift+Tab
    check "Shift+Tab goes to the last control of the focus order (FR)" focus_is option FR
    xdotool key Tab Tab
    check "Tab goes round to the first cell" focus_is edit "C"
    xdotool type x
    check_shown "a table cell takes no typing"
    click TextRed
    xdotool key End BackSpace BackSpace BackSpace
    xdotool type 1234
    model --type TextRed=123
    check_shown "a limit box takes three characters of 1234"
    xdotool key Return
    model --click ButFocus
    check_shown "Enter applies the limit, corrected to 100"
    check "and leaves the focus on the hidden focus button" focus_is button Focus

    click ButAbout
    model --click ButAbout
    about="$(timeout 20 xdotool search --sync --onlyvisible --name '^ About$' | head -n 1)"
    about_client="$("$wine" "$reader_exe" " About" 2>/dev/null | tr -d '\r' | grep $'^client\t')"
    wanted="$(jq -r '.controls.frmAbout | [.Width - 90, .Height - 420] | map(. * 96 / 1440 | round)
        | "client\t\(.[0])\t\(.[1])"' "$snapshot")"
    check "About opens the About window, of its model's size" test -n "$about" -a "$about_client" = "$wanted"
    xdotool key Escape
    for _ in $(seq 25); do xdotool search --onlyvisible --name '^ About$' >/dev/null || break; sleep 0.2; done
    check "Escape closes it" bash -c '! xdotool search --onlyvisible --name "^ About$" >/dev/null'
    model --close-about
    close_window
    status=$?
    check "E X I T ends the program with status 0" test "$status" -eq 0

    # Another program holds the clipboard: Copy's error shows in a message
    # box, and once it is closed the program ends with status 1.
    if start_window en_US.UTF-8 --drives "$drives"; then
        "$wine" "$reader_exe" --hold-clipboard 30 >"$work/holder" 2>/dev/null &
        holder=$!
        for _ in $(seq 50); do grep -q held "$work/holder" && break; sleep 0.2; done
        click ButCopy
        box="$(timeout 20 xdotool search --sync --onlyvisible --name '^Brelvon$' | head -n 1)"
        [ -z "$box" ] || xdotool key --window "$box" Return
        for _ in $(seq 100); do kill -0 "$window_pid" 2>/dev/null || break; sleep 0.2; done
        kill "$window_pid" 2>/dev/null
        wait "$window_pid"
        status=$?
        window_pid=""
        kill "$holder" 2>/dev/null
        check "a clipboard held by another program: a message box, then status 1" test -n "$box" -a "$status" -eq 1
    else
        fail "a clipboard held by another program: a message box, then status 1" "$(cat "$work/window.err")"
    fi

    if start_window fr_FR.UTF-8 --drives "$drives"; then
        check_copy "under LANG=fr_FR.UTF-8 the window is French" fr_FR.UTF-8 --drives "$drives"
        close_window
    else
        fail "under LANG=fr_FR.UTF-8 the window is French" "$(cat "$work/window.err")"
    fi

    # Twenty-four drives make a window taller than the 800-pixel screen: it
    # fits the screen, its rows scroll, and the strip below them moves up by
    # what the rows lost.
    drives="$source_dir/tests/data/drives/twenty-four.json"
    if start_window en_US.UTF-8 --drives "$drives" -Cd1 -Rd1 -Nd1; then
        read -r _ _ height < <("$wine" "$reader_exe" "Brelvon v" | tr -d '\r' | grep $'^client\t')
        full="$(jq -r '.controls.Form1.Height - 420 | . * 96 / 1440 | round' "$snapshot")"
        eval "$(xdotool getwindowgeometry --shell "$window")"
        check "a window taller than the screen fits it ($height of $full pixels shown)" \
            test "$height" -lt "$full" -a "$((Y + HEIGHT))" -le 800
        close_window "$((full - height))"
        status=$?
        check "and its exit button, moved up with the strip below the rows, ends it" test "$status" -eq 0
    else
        fail "a window taller than the screen fits it" "$(cat "$work/window.err")"
    fi

    # A label too long for its cell shows cut; copying the cell copies it
    # whole, without the blanks that pad it; with nothing selected, Ctrl+C
    # copies the whole cell.
    drives="$source_dir/data/screenshot-drives.json"
    if start_window en_US.UTF-8 --drives "$drives" -Cd1 -Rd1 -Nd1; then
        label="$(jq -r '.controls | to_entries[] | select(.value.Kind == "TextBox")
            | select(.value.Text | startswith(" HOLIDAY")) | .key' "$snapshot" | head -n 1)"
        unpadded() { jq -r --arg name "$1" '.controls[$name].Text | sub("^ +"; "") | sub(" +$"; "")' "$snapshot"; }
        click "$label"
        copy ctrl+a ctrl+c
        check "Ctrl+C on a cut label copies the whole label" test "$(cat "$copied")" = "$(unpadded "$label")"
        click "Text3(1)"
        copy ctrl+c
        check "Ctrl+C in a cell with nothing selected copies the cell" test "$(cat "$copied")" = "$(unpadded "Text3(1)")"
        close_window
    else
        fail "Ctrl+C on a cut label copies the whole label" "$(cat "$work/window.err")"
    fi

    # What a screen reader gets through MSAA is what Orca gets through AT-SPI
    # on Linux: the same tree, written down once for both (qt.AccessibleTreeOnXvfb).
    accessible_exe="$(windows_program brelvon-accessible-reader)"
    for lang in en fr; do
        switches=(-Cd1 -Rd1 -Nd1)
        [ "$lang" = en ] || switches+=(-LFr)
        name="a screen reader reads the window in $lang as on Linux"
        if start_window en_US.UTF-8 --drives "$drives" "${switches[@]}"; then
            # The caption's version is the build's: the file says {version} for it.
            "$wine" "$accessible_exe" "Brelvon v" 2>&1 | tr -d '\r' |
                sed '1s/^\(window\tBrelvon v\)[0-9.]*$/\1{version}/' >"$work/$lang.tree"
            tree="$source_dir/tests/integration/accessibility/screenshot-drives.$lang.tree"
            if differences="$(diff "$tree" "$work/$lang.tree")"; then pass "$name"; else fail "$name" "$differences"; fi
            close_window
        else
            fail "$name" "$(cat "$work/window.err")"
        fi
    done

    # Without a console, --help is a dialog: each option beside its meaning,
    # the meanings in one column (static controls, read by the window reader).
    "${plain_env[@]}" LANG=en_US.UTF-8 "$wine" start /unix "$brelvon_exe" --help >/dev/null 2>&1
    usage_box="$(timeout 30 xdotool search --sync --onlyvisible --name '^Brelvon$' | head -n 1)"
    "$wine" "$reader_exe" "Brelvon" 2>/dev/null | tr -d '\r' | grep $'^static\t' >"$work/usage.txt"
    check "--help without a console shows each option beside its meaning, the meanings in one column" \
        awk -F '\t' '
            previous != "" && (previous == "-Nd1, -Nd0" || previous == "-MnN" || previous == "--drives FILE" ||
                               previous == "--version") {
                if ($4 != top || $3 <= left || (column != "" && $3 != column)) exit 1
                column = $3; found++
            }
            { previous = $2; left = $3; top = $4 }
            END { exit found != 4 }' "$work/usage.txt"
    if [ -n "$usage_box" ]; then
        xdotool windowactivate --sync "$usage_box" 2>/dev/null
        xdotool key --window "$usage_box" Escape
    fi
    check "and Escape closes it" bash -c 'for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^Brelvon\$" >/dev/null || exit 0; sleep 0.2; done; exit 1'
    finish
fi

# --- a network drive on a share that never answers -------------------------
# F: is a network drive on the hung share; C: and Z: stay.
for link in "$WINEPREFIX"/dosdevices/?: "$WINEPREFIX"/dosdevices/?::; do
    case "$(basename "$link")" in c: | z:) ;; *) rm -f "$link" ;; esac
done
ln -s "$mount_point" "$WINEPREFIX/dosdevices/f:"
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n"f:"="network"\n' >"$work/drives.reg"
"$wine" regedit /S "$work/drives.reg" >/dev/null 2>&1
"$wineserver" -w

# Where the window's buttons are does not depend on the drives.
drives="$source_dir/data/sample-drives.json"
if ! start_window en_US.UTF-8 -Nd1; then
    fail "with a hung network share brelvon.exe shows its window" "$(cat "$work/window.err")"
    finish
fi
pass "with a hung network share brelvon.exe shows its window"
copy
check "it shows the share's drive F: as a network drive that is not ready" \
    grep -qE "^F"$'\t'"\(not ready\) *"$'\t' "$copied"
# The share's question still hangs: the next refresh must not wait for it.
copy
check "it stays responsive: Copy answers again" grep -qE "^F"$'\t'"\(not ready\) *"$'\t' "$copied"
check "and it answers another program" answers
# The program cannot end while a thread of it waits on the share; it goes
# with Wine when the test ends and the share is released.
click ButExit
finish
