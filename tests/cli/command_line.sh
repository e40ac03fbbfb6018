#!/usr/bin/env bash
# The built program's command line, with no display at all: help and version print and end with
# 0, a bad argument gets a short message and 2, and Qt's own options still reach Qt. Each writes
# to one stream only. Usage: command_line.sh <path to vexmoor> <version>
set -uo pipefail
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
cd "$(mktemp -d)" && trap 'rm -rf "$PWD"' EXIT
failures=0
# arguments | exit status (124: it started and ran until the timeout) | stream | text
for row in "-h|0|out|Usage: vexmoor [options]" "--version|0|out|vexmoor $2" \
    "--frobnicate|2|err|Unknown option 'frobnicate'." "-style|2|err|Missing value after '-style'." \
    "sums.txt|2|err|Unexpected argument 'sums.txt'." \
    "-platform offscreen -style nosuch|124|err|invalid style override 'nosuch'"; do
    IFS='|' read -r arguments status stream text <<<"$row"
    # shellcheck disable=SC2086
    timeout 3 "$1" $arguments >out 2>err
    got=$?
    if [ "$got" != "$status" ] || ! grep -qF -- "$text" "$stream" ||
        [ "$(cat out err)" != "$(cat "$stream")" ]; then
        echo "FAIL vexmoor $arguments: status $got (expected $status), not just '$text' on std$stream"
        cat out err
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
