#!/usr/bin/python3
"""What a screen reader hears of the running program, read through AT-SPI.
Usage: screen_reader.py <X window id> tabs|graph   (the program runs on the same accessibility bus)
  tabs:  the program's name, and the selected tab of each strip as pages change;
  graph: the worked example's graph (already calculated): its description, then its last point."""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

NAME = "Quenbry - Vexmoor"


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def key(window, *keys):
    subprocess.run(["xdotool", "key", "--window", window, *keys], check=True)
    time.sleep(0.4)


def application():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
        for app in apps:
            if app is not None and app.get_name() == NAME:
                return app
        time.sleep(0.1)
    fail(f"no application named {NAME!r} on the accessibility bus, only {[a.get_name() for a in apps]}")


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def selected_tabs(app):
    """The selected tab of each shown tab strip, by name."""
    tabs = []
    for node in walk(app):
        if node.get_role() == Atspi.Role.PAGE_TAB_LIST and node.get_state_set().contains(
                Atspi.StateType.SHOWING):
            tabs += [node.get_child_at_index(i).get_name() for i in range(node.get_child_count())
                     if node.get_child_at_index(i).get_state_set().contains(Atspi.StateType.SELECTED)]
    return tabs


def graph(app):
    for node in walk(app):
        if node.get_role() == Atspi.Role.IMAGE and node.get_name() == "Break-even graph":
            return node.get_description()
    fail(f"no chart among {sorted({(n.get_role_name(), n.get_name()) for n in walk(app)})}")


def main():
    window, part = sys.argv[1], sys.argv[2]
    app = application()
    if part == "tabs":
        for keys, expected in [([], ["Calculator"]), (["ctrl+Tab"], ["Break Even", "Break Even"]),
                               (["ctrl+shift+Tab"], ["Calculator"])]:
            if keys:
                key(window, *keys)
            heard = selected_tabs(app)
            if sorted(heard) != expected:
                fail(f"after {keys} the selected tabs are {heard}")
        print("screen reader: application and selected tabs")
        return 0
    key(window, "alt+g")
    described = graph(app)
    if not described.startswith("Break-even units 250. From 1 to 100 units"):
        fail(f"the graph is described as {described!r}")
    key(window, "Tab")
    key(window, "End")
    point = graph(app)
    if point != "100 units: total costs 1,600.00, total sales 1,000.00, fixed costs 1,000.00.":
        fail(f"the last point is heard as {point!r}")
    print("screen reader: graph: " + described + " / " + point)
    return 0


if __name__ == "__main__":
    sys.exit(main())
