# shellcheck shell=bash
# The hostile drive files every program is tried with, on Linux and under
# Wine; sourced, not run. Gives:
#   hostile_drive_files DIR   makes the files in DIR and prints one line per
#                             file: its path, a TAB, the error line a program
#                             must give for it after "PROGRAM: ", and where
#                             Windows gives another, a TAB and that line
# Each must be refused at once with status 2: not read when it is not a
# regular file (a FIFO without a writer would hold a reader forever, a device
# never end), nor parsed when too large or too deep, and quoted short. Windows
# sees no file at all where Linux has a device or a FIFO (Wine does not show
# them to a program's questions about a name), nor one with a control
# character in its name.

hostile_drive_files() {
    local dir="$1"
    mkdir -p "$dir/folder"
    rm -f "$dir/fifo.json"
    mkfifo "$dir/fifo.json"
    # Nesting 200,000 deep in a letter (400 KB): the parser's depth once
    # crashed the programs.
    { printf '{"drives":[{"letter":'; head -c 200000 /dev/zero | tr '\0' '['
      head -c 200000 /dev/zero | tr '\0' ']'; printf '}]}'; } >"$dir/deep.json"
    # A letter of 2,000,000 characters, once quoted whole.
    { printf '{"drives":[{"letter":"'; head -c 2000000 /dev/zero | tr '\0' 'C'; printf '","type":2}]}'; } \
        >"$dir/long-letter.json"
    # A sparse file of 17 MiB.
    truncate -s 17M "$dir/huge.json"
    # A terminal's escape sequence in the file's name and in a value.
    printf '{"drives":[{"letter":"\\u001b[2J","type":2}]}' >"$dir/odd"$'\e'"[2J.json"

    local letter38
    letter38="$(head -c 38 /dev/zero | tr '\0' 'C')"
    local none="No such file or directory"
    printf '%s\t%s\t%s\n' \
        "/dev/zero" "/dev/zero: not a regular file" "/dev/zero: $none" \
        "/dev/urandom" "/dev/urandom: not a regular file" "/dev/urandom: $none" \
        "$dir/fifo.json" "$dir/fifo.json: not a regular file" "$dir/fifo.json: $none"
    printf '%s\t%s\n' \
        "$dir/folder" "$dir/folder: is a directory" \
        "$dir/huge.json" "$dir/huge.json: too large for a drive file: 17825792 bytes, at most 16777216" \
        "$dir/deep.json" "$dir/deep.json: nested deeper than 8 levels at line 1, column 27" \
        "$dir/long-letter.json" "$dir/long-letter.json: drive 1: \"letter\" must be one letter A to Z, not \"$letter38…"
    # Windows names no file with a control character.
    printf '%s\t%s\t%s\n' "$dir/odd"$'\e'"[2J.json" \
        "$dir/odd\\u001B[2J.json: drive 1: \"letter\" must be one letter A to Z, not \"\\u001b[2J\"" \
        "$dir/odd\\u001B[2J.json: $none"
}
