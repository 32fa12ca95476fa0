#!/usr/bin/env bash
# What brelvon.exe's window shows on the screen, under Wine on a virtual X
# display of 1024x768 at 96 dpi, used as a user uses it:
#
# - a fresh start is the truth: the window is driven through a sequence of
#   clicks, typed limits with Enter, Tab, the wheel and machine refreshes that
#   add and remove drives (the window's drive file changed); a second window is then
#   started directly in the state the first one reached (its switches and
#   limits, as the Linux brelvon-probe says after the same actions), and the
#   pixels the screen shows of both client areas must be equal. A table of
#   sequences, then seeded random ones (the seed is printed on a failure, and
#   SEED repeats it);
# - every visible part of every button, box and option takes its click: its
#   centre and each corner are clicked, and what the click does is seen.
#
#   run-wine-screen-tests.sh [--fresh-start | --random | --clicks] SOURCE_DIR CROSS_BUILD_DIR LINUX_PROBE [SEED]
#
# runs every part, or the one named (the table of sequences, the random
# sequences, the clicks): each takes a minute or more, and runs of this
# script, one for each part, can run side by side.
# Takes the programs from the Windows build (`cmake --preset windows`). Prints "N passed,
# M failed"; exits 0 when all passed, 1 when one failed, 77 (skipped) with
# the reason when a tool or the programs are missing. BRELVON_SHOTS=FOLDER
# keeps every picture compared there.
set -uo pipefail

if [[ "${1:-}" != --inside ]]; then
    part=both
    if [[ "${1:-}" == --fresh-start || "${1:-}" == --random || "${1:-}" == --clicks ]]; then
        part="${1#--}"
        shift
    fi
    for tool in xvfb-run xauth xdotool xclip jq cmp python3; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed; scripts/setup.sh installs it"
            exit 77
        fi
    done
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" --inside "$part" "$@"
fi
part="$2"
shift 2
source_dir="$1"
cross_dir="$2"
probe="$3"
seed="${4:-$(date +%s)}"

# shellcheck source=wine-common.sh
source "$(dirname "$0")/wine-common.sh"
brelvon_exe="$(windows_program brelvon)"
reader_exe="$(windows_program brelvon-window-reader)"
[ -x "$probe" ] || { echo "$0: $probe: not the Linux brelvon-probe" >&2; exit 2; }
use_prefix
shots="${BRELVON_SHOTS:-$work/shots}"
mkdir -p "$shots"

# --- one window at a time ------------------------------------------------------
window_pid=""
# The window reads a copy of the drive file, which a machine refresh finds changed.
window_drives="$work/drives.json"
start_window() { # start_window DRIVES [SWITCHES...]: starts brelvon.exe on a drive file, waits until it has painted
    local drives="$1"; shift
    cp "$drives" "$window_drives"
    "${plain_env[@]}" LANG=en_US.UTF-8 "$wine" "$brelvon_exe" --drives "$window_drives" "$@" >"$work/window.out" 2>"$work/window.err" &
    window_pid=$!
    snapshot_of "$drives" "$@"
    timeout 60 xdotool search --sync --onlyvisible --name '^Brelvon v' >/dev/null || return 1
    read_origin
    settle
}
stop_window() {
    [ -n "$window_pid" ] || return 0
    kill "$window_pid" 2>/dev/null
    wait "$window_pid" 2>/dev/null
    window_pid=""
    # The next window must not start beside this one's remains.
    for _ in $(seq 50); do xdotool search --onlyvisible --name '^Brelvon v' >/dev/null || break; sleep 0.1; done
}
origin_x=0
origin_y=0
client_height=0
read_origin() {
    for _ in $(seq 25); do
        "$wine" "$reader_exe" "Brelvon v" 2>/dev/null | tr -d '\r' >"$work/read"
        grep -q $'^client\t' "$work/read" && break
        sleep 0.2
    done
    read -r _ origin_x origin_y < <(grep $'^origin\t' "$work/read")
    read -r _ _ client_height < <(grep $'^client\t' "$work/read")
}
# The pointer rests off the window, where it shows no tool tip and lights no button.
settle() {
    xdotool mousemove 0 0
    sleep 1
}
grab() { "$wine" "$reader_exe" --grab "Brelvon v" "$1" >/dev/null 2>&1; }

