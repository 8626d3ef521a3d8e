#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running tarnwick through the accessibility bus, as a screen reader does.

Used by the end-to-end journeys (start the bus with start_accessibility_bus from e2e_lib.sh):

  a11y.py windows                       titles of the program's visible top-level windows
  a11y.py find NAME [ROLE]              "x y w h" of the first showing object named NAME
  a11y.py find-all NAME [ROLE]          "x y w h" of every showing object named NAME, left to right
  a11y.py text NAME [ROLE]              the text (or name) of that object
  a11y.py table NAME                    "rows columns" of the table named NAME
  a11y.py rows NAME                     the number of rows of that table
  a11y.py headers NAME                  the column header titles of that table, one a line
  a11y.py cell NAME ROW COL             the text of a cell
  a11y.py cell-center NAME ROW COL      "x y": the screen point in the middle of a cell
  a11y.py unnamed                       every showing control of some size, and the focused one
                                        of any size, that has no accessible name
  a11y.py headerless                    every showing table with a column that has no header title
  a11y.py wait EXPECTED COMMAND ARGS... runs COMMAND until it prints EXPECTED, 10 s at most

ROLE is a pyatspi role name without the ROLE_ prefix ("table", "push button", "text").
Objects are matched by exact accessible name. Exit 1 with a message when nothing matches.
"""
import contextlib
import io
import sys
import time

import pyatspi

APP_NAME = "Tarnwick"
# Roles that a user operates and that a screen reader must be able to name.
CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_SLIDER, pyatspi.ROLE_LIST, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
}


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for app in desktop:
            if app is not None and app.name == APP_NAME:
                return app
        time.sleep(0.1)
    sys.exit(f"no application named {APP_NAME} on the accessibility bus")


def showing(obj):
    try:
        return obj.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(obj, skip_table_cells=True):
    """Every showing descendant; the cells of tables are not entered (a grid can hold 65535 rows)."""
    stack = [obj]
    while stack:
        node = stack.pop()
        yield node
        if skip_table_cells and node.getRole() == pyatspi.ROLE_TABLE:
            continue
        for child in reversed(list(node)):
            if child is not None and showing(child):
                stack.append(child)


def role_of(name):
    return getattr(pyatspi, "ROLE_" + name.upper().replace(" ", "_"))


def find(name, role=None):
    for _ in range(50):
        for node in walk(application()):
            if node.name == name and (role is None or node.getRole() == role):
                return node
        time.sleep(0.1)
    sys.exit(f"nothing named \"{name}\" is showing")


def extents(obj):
    box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def text_of(obj):
    try:
        text = obj.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return obj.name


def place_of(obj):
    """Where an object sits, for a message: the names (or roles) of its ancestors, outermost first."""
    steps = []
    node = obj.parent
    while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
        steps.append(node.name or f"[{node.getRoleName()}]")
        node = node.parent
    return " > ".join(reversed(steps))


def describe(node):
    hint = f", description \"{node.description}\"" if node.description else ""
    return f"{node.getRoleName()} in {place_of(node)}{hint}, {node.childCount} children"


def has_area(obj):
    """False for a control of no size, such as the windows' focus sink ("Dummy")."""
    _, _, width, height = extents(obj)
    return width > 0 and height > 0


def focused(obj):
    """A control with the keyboard focus is announced whatever its size, 0 x 0 included."""
    try:
        return obj.getState().contains(pyatspi.STATE_FOCUSED)
    except Exception:
        return False


def column_title(table, col):
    title = table.getColumnDescription(col)
    if title:
        return title
    header = table.getColumnHeader(col)
    return text_of(header).strip() if header is not None else ""


def headerless_tables():
    """(table, column) for every column of a showing table whose header has no title."""
    for node in walk(application()):
        if node.getRole() != pyatspi.ROLE_TABLE:
            continue
        table = node.queryTable()
        for col in range(table.nColumns):
            if not column_title(table, col):
                yield node, col


def wait_for(expected, argv):
    """Runs a command of this script until what it prints is EXPECTED; exits 1 after 10 s."""
    deadline = time.monotonic() + 10
    while True:
        printed = io.StringIO()
        try:
            with contextlib.redirect_stdout(printed):
                main(argv)
            last = printed.getvalue().rstrip("\n")
        except SystemExit as stop:
            last = f"({stop})"
        if last == expected:
            return
        if time.monotonic() > deadline:
            sys.exit(f"waited 10 s for \"{expected}\" from {' '.join(argv[1:])}; it last gave \"{last}\"")
        time.sleep(0.1)


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    command, args = argv[1], argv[2:]
    if command == "windows":
        for window in application():
            if window is not None and showing(window):
                print(window.name)
    elif command == "find":
        print(*extents(find(args[0], role_of(args[1]) if len(args) > 1 else None)))
    elif command == "find-all":
        role = role_of(args[1]) if len(args) > 1 else None
        find(args[0], role)
        boxes = [extents(node) for node in walk(application())
                 if node.name == args[0] and (role is None or node.getRole() == role)]
        for box in sorted(boxes):
            print(*box)
    elif command == "text":
        print(text_of(find(args[0], role_of(args[1]) if len(args) > 1 else None)))
    elif command == "table":
        table = find(args[0], pyatspi.ROLE_TABLE).queryTable()
        print(table.nRows, table.nColumns)
    elif command == "rows":
        print(find(args[0], pyatspi.ROLE_TABLE).queryTable().nRows)
    elif command == "headers":
        table = find(args[0], pyatspi.ROLE_TABLE).queryTable()
        for col in range(table.nColumns):
            print(column_title(table, col))
    elif command in ("cell", "cell-center"):
        table = find(args[0], pyatspi.ROLE_TABLE).queryTable()
        cell = table.getAccessibleAt(int(args[1]), int(args[2]))
        if command == "cell":
            print(text_of(cell))
        else:
            x, y, w, h = extents(cell)
            print(x + w // 2, y + h // 2)
    elif command == "unnamed":
        for node in walk(application()):
            if node.getRole() in CONTROL_ROLES and not node.name and (has_area(node) or focused(node)):
                print(("focused " if focused(node) else "") + describe(node))
    elif command == "headerless":
        for node, col in headerless_tables():
            print(f"column {col} of table \"{node.name}\" in {place_of(node)} has no header title")
    elif command == "wait" and len(args) >= 2:
        wait_for(args[0], [argv[0]] + args[1:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
