#!/usr/bin/env bash
# The built program's command line, with no display at all: help and version print and end with
# 0, a bad argument gets a short message and 2, and Qt's own options still reach Qt.
# Usage: command_line.sh <path to vexmoor> <version>
set -uo pipefail
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0

# name | arguments | exit status | stream | text it holds
rows=(
    "help|--help|0|out|-v, --version"
    "help, one dash|-h|0|out|Usage: vexmoor [options]"
    "version|--version|0|out|vexmoor $version"
    "unknown option|--frobnicate|2|err|Unknown option 'frobnicate'."
    "argument|sums.txt|2|err|Unexpected argument 'sums.txt'."
    "Qt option without value|-style|2|err|Missing value after '-style'."
    "Qt's options reach Qt|-platform offscreen -style nosuch|124|err|invalid style override 'nosuch'"
)
for row in "${rows[@]}"; do
    IFS='|' read -r name arguments status stream text <<<"$row"
    # A program that starts runs until the timeout ends it (status 124).
    # shellcheck disable=SC2086
    timeout 3 "$program" $arguments >"$out" 2>"$err"
    got=$?
    if [ "$got" != "$status" ] || ! grep -qF -- "$text" "${!stream}"; then
        echo "FAIL $name: status $got (expected $status), $stream lacks '$text'"
        cat "$out" "$err"
        failures=$((failures + 1))
    fi
done
# Help and version write nothing to stderr, a refusal nothing to stdout.
"$program" --version 2>&1 >/dev/null | grep -q . && { echo "FAIL: --version wrote to stderr"; failures=$((failures + 1)); }
"$program" --frobnicate 2>/dev/null | grep -q . && { echo "FAIL: a refusal wrote to stdout"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && echo "command line: ${#rows[@]} rows passed"
exit $((failures > 0))