# The model after the same actions, from the Linux probe: where the controls
# are, and the state that a second window starts in.
snapshot="$work/snapshot.json"
probe_args=()
snapshot_of() { # snapshot_of DRIVES [SWITCHES...]: the model of a window just started
    probe_args=(--drives "$1")
    shift
    [ $# -eq 0 ] || probe_args+=(--args "$*")
    "$probe" "${probe_args[@]}" >"$snapshot"
}
model() { # model ACTION...: the probe's actions added to what was done since the start
    probe_args+=("$@")
    "$probe" "${probe_args[@]}" >"$snapshot"
}
# The switches that start a window directly in the state of the snapshot.
state_switches() {
    jq -r '.controls as $c | .state as $s
        | ["-Nd\($c.CheckNet.Value)", "-Rd\($c.CheckRemov.Value)", "-Cd\($c.CheckCD.Value)",
           (if $c.OptGb.Value == true then "-UGb" else "-UMb" end),
           (if $c["OptLang(2)"].Value == true then "-LFr" else "-LEn" end),
           "-Mn\($s.BlueLimit | floor)", "-Mx\($s.RedLimit | floor)"] | join(" ")' "$snapshot"
}

# A control's pixels on the screen, as the snapshot places it: "LEFT TOP RIGHT BOTTOM", right and bottom excluded.
# In a window cut to fit the screen, what lies below the rows moved up by what the rows lost.
place_of() {
    jq -r --arg name "$1" --argjson x "$origin_x" --argjson y "$origin_y" --argjson height "$client_height" '
        def px: . * 96 / 1440 | round;
        .controls as $c | $c[$name] as $it | ($c[$it.Container // ""] // {Left: 0, Top: 0}) as $frame
        | (if ($it.Container // "") == "" and $it.Top >= $c.FramEnd.Top
           then ($c.Form1.Height - 420 | px) - $height else 0 end) as $cut
        | [$x + ($frame.Left | px) + ($it.Left | px), $y + ($frame.Top | px) + ($it.Top | px) - $cut]
        | [.[0], .[1], .[0] + ($it.Width | px), .[1] + ($it.Height | px)] | map(tostring) | join(" ")' "$snapshot"
}
click_at() { xdotool mousemove "$1" "$2" click 1; }
click() { # click NAME: the middle of a control, where the window now is (it moves up as it grows past the screen)
    local left top right bottom
    read_origin
    read -r left top right bottom < <(place_of "$1")
    click_at $(((left + right) / 2)) $(((top + bottom) / 2))
}

# --- a fresh start is the truth ------------------------------------------------
# The actions a sequence is made of. Each does to the window what a user
# does and tells the probe the same.
act() { # act ACTION: one action of a sequence
    case "$1" in
    net | removable | cd)
        local box
        box="$(case "$1" in net) echo CheckNet ;; removable) echo CheckRemov ;; cd) echo CheckCD ;; esac)"
        click "$box"; model --click "$box" ;;
    mb | gb) local option="Opt${1^}"; click "$option"; model --click "$option" ;;
    en | fr)
        local language="OptLang(1)"
        [ "$1" = en ] || language="OptLang(2)"
        click "$language"; model --click "$language" ;;
    blue- | blue+ | red- | red+)
        local button
        button="But$([ "${1%?}" = blue ] && echo Blue || echo Red)$([ "${1: -1}" = - ] && echo Min || echo Max)"
        click "$button"; model --click "$button" ;;
    blue=* | red=*) # a typed limit, applied with Enter
        local box="Text${1%%=*}"
        box="${box/Textblue/TextBlue}"; box="${box/Textred/TextRed}"
        click "$box"
        xdotool key End BackSpace BackSpace BackSpace
        xdotool type "${1#*=}"
        xdotool key Return
        model --type "$box=${1#*=}" --click ButFocus ;;
    tab*) xdotool key --delay 30 --repeat "${1#tab}" Tab ;;
    machine=*) # the machine's drives are now those of another file, found at the next refresh (every 10 s)
        drives_now="$(eval echo "${1#machine=}")"
        "$wine" "$reader_exe" "Brelvon v" 2>/dev/null >"$work/before-refresh"
        cp "$drives_now" "$window_drives.new" && mv "$window_drives.new" "$window_drives"
        for _ in $(seq 60); do
            sleep 0.25
            "$wine" "$reader_exe" "Brelvon v" 2>/dev/null | cmp -s - "$work/before-refresh" || break
        done
        model --machine-changed "$drives_now" ;;
    wheel-down) xdotool mousemove $((origin_x + 200)) $((origin_y + 200)) click --repeat 5 5 ;;
    *) echo "unknown action $1" >&2; return 1 ;;
    esac
    sleep 0.3
}
actions=(net removable cd mb gb en fr blue- blue+ red- red+ blue=20 blue=70 red=40 red=95 tab7 tab40 wheel-down)

