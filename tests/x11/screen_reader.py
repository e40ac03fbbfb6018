#!/usr/bin/python3
# Waits up to ten seconds until a screen reader hears what it should of the running program,
# through AT-SPI. Usage: screen_reader.py tabs|graph PATTERN   (fnmatch, against: tabs, the selected
# tab of each showing strip, sorted and joined by " / "; graph, the graph's description)
import fnmatch, sys, time  # noqa: E401
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def children(node):
    return [c for c in map(node.get_child_at_index, range(node.get_child_count())) if c]


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def heard():
    apps = [a for a in children(Atspi.get_desktop(0)) if a.get_name() == "Quenbry - Vexmoor"]
    if sys.argv[1] == "tabs":
        return " / ".join(sorted(tab.get_name() for app in apps for strip in walk(app)
                                 if strip.get_role() == Atspi.Role.PAGE_TAB_LIST
                                 and strip.get_state_set().contains(Atspi.StateType.SHOWING)
                                 for tab in children(strip)
                                 if tab.get_state_set().contains(Atspi.StateType.SELECTED)))
    return next((n.get_description() for app in apps for n in walk(app)
                 if n.get_role() == Atspi.Role.IMAGE and n.get_name() == "Break-even graph"),
                "no graph named 'Break-even graph' in an application named 'Quenbry - Vexmoor'")


for _ in range(100):
    if fnmatch.fnmatchcase(now := heard(), sys.argv[2]):
        print(f"screen reader: {now}")
        sys.exit()
    time.sleep(0.1)
sys.exit(f"FAIL: a reader hears {now!r}, not {sys.argv[2]!r}")
