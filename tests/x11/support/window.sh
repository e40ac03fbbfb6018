# What the X tests share, sourced with the test's arguments ($1: the program): the run under an X
# server of its own (wrapped in VEXMOOR_WRAP if set, such as "dbus-run-session --") in a folder of
# its own, waiting for the window, typing into the fixed layout (window coordinates), and closing
# the window as a window manager's close button does.
set -euo pipefail
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VEXMOOR_INNER:-}" ]; then
    # A display number drawn at random: xvfb-run -a only sees the lock files of this file system,
    # not an X server of another root (a container, a chroot) that shares the machine's sockets.
    # shellcheck disable=SC2086
    VEXMOOR_INNER=1 exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" \
        ${VEXMOOR_WRAP:-} bash "$0" "$@"
fi
work=$(mktemp -d)
shots=${VEXMOOR_SHOTS:-$work}
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
# The program runs as a copy from a folder of its own, so that any file it wrote shows up there.
mkdir "$work/run" && cp "$program" "$work/run/vexmoor" && cd "$work/run" && program=$PWD/vexmoor
# Called as `check || fail`: every step runs.
fail() { echo "FAIL: $*"; import -window root "$shots/failure.png"; cat "$work/out.log"; exit 1; }
# Starts the program with the given environment settings and waits for its window.
start() {
    env "$@" "$program" >"$work/out.log" 2>&1 &
    pid=$!
    window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Quenbry - Vexmoor$' |
        tail -n 1) || fail "no window titled 'Quenbry - Vexmoor'"
    sleep 0.5
    xdotool windowfocus "$window"
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1 && sleep 0.3; }
keys() { for key; do xdotool key --window "$window" "$key" && sleep 0.4; done; }
# Types each text over the focused field's and leaves it with Tab.
enter() {
    for text; do xdotool key ctrl+a type --delay 20 "$text" && xdotool key Tab && sleep 0.2; done
}
break_even_example() {
    keys alt+b
    click 387 101 # Sales
    enter 100 10 6 1000
    click 366 272 # Calculate Break Even Units
}
close_and_wait() {
    # WM_DELETE_WINDOW, as a window manager's close button sends it: a ClientMessage in the longs
    # of an XEvent (type 33, serial, send_event, display, window, message type, format 32, data).
    python3 - "$window" <<'PY'
import ctypes, ctypes.util, sys
x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
x11.XOpenDisplay.restype, x11.XInternAtom.restype = ctypes.c_void_p, ctypes.c_ulong
display, window = ctypes.c_void_p(x11.XOpenDisplay(None)), int(sys.argv[1])
atoms = [x11.XInternAtom(display, name, 0) for name in (b"WM_PROTOCOLS", b"WM_DELETE_WINDOW")]
event = (ctypes.c_long * 24)(33, 0, 0, 0, window, atoms[0], 32, atoms[1])
x11.XSendEvent(display, ctypes.c_ulong(window), 0, ctypes.c_long(0), ctypes.byref(event))
x11.XCloseDisplay(display)
PY
    timeout 5 tail --pid="$pid" -f /dev/null || fail "the program did not end when its window closed"
    wait "$pid" || fail "exit status $?"
}
