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


def showing_nodes(pid, role=None, name=None):
    """The showing controls of the program, of that role and name where given, with their names;
    one that does not answer is passed over."""
    for node in nodes_of(pid):
        try:
            node_name = node.get_name()
            if name is not None and node_name != name:
                continue
            if role and node.get_role_name() != role:
                continue
            if not showing(node):
                continue
        except GLib.Error:
            continue
        yield node, node_name


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
        names = [name for _, name in showing_nodes(int(sys.argv[2]), role="page tab")]
        print("\n".join(names))
        return 0 if names else 1
    if sys.argv[1] == "--names":
        for _, name in showing_nodes(int(sys.argv[2])):
            if name:
                print(name)
        return 0
    if sys.argv[1] == "--text":
        for node, _ in showing_nodes(int(sys.argv[2]), name=sys.argv[3]):
            try:
                print(Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node)))
                return 0
            except GLib.Error:
                continue
        return 1
    pid, name = int(sys.argv[1]), sys.argv[2]
    role = sys.argv[3] if len(sys.argv) > 3 else None
    for node, _ in showing_nodes(pid, role, name):
        try:
            r = node.get_extents(Atspi.CoordType.SCREEN)
        except GLib.Error:
            continue
        if r.width > 0 and r.height > 0:
            print(r.x + r.width // 2, r.y + r.height // 2)
            return 0
    return 1


sys.exit(main())
