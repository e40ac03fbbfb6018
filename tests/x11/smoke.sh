#!/usr/bin/env bash
# The real program in a real X server: its window (class and icons tied to the launcher entry),
# every page by the keyboard, the break-even example and a loan principal typed without a message
# box (in any region it reads back the texts it wrote), closed as a window manager would, and no
# file written. Usage: smoke.sh <path to vexmoor> [LC_ALL for the program, such as de_DE.UTF-8].
source "$(dirname "$0")/support/window.sh"
region=${2:-${LC_ALL:-}}
start LC_ALL="$region" # Qt reads LC_ALL itself: no locale needs to be installed
wmclass=$(sed -n 's/^StartupWMClass=//p' "$here/../../data/com.quenbry.vexmoor.desktop")
xprop -id "$window" WM_CLASS | grep -q ", \"$wmclass\"$" ||
    fail "$(xprop -id "$window" WM_CLASS), the launcher expects $wmclass"
icons=$(xprop -id "$window" -len 100000000 _NET_WM_ICON | grep -o 'Icon ([0-9]* x' | tr -d '\n')
for px in 32 48 256; do [[ "$icons" == *"($px x"* ]] || fail "no $px px window icon: $icons"; done
keys alt+b alt+l ctrl+Tab alt+d
break_even_example
keys alt+l
click 275 101 # Principal Amount
enter 100000
xdotool key Tab Tab Tab # on through the loan type, the untouched rate and its period
sleep 0.4
import -window "$window" "$shots/loan-typed.png"
! xdotool search --name '^System Support$' >/dev/null 2>&1 ||
    fail "a message box came up while typing (LC_ALL=$region)"
close_and_wait
[ "$(ls -A)" = vexmoor ] || fail "files written: $(ls -A)"
echo "smoke (LC_ALL=$region): window, pages, typing without a message, closed, no file written"
