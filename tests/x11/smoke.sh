#!/usr/bin/env bash
# The real program in a real X server: it opens its window (its class and icons tied to the
# launcher entry), shows every page when its tabs are chosen with the keyboard, closes when asked
# as a window manager would, and writes no file.
# Usage: smoke.sh <path to vexmoor>. Screenshots go to $VEXMOOR_SHOTS (default: a temp folder).
set -euo pipefail
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VEXMOOR_INNER:-}" ]; then
    export VEXMOOR_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

work=$(mktemp -d)
shots=${VEXMOOR_SHOTS:-$work.shots}
mkdir -p "$shots"
trap 'rm -rf "$work" "$work.shots"' EXIT
# Run a copy from a folder of its own, so that any file it wrote would show up there.
cp "$program" "$work/vexmoor"
before=$(ls -A "$work")
cd "$work"
./vexmoor >"$work/out.log" 2>&1 &
pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Quenbry - Vexmoor$' 2>/dev/null | tail -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no window titled 'Quenbry - Vexmoor'"; cat "$work/out.log"; exit 1; }
sleep 0.5
xdotool windowfocus "$window"
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$size" = "513x329" ] || { echo "FAIL: window size $size, expected 513x329"; exit 1; }

# The window's class ties it to its launcher entry; its icon comes in every size installed.
wmclass=$(sed -n 's/^StartupWMClass=//p' "$here/../../data/com.quenbry.vexmoor.desktop")
xprop -id "$window" WM_CLASS | grep -q ", \"$wmclass\"$" ||
    { echo "FAIL: $(xprop -id "$window" WM_CLASS), the launcher expects $wmclass"; exit 1; }
icons=$(xprop -id "$window" -len 100000000 _NET_WM_ICON | grep -o 'Icon ([0-9]* x' | tr -d '\n')
for px in 32 48 256; do
    [[ "$icons" == *"($px x"* ]] || { echo "FAIL: no $px px window icon in: $icons"; exit 1; }
done

shoot() { sleep 0.4; import -window "$window" "$shots/$1.png"; }
shoot calculator
for page in "alt+b:break-even" "alt+l:loan" "ctrl+Tab:talk-to-us" "alt+d:disclaimer"; do
    xdotool key --window "$window" "${page%%:*}"
    shoot "${page##*:}"
done

python3 "$here/close_window.py" "$window"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program did not end when its window was closed"
    kill "$pid"
    exit 1
fi
wait "$pid" || { echo "FAIL: exit status $?"; cat "$work/out.log"; exit 1; }
rm -f "$work/out.log"
after=$(ls -A "$work")
[ "$before" = "$after" ] || { echo "FAIL: files written: $after"; exit 1; }
echo "smoke: window shown, pages switched, closed cleanly, no file written; shots in $shots"
