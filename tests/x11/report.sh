#!/usr/bin/env bash
# The break-even report in a real X server: from the analysis list, Show as Table by its menu
# entry and by its key opens a window each; Print… opens the print dialog's preview, which
# Escape cancels without printing anything; Save as PDF… through the real file dialog, taking
# the name it suggests, writes a PDF of three pages that reads back with its figures.
# Usage: report.sh <path to vexmoor>. Screenshots go to $VEXMOOR_SHOTS (default: a temp folder).
set -euo pipefail
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${VEXMOOR_INNER:-}" ]; then
    export VEXMOOR_INNER=1
    exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

work=$(mktemp -d)
shots=${VEXMOOR_SHOTS:-$work.shots}
mkdir -p "$shots" "$work/home/Documents"
trap 'rm -rf "$work" "$work.shots"' EXIT
cd "$work"
HOME=$work/home LC_ALL=en_US.UTF-8 "$program" >"$work/out.log" 2>&1 &
pid=$!
fail() {
    echo "FAIL: $*"
    import -window root "$shots/failure.png" || true
    kill "$pid" 2>/dev/null || true
    exit 1
}
# Waits for a window whose title matches, and prints its id.
await() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 && return 0
        sleep 0.1
    done
    return 1
}
count() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

window=$(await '^Quenbry - Vexmoor$') || fail "no window"
sleep 0.5
xdotool windowfocus "$window"
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
enter() {
    for text in "$@"; do
        xdotool key ctrl+a
        xdotool type --delay 20 "$text"
        xdotool key Tab
        sleep 0.2
    done
}
# Places are window coordinates of the fixed layout.
xdotool key --window "$window" alt+b
click 387 101 # Sales
enter 100 10 6 1000
click 366 272 # Calculate Break Even Units
click 142 59  # the Break Even sub-page
click 150 170 # a line of the analysis
menu() {
    xdotool windowfocus "$window"
    click 150 170
    xdotool key shift+F10
    sleep 0.5
    xdotool key "$1"
}

menu t
await '^Break-even analysis as of ' >/dev/null || fail "Show as Table opened no window"
sleep 0.5
import -window root "$shots/table.png"
xdotool windowfocus "$window"
click 150 170
xdotool key ctrl+t
sleep 1
[ "$(count '^Break-even analysis as of ')" -eq 2 ] || fail "Ctrl+T did not open a second table"
for id in $(xdotool search --onlyvisible --name '^Break-even analysis as of '); do
    python3 "$here/close_window.py" "$id"
done
sleep 0.5

menu p
await '^Print Preview' >/dev/null || fail "Print… opened no print dialog"
sleep 1
import -window root "$shots/print-preview.png"
xdotool key Escape
sleep 0.5
[ "$(count '^Print Preview')" -eq 0 ] || fail "Escape did not cancel the print dialog"

menu d
await '^Save as PDF' >/dev/null || fail "Save as PDF… opened no file dialog"
sleep 0.5
import -window root "$shots/save-as-pdf.png"
xdotool key Return
pdf=$work/home/Documents/break-even-analysis.pdf
for _ in $(seq 100); do
    [ -s "$pdf" ] && [ "$(count '^Save as PDF')" -eq 0 ] && break
    sleep 0.1
done
[ -s "$pdf" ] || fail "no PDF under the suggested name: $(ls -R "$work/home")"
text=$(pdftotext -layout "$pdf" -)
for expected in "Break-even analysis as of" "Break Even Units \[4/9\] +250" "Page 3 of 3" \
    " 100 +1,600.00 +1,000.00 +-600.00"; do
    grep -qE -- "$expected" <<<"$text" || fail "the PDF lacks '$expected'"
done
leftovers=$(find "$work" -name '*.pdf' -not -path "$pdf")
[ -z "$leftovers" ] || fail "files besides the PDF: $leftovers"

python3 "$here/close_window.py" "$window"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end when its window was closed"
wait "$pid" || fail "exit status $?: $(cat "$work/out.log")"
echo "report: menu and key opened two tables, the print dialog cancelled, a PDF of three pages through the file dialog; shots in $shots"
