#!/usr/bin/python3
"""Prints the screen centre "x y" of the control a running program's screen-reader tree names.
   where.py <pid> <accessible name> [role]; exits 1 when no such control is showing yet.
   where.py --tabs <pid> prints the names of the page tabs showing, one a line."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    # A list's entries hold no controls, and there are many.
    if node.get_role_name() == "combo box":
        return
    for i in range(node.get_child_count()):
        yield from walk(node.get_child_at_index(i), depth + 1)


def nodes_of(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            yield from walk(app)


def main():
    if sys.argv[1] == "--tabs":
        names = [n.get_name() for n in nodes_of(int(sys.argv[2]))
                 if n.get_role_name() == "page tab"
                 and n.get_state_set().contains(Atspi.StateType.SHOWING)]
        print("\n".join(names))
        return 0 if names else 1
    pid, name = int(sys.argv[1]), sys.argv[2]
    role = sys.argv[3] if len(sys.argv) > 3 else None
    for node in nodes_of(pid):
        try:
            if node.get_name() != name:
                continue
            if role and node.get_role_name() != role:
                continue
            if not node.get_state_set().contains(Atspi.StateType.SHOWING):
                continue
            r = node.get_extents(Atspi.CoordType.SCREEN)
        except gi.repository.GLib.Error:
            continue
        if r.width > 0 and r.height > 0:
            print(r.x + r.width // 2, r.y + r.height // 2)
            return 0
    return 1


sys.exit(main())
