#!/usr/bin/env bash
# What a screen reader hears of the real program in a real X server (Xvfb), through AT-SPI on a
# session bus of its own: the program's name and the selected tabs as the page changes, then the
# graph of the worked example, its description and its last point. Usage: screen_reader.sh <vexmoor>
export VEXMOOR_WRAP="dbus-run-session --"
source "$(dirname "$0")/support/window.sh"
hears() { /usr/bin/python3 "$here/screen_reader.py" "$@" || fail "screen reader"; }
start QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
hears tabs Calculator
keys ctrl+Tab
hears tabs "Break Even / Break Even"
keys alt+p
break_even_example
keys alt+g
hears graph "Break-even units 250. From 1 to 100 units*"
keys Tab End
hears graph "100 units: total costs 1,600.00, total sales 1,000.00, fixed costs 1,000.00."
