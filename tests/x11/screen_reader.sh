#!/usr/bin/env bash
# What a screen reader hears of the real program in a real X server (Xvfb), through AT-SPI on a
# session bus of its own: the selected tabs as pages change, then the graph of the worked example.
# Usage: screen_reader.sh <path to vexmoor>
export VEXMOOR_WRAP="dbus-run-session --"
source "$(dirname "$0")/support/window.sh"
cd "$work"
start QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
/usr/bin/python3 "$here/screen_reader.py" "$window" tabs
xdotool key --window "$window" alt+b
sleep 0.4
xdotool key --window "$window" alt+p
sleep 0.4
break_even_example
sleep 0.4
/usr/bin/python3 "$here/screen_reader.py" "$window" graph
