#!/usr/bin/python3
"""What a screen reader hears of the running program, read through AT-SPI: its name, the selected
tab of each strip as pages change, and the graph's description and points.
Usage: screen_reader.py <X window id>   (the program runs on the same accessibility bus)"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

NAME = "Quenbry - Vexmoor"


def fail(message):
    subprocess.run(["import", "-window", "root", "/tmp/screen_reader_fail.png"], check=False)
    print("FAIL: " + message)
    sys.exit(1)


def key(window, *keys):
    subprocess.run(["xdotool", "key", "--window", window, *keys], check=True)
    time.sleep(0.4)


def application():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == NAME:
                return app
        time.sleep(0.1)
    names = [desktop.get_child_at_index(i).get_name() for i in range(desktop.get_child_count())]
    fail(f"no application named {NAME!r} on the accessibility bus, only {names}")


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
        if node.get_role() != Atspi.Role.PAGE_TAB_LIST:
            continue
        states = node.get_state_set()
        if not states.contains(Atspi.StateType.SHOWING):
            continue
        for i in range(node.get_child_count()):
            tab = node.get_child_at_index(i)
            if tab.get_state_set().contains(Atspi.StateType.SELECTED):
                tabs.append(tab.get_name())
    return tabs


def graph(app):
    for node in walk(app):
        if node.get_role() == Atspi.Role.IMAGE and node.get_name() == "Break-even graph":
            return node
    roles = sorted({(n.get_role_name(), n.get_name()) for n in walk(app)})
    fail(f"no chart among {roles}")


def main():
    window = sys.argv[1]
    app = application()
    heard = selected_tabs(app)
    if heard != ["Calculator"]:
        fail(f"at start the selected tabs are {heard}")
    key(window, "ctrl+Tab")
    heard = selected_tabs(app)
    if sorted(heard) != ["Break Even", "Break Even"]:
        fail(f"after Ctrl+Tab the selected tabs are {heard}")
    key(window, "ctrl+shift+Tab")
    if selected_tabs(app) != ["Calculator"]:
        fail(f"after Ctrl+Shift+Tab the selected tabs are {selected_tabs(app)}")
    print("screen reader: application, selected tabs: " + ", ".join(heard))

    # The worked example, then the graph: its description, then a point stepped onto.
    key(window, "alt+b")
    key(window, "alt+p")
    subprocess.run(["xdotool", "mousemove", "--window", window, "387", "101", "click", "1"],
                   check=True)  # into the Sales field
    for text in ["100", "10", "6", "1000"]:
        subprocess.run(["xdotool", "key", "ctrl+a"], check=True)
        subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)
        key(window, "Tab")
    subprocess.run(["xdotool", "mousemove", "--window", window, "366", "272", "click", "1"],
                   check=True)  # Calculate Break Even Units
    time.sleep(0.4)
    key(window, "alt+g")
    described = graph(app).get_description()
    if not described.startswith("Break-even units 250. From 1 to 100 units"):
        fail(f"the graph is described as {described!r}")
    key(window, "Tab")
    key(window, "End")
    point = graph(app).get_description()
    if point != "100 units: total costs 1,600.00, total sales 1,000.00, fixed costs 1,000.00.":
        fail(f"the last point is heard as {point!r}")
    print("screen reader: graph: " + described + " / " + point)
    return 0


if __name__ == "__main__":
    sys.exit(main())
