#!/usr/bin/python3
"""Prints the window of a running program as a screen reader reads it through
AT-SPI: one line per object, depth-first in the order AT-SPI gives, indented
two blanks per level, as ROLE<TAB>NAME, with <TAB>VALUE for an object that has
a value. Roles are written as tree-format.md names them, so that the Windows
reader's output compares line by line.

    atspi-tree.py TITLE_PREFIX [SECONDS]

Waits up to SECONDS (default 20) for a window whose name starts with
TITLE_PREFIX. Exits 1 when none appears.
"""
import sys
import time

import pyatspi

ROLES = {
    pyatspi.ROLE_FRAME: "window",
    pyatspi.ROLE_WINDOW: "window",
    pyatspi.ROLE_DIALOG: "window",
    pyatspi.ROLE_LABEL: "text",
    pyatspi.ROLE_STATIC: "text",
    pyatspi.ROLE_TABLE_COLUMN_HEADER: "column header",
    pyatspi.ROLE_TABLE_ROW: "row",
    pyatspi.ROLE_ENTRY: "edit",
    pyatspi.ROLE_TEXT: "edit",
    pyatspi.ROLE_PROGRESS_BAR: "progress bar",
    pyatspi.ROLE_PUSH_BUTTON: "button",
    pyatspi.ROLE_CHECK_BOX: "check box",
    pyatspi.ROLE_RADIO_BUTTON: "radio button",
    pyatspi.ROLE_PANEL: "grouping",
    pyatspi.ROLE_GROUPING: "grouping",
    pyatspi.ROLE_IMAGE: "graphic",
}


def find_window(prefix, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for application in desktop:
            if application is None:
                continue
            for window in application:
                if window is not None and (window.name or "").startswith(prefix):
                    return window
        time.sleep(0.2)
    return None


def value_of(accessible):
    try:
        value = accessible.queryValue()
    except NotImplementedError:
        return None
    return str(int(round(value.currentValue)))


def write(accessible, depth):
    role = ROLES.get(accessible.getRole(), accessible.getRoleName())
    line = "  " * depth + role + "\t" + (accessible.name or "")
    value = value_of(accessible)
    if value is not None:
        line += "\t" + value
    print(line)
    for child in accessible:
        if child is not None:
            write(child, depth + 1)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    window = find_window(sys.argv[1], float(sys.argv[2]) if len(sys.argv) == 3 else 20)
    if window is None:
        print("no window named " + sys.argv[1] + "...", file=sys.stderr)
        return 1
    write(window, 0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
