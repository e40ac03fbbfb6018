#!/usr/bin/env bash
# Start-up work of vexmoor beside the minimal five-tab window, counted in machine instructions
# under Valgrind's callgrind: up to the event loop (where the window is mapped), and up to the
# first frame on the screen. Instruction counts do not move with other work on the machine, so
# this gives the ratio that bench/startup.sh's times give only on a quiet machine.
# Usage: bench/startup_instructions.sh [build folder, default build/dev]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
command -v valgrind >/dev/null || { echo "needs valgrind (apt-get install valgrind)" >&2; exit 1; }
[ -n "${VEXMOOR_INNER:-}" ] || cmake --build "$build" --target vexmoor minimal_tabs >/dev/null
if [ -z "${VEXMOOR_INNER:-}" ]; then
    export VEXMOOR_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
total() { callgrind_annotate "$1" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1}'; }
declare -A mapped painted
for program in vexmoor minimal_tabs; do
    path="$build/$program"
    [ "$program" = minimal_tabs ] && path="$build/bench/minimal_tabs"
    # One dump on entering the event loop, one after each frame painted; the program is ended
    # once it has become idle.
    timeout 60 valgrind --tool=callgrind --dump-before='QApplication::exec*' \
        --dump-after='QWidgetRepaintManager::paintAndFlush*' \
        --callgrind-out-file="$out/$program" "$path" >/dev/null 2>&1 || true
    mapped[$program]=$(total "$out/$program.1")
    painted[$program]=$(( mapped[$program] + $(total "$out/$program.2") ))
done
for program in vexmoor minimal_tabs; do
    printf '%-13s instructions to the event loop: %6.1f M   to the first frame: %6.1f M\n' \
        "$program" "$(echo "${mapped[$program]} / 1000000" | bc -l)" \
        "$(echo "${painted[$program]} / 1000000" | bc -l)"
done
printf 'ratio          to the event loop: %.3f   to the first frame: %.3f\n' \
    "$(echo "${mapped[vexmoor]} / ${mapped[minimal_tabs]}" | bc -l)" \
    "$(echo "${painted[vexmoor]} / ${painted[minimal_tabs]}" | bc -l)"
