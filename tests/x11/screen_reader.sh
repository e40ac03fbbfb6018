#!/usr/bin/env bash
# What a screen reader hears of the real program in a real X server (Xvfb), through AT-SPI on a
# session bus of its own: the program's name, the selected tabs as pages change, and the graph.
# Usage: screen_reader.sh <path to vexmoor>
set -euo pipefail
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VEXMOOR_INNER:-}" ]; then
    export VEXMOOR_INNER=1
    exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" \
        dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$program" >"$work/out.log" 2>&1 &
pid=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Quenbry - Vexmoor$' 2>/dev/null | tail -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window"; cat "$work/out.log"; exit 1; }
sleep 0.5
xdotool windowfocus "$window"
/usr/bin/python3 "$here/screen_reader.py" "$window"