# The end of every sequence: the rows scrolled back to the top with the wheel,
# and a click on the unit option already chosen (a refresh that changes
# nothing), which leaves the keyboard focus where a fresh start has it.
end_sequence() {
    xdotool mousemove $((origin_x + 200)) $((origin_y + 200)) click --repeat 40 4
    local unit
    unit="$(jq -r 'if .controls.OptGb.Value == true then "OptGb" else "OptMb" end' "$snapshot")"
    click "$unit"
    model --click "$unit"
    settle
}

compare_with_fresh_start() { # compare_with_fresh_start NAME DRIVES SWITCHES -- ACTION...
    local name="$1" drives="$2" switches=() key
    shift 2
    while [ "$1" != -- ]; do switches+=("$1"); shift; done
    shift
    key="$(printf '%s' "$name" | tr -c 'A-Za-z0-9' _)"
    if ! start_window "$drives" "${switches[@]}"; then
        fail "$name" "brelvon.exe shows no window: $(cat "$work/window.err")"
        stop_window
        return
    fi
    drives_now="$drives"
    for action in "$@"; do act "$action"; done
    end_sequence
    grab "$shots/$key.driven.ppm"
    local reached
    reached="$(state_switches)"
    stop_window
    # shellcheck disable=SC2086
    if ! start_window "$drives_now" $reached; then
        fail "$name" "brelvon.exe $reached shows no window"
        stop_window
        return
    fi
    grab "$shots/$key.fresh.ppm"
    stop_window
    if [ -s "$shots/$key.fresh.ppm" ] && cmp -s "$shots/$key.driven.ppm" "$shots/$key.fresh.ppm"; then
        pass "$name"
    else
        fail "$name" "the screen differs from a fresh start with $reached (pictures: $shots/$key.*.ppm)"
    fi
}

