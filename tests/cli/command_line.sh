#!/usr/bin/env bash
# The built program's command line, with no display at all: help and version print and end with
# 0, a bad argument gets a short message and 2, and Qt's own options still reach Qt. Each writes
# to one stream only. Usage: command_line.sh <path to vexmoor> <version>
set -uo pipefail
program=$1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0
# name | arguments | exit status (124: it started and ran until the timeout) | stream | text
rows=(
    "help|--help|0|out|-v, --version"
    "help, one dash|-h|0|out|Usage: vexmoor [options]"
    "version|--version|0|out|vexmoor $2"
    "unknown option|--frobnicate|2|err|Unknown option 'frobnicate'."
    "argument|sums.txt|2|err|Unexpected argument 'sums.txt'."
    "Qt option without value|-style|2|err|Missing value after '-style'."
    "Qt's options reach Qt|-platform offscreen -style nosuch|124|err|invalid style override 'nosuch'"
)
for row in "${rows[@]}"; do
    IFS='|' read -r name arguments status stream text <<<"$row"
    other=$([ "$stream" = out ] && echo err || echo out)
    # shellcheck disable=SC2086
    timeout 3 "$program" $arguments >"$out" 2>"$err"
    got=$?
    if [ "$got" != "$status" ] || ! grep -qF -- "$text" "${!stream}" || [ -s "${!other}" ]; then
        echo "FAIL $name: status $got (expected $status), $stream lacks '$text' or $other not empty"
        cat "$out" "$err"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "command line: ${#rows[@]} rows passed"
exit $((failures > 0))
