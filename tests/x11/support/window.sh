# What the X tests share, sourced with the test's arguments ($1: the program): the run under an X
# server of its own (wrapped in VEXMOOR_WRAP if set, such as "dbus-run-session --"), waiting for
# the window, typing into the fixed layout (window coordinates), and closing the window as a
# window manager's close button does.
set -euo pipefail
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VEXMOOR_INNER:-}" ]; then
    export VEXMOOR_INNER=1
    # A display number drawn at random: xvfb-run -a only sees the lock files of this file system,
    # not an X server of another root (a container, a chroot) that shares the machine's sockets.
    # shellcheck disable=SC2086
    exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" ${VEXMOOR_WRAP:-} \
        bash "$0" "$@"
fi

work=$(mktemp -d)
shots=${VEXMOOR_SHOTS:-$work.shots}
mkdir -p "$shots"
pid=""
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work" "$work.shots"' EXIT
fail() {
    echo "FAIL: $*"
    import -window root "$shots/failure.png" || true
    cat "$work/out.log" 2>/dev/null || true
    exit 1
}
# Starts the program with the given environment settings and waits for its window.
start() {
    env "$@" "$program" >"$work/out.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Quenbry - Vexmoor$' | tail -n 1) && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window titled 'Quenbry - Vexmoor'"
    sleep 0.5
    xdotool windowfocus "$window"
}
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.3
}
# Types each text over the focused field's and leaves it with Tab.
enter() {
    for text in "$@"; do
        xdotool key ctrl+a type --delay 20 "$text"
        xdotool key Tab
        sleep 0.2
    done
}
break_even_example() {
    xdotool key --window "$window" alt+b
    click 387 101 # Sales
    enter 100 10 6 1000
    click 366 272 # Calculate Break Even Units
}
close_and_wait() {
    python3 "$here/close_window.py" "$window"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then fail "the program did not end when its window was closed"; fi
    wait "$pid" || fail "exit status $?"
}
