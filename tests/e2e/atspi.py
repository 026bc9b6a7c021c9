#!/usr/bin/python3
"""Drives a running Stint through the desktop's accessibility bus (AT-SPI),
the way assistive technology does: find a control by its role and name,
wait for it to show, press it.

    atspi.py wait  <role> <name> [seconds]   exit 0 once it is showing
    atspi.py press <role> <name> [seconds]   wait for it, then press it
    atspi.py inside <role> <name> [seconds]  wait for it; exit 0 when it lies
                                             wholly inside its window
    atspi.py type  <role> <name> <text>      wait for a text field, give it the
                                             focus and type into it (xdotool)
    atspi.py dump                            print the app's tree

Roles are AT-SPI role names ("push button", "label", "menu item", ...).
Runs with Debian's python3 and python3-pyatspi.
"""
import subprocess
import sys
import time

import pyatspi

APP_NAME = "Stint"


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP_NAME:
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node, depth
    for index in range(node.childCount):
        try:
            child = node.getChildAtIndex(index)
        except Exception:  # the tree changes under us while the UI updates
            continue
        yield from walk(child, depth + 1)


def is_showing(node):
    try:
        states = node.getState()
        return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)
    except Exception:
        return False


def named(node, name):
    """Qt gives a password field no name, only its placeholder as the description."""
    return node.name == name or (node.getRoleName() == "password text" and node.description == name)


def find(role, name):
    app = find_app()
    if app is None:
        return None
    for node, _ in walk(app):
        try:
            if node.getRoleName() == role and named(node, name) and is_showing(node):
                return node
        except Exception:
            continue
    return None


def wait_for(role, name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        node = find(role, name)
        if node is not None:
            return node
        time.sleep(0.2)
    return None


def press(node):
    action = node.queryAction()
    for index in range(action.nActions):
        if action.getName(index) in ("press", "Press", "click", "activate", "Toggle", "toggle"):
            return action.doAction(index)
    return action.doAction(0)


def type_into(node, text):
    """Gives the field the keyboard focus and types `text` with real key
    presses, as a user would."""
    if not node.queryComponent().grabFocus():
        print(f"{node.name!r} did not take the focus", file=sys.stderr)
        return False
    deadline = time.monotonic() + 5
    while not node.getState().contains(pyatspi.STATE_FOCUSED):
        if time.monotonic() > deadline:
            print(f"{node.name!r} did not take the focus", file=sys.stderr)
            return False
        time.sleep(0.1)
    return subprocess.run(["xdotool", "type", "--delay", "20", "--", text]).returncode == 0


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def window_of(node):
    while node is not None and node.getRoleName() not in ("frame", "window", "dialog"):
        node = node.parent
    return node


def lies_inside(node):
    window = window_of(node)
    if window is None:
        print("the control has no window", file=sys.stderr)
        return False
    x, y, w, h = extents(node)
    wx, wy, ww, wh = extents(window)
    inside = x >= wx and y >= wy and x + w <= wx + ww and y + h <= wy + wh
    if not inside:
        print(f"{node.name!r} at {x},{y} {w}x{h} is not inside its window at {wx},{wy} {ww}x{wh}",
              file=sys.stderr)
    return inside


def dump():
    app = find_app()
    if app is None:
        print("no accessible application named", APP_NAME)
        return 1
    for node, depth in walk(app):
        try:
            mark = "" if is_showing(node) else "  (hidden)"
            print("  " * depth + f"{node.getRoleName()}: {node.name!r}{mark}")
        except Exception:
            continue
    return 0


def main(argv):
    if len(argv) >= 2 and argv[1] == "dump":
        return dump()
    if len(argv) < 4 or argv[1] not in ("wait", "press", "inside", "type") or (argv[1] == "type" and len(argv) != 5):
        print(__doc__, file=sys.stderr)
        return 2
    seconds = float(argv[4]) if len(argv) > 4 and argv[1] != "type" else 20.0
    node = wait_for(argv[2], argv[3], seconds)
    if node is None:
        print(f"no showing {argv[2]} named {argv[3]!r} within {seconds:g} s", file=sys.stderr)
        dump()
        return 1
    if argv[1] == "press" and not press(node):
        print(f"pressing {argv[3]!r} failed", file=sys.stderr)
        return 1
    if argv[1] == "inside" and not lies_inside(node):
        return 1
    if argv[1] == "type" and not type_into(node, argv[4]):
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