sample="$source_dir/data/sample-drives.json"
twenty_four="$source_dir/tests/data/drives/twenty-four.json"
shrunk="$source_dir/data/screenshot-drives.json"  # a 1 PB share: numbers drawn smaller to fit
grown="$source_dir/tests/data/drives/worked-grown.json"  # C, D, E and F of the sample, F fixed, no G or H
# name | drive file | switches at the start | actions
fresh_start_checks() {
    while IFS='|' read -r name drives switches sequence; do
        # shellcheck disable=SC2086
        compare_with_fresh_start "$name" "$(eval echo "$drives")" $switches -- $sequence
    done <<'TABLE'
+ on the blue limit moves the markers|$sample||blue+
a typed blue limit colours the bars|$sample||blue=70
a typed red limit and Enter moves the markers|$sample||red=40
FR then EN: headings, buttons and title follow|$sample||fr en fr
Gb, then categories ticked and unticked|$sample||gb cd net removable cd
limits stepped past each other|$sample|-Mn80 -Mx85|blue+ blue+ red- red- red-
95 Tabs through 24 scrolled drives leave every digit|$twenty_four|-Nd1 -Rd1 -Cd1|tab95
95 Tabs through shrunk numbers leave every digit|$shrunk|-Nd1 -Rd1 -Cd1|tab95
scrolled rows, then French and Gb|$twenty_four|-Nd1 -Rd1 -Cd1|wheel-down fr gb tab30
a refresh that removes drives and adds one, then a box|$sample|-Nd1 -Rd1 -Cd1|blue+ machine=$grown net
TABLE

    # A shrunk zero stays a zero: the CD-Rom drive's free space and its subtotal's, "0" regular and bold in a
    # column drawn smaller to fit: a font engine that fits a dotted zero to whole
    # pixels at a few pixels joins its dot to its sides, and the zero reads as an 8.
    if start_window "$shrunk" -Nd1 -Rd1 -Cd1; then
        grab "$shots/shrunk-zero.ppm"
        for row in "INSTALL_DVD" "CD-Rom"; do
            cell="$(jq -r --arg text " $row" '.controls | to_entries[] | select(.value.Text == $text) | .key
                | sub("^Text2"; "Text4")' "$snapshot")"
            read -r left top right bottom < <(place_of "$cell")
            # The cell's inside: its sunken edges left out.
            if shape="$(python3 "$(dirname "$0")/digit-shape.py" "$shots/shrunk-zero.ppm" $((left - origin_x + 3)) \
                $((top - origin_y + 3)) $((right - origin_x - 3)) $((bottom - origin_y - 3)) 1)"; then
                pass "the shrunk 0 of $row's free space reads as a 0 ($shape)"
            else
                fail "the shrunk 0 of $row's free space reads as a 0" "drawn in $shape (picture: $shots/shrunk-zero.ppm)"
            fi
        done
    else
        fail "brelvon.exe shows the shrunk numbers" "$(cat "$work/window.err")"
    fi
    stop_window
}

# Random sequences, repeatable by their seed.
random_checks() {
    RANDOM="$seed"
    for round in 1 2 3; do
        sequence=()
        for _ in $(seq 6); do sequence+=("${actions[RANDOM % ${#actions[@]}]}"); done
        drives="$sample"
        start=()
        if ((RANDOM % 2)); then drives="$twenty_four"; start=(-Nd1 -Rd1 -Cd1); fi
        compare_with_fresh_start "random sequence $round of seed $seed: ${sequence[*]}" "$drives" "${start[@]}" -- "${sequence[@]}"
    done
}

# --- every visible part takes its click ----------------------------------------
# The centre and the four corners (one pixel in) of a control's place.
points_of() {
    local left top right bottom
    read -r left top right bottom < <(place_of "$1")
    echo "$(((left + right) / 2)) $(((top + bottom) / 2))"
    echo "$((left + 1)) $((top + 1))"
    echo "$((right - 2)) $((top + 1))"
    echo "$((left + 1)) $((bottom - 2))"
    echo "$((right - 2)) $((bottom - 2))"
}
shown_line() { "$wine" "$reader_exe" "Brelvon v" 2>/dev/null | tr -d '\r' | grep -xF "$1" >/dev/null; }
eventually() { # eventually COMMAND...: true once the command is, within five seconds
    for _ in $(seq 25); do "$@" && return 0; sleep 0.2; done
    return 1
}
limit_is() { shown_line "edit"$'\t'"$1"; }
focus_on() { # focus_on TEXT: a text box with this text has the keyboard focus
    "$wine" "$reader_exe" "Brelvon v" 2>/dev/null | tr -d '\r' | grep -qxF "focus"$'\t'"edit"$'\t'"$1"
}
clipboard_changed() { [ "$(xclip -o -selection clipboard 2>/dev/null)" != "nothing yet" ]; }
about_shown() { xdotool search --onlyvisible --name '^ About$' >/dev/null; }
about_gone() { ! about_shown; }

