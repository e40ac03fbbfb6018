#!/usr/bin/env bash
# The real program in a real X server: it opens its window (its class and icons tied to the
# launcher entry), shows every page when its tabs are chosen with the keyboard, takes the
# break-even worked example and a loan principal typed field by field without a message box (in
# any region it must read back the texts it wrote itself), closes when asked as a window manager
# would, and writes no file.
# Usage: smoke.sh <path to vexmoor> [region, such as de_DE.UTF-8: the program's LC_ALL].
# Screenshots go to $VEXMOOR_SHOTS (default: a temp folder).
source "$(dirname "$0")/support/window.sh"
# Run a copy from a folder of its own, so that any file it wrote would show up there.
cp "$program" "$work/vexmoor"
program=$work/vexmoor
before=$(ls -A "$work")
cd "$work"
region=${2:-${LC_ALL:-}}
# Qt reads LC_ALL itself; the region needs no locale installed on the system.
start LC_ALL="$region"
size=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
[ "$size" = "513x329" ] || fail "window size $size, expected 513x329"

# The window's class ties it to its launcher entry; its icon comes in every size installed.
wmclass=$(sed -n 's/^StartupWMClass=//p' "$here/../../data/com.quenbry.vexmoor.desktop")
xprop -id "$window" WM_CLASS | grep -q ", \"$wmclass\"$" ||
    fail "$(xprop -id "$window" WM_CLASS), the launcher expects $wmclass"
icons=$(xprop -id "$window" -len 100000000 _NET_WM_ICON | grep -o 'Icon ([0-9]* x' | tr -d '\n')
for px in 32 48 256; do
    [[ "$icons" == *"($px x"* ]] || fail "no $px px window icon in: $icons"
done

shoot() { sleep 0.4; import -window "$window" "$shots/$1.png"; }
shoot calculator
for page in "alt+b:break-even" "alt+l:loan" "ctrl+Tab:talk-to-us" "alt+d:disclaimer"; do
    xdotool key --window "$window" "${page%%:*}"
    shoot "${page##*:}"
done
break_even_example
shoot break-even-typed
xdotool key --window "$window" alt+l
click 275 101 # Principal Amount
enter 100000
xdotool key Tab Tab Tab # on through the loan type, the untouched rate and its period
shoot loan-typed
if xdotool search --name '^System Support$' >/dev/null 2>&1; then
    fail "a message box came up while typing (LC_ALL=$region)"
fi
close_and_wait
rm -f "$work/out.log"
after=$(ls -A "$work")
[ "$before" = "$after" ] || fail "files written: $after"
echo "smoke (LC_ALL=$region): window shown, pages switched, fields typed without a message, closed cleanly, no file written; shots in $shots"
