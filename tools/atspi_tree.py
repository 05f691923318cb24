#!/usr/bin/python3
"""Prints the accessible tree of the running game as a screen reader reaches it over AT-SPI.

usage: tools/atspi_tree.py [application name (Roadshift)]
Run it inside the same D-Bus session as the game and its AT-SPI bus (tools/atspi_tree.sh does).
Prints one line per object, indented by depth: role, name in quotes, and "(hidden)" for objects
a screen reader would not present. Waits up to 10 s for the application to appear.
"""
import sys
import time

import pyatspi


def applications():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
    return [app for app in apps if app is not None]


def find_app(name, limit=10.0):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        for app in applications():
            if app.name == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, depth):
    states = node.getState()
    hidden = "" if states.contains(pyatspi.STATE_SHOWING) else " (hidden)"
    print(f"{'  ' * depth}{node.getRoleName()} '{node.name}'{hidden}")
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1)


def main():
    name = sys.argv[1] if len(sys.argv) > 1 else "Roadshift"
    app = find_app(name)
    if app is None:
        found = ", ".join(repr(a.name) for a in applications()) or "none"
        sys.exit(f"atspi_tree: no application {name!r} on the accessibility bus (found: {found})")
    walk(app, 0)


if __name__ == "__main__":
    main()
