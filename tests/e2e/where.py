#!/usr/bin/python3
"""Prints the screen centre "x y" of the control a running program's screen-reader tree names.
   where.py <pid> <accessible name> [role]; exits 1 when no such control is showing yet.
   where.py --tabs <pid> prints the names of the page tabs showing, one a line.
   where.py --names <pid> prints the names of all controls showing, one a line.
   where.py --text <pid> <accessible name> prints the whole text of that control.
   where.py --last-focus <pid> <seconds> listens that long and prints the name of the control
   whose gaining the focus the program announced last; exits 1 when it announced none."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    try:
        # A list's entries hold no controls, and there are many; nothing inside a control that is
        # not showing (a hidden window, another tab's page) shows either. Fewer calls also mean
        # fewer chances for a busy program to miss the reply time.
        leaf = node.get_role_name() == "combo box" or (depth > 0 and not showing(node))
        children = 0 if leaf else node.get_child_count()
    except GLib.Error:
        return
    yield node
    for i in range(children):
        try:
            child = node.get_child_at_index(i)
        except GLib.Error:
            continue
        yield from walk(child, depth + 1)


def nodes_of(pid):
    # A program on a loaded machine answers late; the default allows it less than a second.
    Atspi.set_timeout(10000, 15000)
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except GLib.Error:
            continue
        yield from walk(app)


def last_focus(pid, seconds):
    names = []

    def on_focus(event):
        if event.detail1 == 1 and event.source.get_process_id() == pid:
            names.append(event.source.get_name())

    listener = Atspi.EventListener.new(on_focus)
    listener.register("object:state-changed:focused")
    print("listening", flush=True)
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()
    print(names[-1] if names else "")
    return 0 if names else 1


def main():
    if sys.argv[1] == "--last-focus":
        return last_focus(int(sys.argv[2]), float(sys.argv[3]))
    if sys.argv[1] == "--tabs":
        names = []
        for n in nodes_of(int(sys.argv[2])):
            try:
                if n.get_role_name() == "page tab" and showing(n):
                    names.append(n.get_name())
            except GLib.Error:
                continue
        print("\n".join(names))
        return 0 if names else 1
    if sys.argv[1] == "--names":
        for n in nodes_of(int(sys.argv[2])):
            try:
                if showing(n) and n.get_name():
                    print(n.get_name())
            except GLib.Error:
                continue
        return 0
    if sys.argv[1] == "--text":
        for n in nodes_of(int(sys.argv[2])):
            try:
                if n.get_name() == sys.argv[3] and showing(n):
                    print(Atspi.Text.get_text(n, 0, Atspi.Text.get_character_count(n)))
                    return 0
            except GLib.Error:
                continue
        return 1
    pid, name = int(sys.argv[1]), sys.argv[2]
    role = sys.argv[3] if len(sys.argv) > 3 else None
    for node in nodes_of(pid):
        try:
            if node.get_name() != name:
                continue
            if role and node.get_role_name() != role:
                continue
            if not showing(node):
                continue
            r = node.get_extents(Atspi.CoordType.SCREEN)
        except GLib.Error:
            continue
        if r.width > 0 and r.height > 0:
            print(r.x + r.width // 2, r.y + r.height // 2)
            return 0
    return 1


sys.exit(main())
