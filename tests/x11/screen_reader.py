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
    def selected_tabs():
        return sorted(tab.get_name() for strip in walk(app)
                      if strip.get_role() == Atspi.Role.PAGE_TAB_LIST
                      and has(strip, Atspi.StateType.SHOWING) for tab in children(strip)
                      if has(tab, Atspi.StateType.SELECTED))

    def graph():
        return next((n.get_description() for n in walk(app) if n.get_role() == Atspi.Role.IMAGE
                     and n.get_name() == "Break-even graph"), None)

    # After each key, what is heard until it is what a reader should hear (the bus may lag a busy
    # machine), for up to five seconds.
    steps = {"tabs": [([], selected_tabs, lambda h: h == ["Calculator"]),
                      (["ctrl+Tab"], selected_tabs, lambda h: h == ["Break Even", "Break Even"]),
                      (["ctrl+shift+Tab"], selected_tabs, lambda h: h == ["Calculator"])],
             "graph": [(["alt+g"], graph, lambda h: h and h.startswith(
                           "Break-even units 250. From 1 to 100 units")),
                       (["Tab"], graph, lambda h: h is not None),
                       (["End"], graph, lambda h: h == "100 units: total costs 1,600.00, "
                        "total sales 1,000.00, fixed costs 1,000.00.")]}[sys.argv[2]]
    heard = []
    for keys, read, right in steps:
        if keys:
            key(*keys)
        for _ in range(50):
            if right(now := read()):
                break
            time.sleep(0.1)
        heard.append(str(now))
        if not right(now):
            sys.exit(f"FAIL: after {keys} a reader hears {heard}")
    print("screen reader: " + " / ".join(heard))

if __name__ == "__main__":
    main()
