#!/usr/bin/env bash
# The real program in a real X server: it opens its window (its class and icons tied to the
# launcher entry), shows every page when its tabs are chosen with the keyboard, takes the
# break-even worked example and a loan principal typed field by field without a message box (in
# any region it must read back the texts it wrote itself), closes when asked as a window manager
# would, and writes no file.
# Usage: smoke.sh <path to vexmoor> [region, such as de_DE.UTF-8: the program's LC_ALL].
# Screenshots go to $VEXMOOR_SHOTS (default: a temp folder).
set -euo pipefail
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VEXMOOR_INNER:-}" ]; then
    export VEXMOOR_INNER=1
    # A display number drawn at random: xvfb-run -a only sees the lock files of this file system,
    # not an X server of another root (a container, a chroot) that shares the machine's sockets.
    exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

work=$(mktemp -d)
shots=${VEXMOOR_SHOTS:-$work.shots}
mkdir -p "$shots"
trap 'rm -rf "$work" "$work.shots"' EXIT
# Run a copy from a folder of its own, so that any file it wrote would show up there.
cp "$program" "$work/vexmoor"
before=$(ls -A "$work")
cd "$work"
region=${2:-${LC_ALL:-}}
# Qt reads LC_ALL itself; the region needs no locale installed on the system.
LC_ALL=$region ./vexmoor >"$work/out.log" 2>&1 &
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

# Typing, each field left with Tab; places are window coordinates of the fixed layout.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
enter() {
    for text in "$@"; do
        xdotool key ctrl+a
        xdotool type --delay 20 "$text"
        xdotool key Tab
        sleep 0.2
    done
}
xdotool key --window "$window" alt+b
click 387 101 # Sales
enter 100 10 6 1000
click 366 272 # Calculate Break Even Units
shoot break-even-typed
xdotool key --window "$window" alt+l
click 275 101 # Principal Amount
enter 100000
xdotool key Tab Tab Tab # on through the loan type, the untouched rate and its period
sleep 0.3
shoot loan-typed
if xdotool search --name '^System Support$' >/dev/null 2>&1; then
    import -window root "$shots/message.png"
    echo "FAIL: a message box came up while typing (LC_ALL=$region); see $shots/message.png"
    kill "$pid"
    exit 1
fi

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
echo "smoke (LC_ALL=$region): window shown, pages switched, fields typed without a message, closed cleanly, no file written; shots in $shots"
