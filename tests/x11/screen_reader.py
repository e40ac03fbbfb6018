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


def key(*keys):
    subprocess.run(["xdotool", "key", "--window", sys.argv[1], *keys], check=True)
    time.sleep(0.4)


def children(node):
    return [c for c in map(node.get_child_at_index, range(node.get_child_count())) if c]


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def has(node, state):
    return node.get_state_set().contains(state)


def main():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        app = next((a for a in children(desktop) if a.get_name() == "Quenbry - Vexmoor"), None)
        if app is not None:
            break
        time.sleep(0.1)
    else:
        sys.exit("FAIL: no application named 'Quenbry - Vexmoor' on the accessibility bus")
    if sys.argv[2] == "tabs":
        for keys, expected in [([], ["Calculator"]), (["ctrl+Tab"], ["Break Even", "Break Even"]),
                               (["ctrl+shift+Tab"], ["Calculator"])]:
            if keys:
                key(*keys)
            heard = [tab.get_name() for strip in walk(app)
                     if strip.get_role() == Atspi.Role.PAGE_TAB_LIST
                     and has(strip, Atspi.StateType.SHOWING) for tab in children(strip)
                     if has(tab, Atspi.StateType.SELECTED)]
            if sorted(heard) != expected:
                sys.exit(f"FAIL: after {keys} the selected tabs are {heard}")
        return
    heard = []
    for keys in (["alt+g"], ["Tab"], ["End"]):
        key(*keys)
        heard += [n.get_description() for n in walk(app) if n.get_role() == Atspi.Role.IMAGE
                  and n.get_name() == "Break-even graph"][:1]
    if len(heard) < 3 or not heard[0].startswith("Break-even units 250. From 1 to 100 units") or heard[2] != (
            "100 units: total costs 1,600.00, total sales 1,000.00, fixed costs 1,000.00."):
        sys.exit(f"FAIL: the graph is heard as {heard}")
    print("screen reader: " + " / ".join(heard))


if __name__ == "__main__":
    main()
