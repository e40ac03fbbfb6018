#!/usr/bin/env bash
# The break-even report in a real X server: from the analysis list, Show as Table by its menu
# entry and by its key opens a window each; Print… opens the print dialog's preview, which
# Escape cancels without printing anything; Save as PDF… through the real file dialog, taking
# the name it suggests, writes a PDF of three pages that reads back with its figures.
# Usage: report.sh <path to vexmoor>. Screenshots go to $VEXMOOR_SHOTS (default: a temp folder).
source "$(dirname "$0")/support/window.sh"
mkdir -p "$work/home/Documents"
cd "$work"
start HOME="$work/home" LC_ALL=en_US.UTF-8
break_even_example
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
close_and_wait
echo "report: menu and key opened two tables, the print dialog cancelled, a PDF of three pages through the file dialog; shots in $shots"