# The probe is told of each click (the rows a box adds move what lies below them).
check_clicks() { # check_clicks NAME EXPECTATION...: every point of NAME, then a check after each click
    local name="$1" missed=() point x y
    shift
    for point in 1 2 3 4 5; do
        read_origin  # a window that grew with its rows moves up to stay on the screen
        read -r x y < <(points_of "$name" | sed -n "${point}p")
        click_at "$x" "$y"
        [[ "$name" == Text* ]] || model --click "$name"
        eventually "$@" "$point" || missed+=("($x, $y)")
        settle_click
    done
    report_clicks "$name" "${missed[@]}"
}
report_clicks() { # report_clicks NAME MISSED...: one line for the control, with the points that took no click
    local name="$1"
    shift
    if [ $# -eq 0 ]; then
        pass "every part of $name takes its click"
    else
        fail "every part of $name takes its click" "no effect of clicks at $*"
    fi
}
settle_click() { :; }

# Each check is given the number of the point clicked (1 to 5).
ticked() { # ticked CAPTION POINT: the box is ticked after odd clicks, not after even ones
    shown_line "check"$'\t'"$1"$'\t'"$(($2 % 2))"
}
selected() { # selected CAPTION POINT: the option is chosen
    shown_line "option"$'\t'"$1"$'\t'"1"
}
stepped() { # stepped BOX START STEP POINT: the limit has moved POINT steps from START
    limit_is "$(($2 + $3 * $4))"
}
focused() { focus_on "$1"; }
copied() { clipboard_changed; }
about_opened() { about_shown; }

clicks_window() { start_window "$sample" -Nd0 -Rd0 -Cd0 -Mn40 -Mx60 || fail "brelvon.exe shows its window" "$(cat "$work/window.err")"; }
click_checks() {
    clicks_window
    for box in CheckNet:Network CheckRemov:Removable CheckCD:CD-Rom; do
        check_clicks "${box%%:*}" ticked "${box#*:}"
    done
    # An option chosen stays chosen: between two points the other option is chosen again.
    for pair in OptGb:Gb:OptMb:Mb "OptLang(2):FR:OptLang(1):EN"; do
        IFS=: read -r option caption other other_caption <<<"$pair"
        settle_click() { click "$other"; model --click "$other"; eventually shown_line "option"$'\t'"$other_caption"$'\t'"1"; }
        check_clicks "$option" selected "$caption"
        settle_click() { :; }
    done
    # Each click of "-" or "+" moves its limit by 5: 40 and 60 leave room for five steps each way.
    check_clicks ButBlueMin stepped TextBlue 40 -5
    check_clicks ButRedMin stepped TextRed 60 -5
    check_clicks ButRedMax stepped TextRed 35 5
    check_clicks ButBlueMax stepped TextBlue 15 5
    # A click in a limit box gives it the focus; a click on the other takes it away.
    settle_click() { click ButCopy; model --click ButCopy; }
    check_clicks TextBlue focused 40
    check_clicks TextRed focused 60
    printf 'nothing yet' | xclip -selection clipboard -i
    settle_click() { printf 'nothing yet' | xclip -selection clipboard -i; }
    check_clicks ButCopy copied
    settle_click() { xdotool key Escape; model --close-about; eventually about_gone; }
    check_clicks ButAbout about_opened
    settle_click() { :; }
    stop_window
    # E X I T ends the program: a window for each point.
    missed=()
    for point in 1 2 3 4 5; do
        clicks_window
        read -r x y < <(points_of ButExit | sed -n "${point}p")
        click_at "$x" "$y"
        for _ in $(seq 150); do kill -0 "$window_pid" 2>/dev/null || break; sleep 0.2; done
        kill -0 "$window_pid" 2>/dev/null && missed+=("($x, $y)")
        stop_window
    done
    report_clicks ButExit "${missed[@]}"
}

case "$part" in
fresh-start) fresh_start_checks ;;
random) random_checks ;;
clicks) click_checks ;;
*) fresh_start_checks; random_checks; click_checks ;;
esac
finish
