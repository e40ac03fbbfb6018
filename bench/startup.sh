#!/usr/bin/env bash
# Start-up time of vexmoor beside a minimal five-tab Qt Widgets program, both built by this
# project's CMake: median over the runs of the time from starting the program to its window
# being mapped in an X server (Xvfb), the processor time used by then (steadier than the wall
# time on a busy machine), and the peak resident memory.
# Usage: bench/startup.sh [build folder, default build/dev] [runs, default 9]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
runs=${2:-9}
[ -n "${VEXMOOR_INNER:-}" ] || cmake --build "$build" --target vexmoor minimal_tabs >/dev/null
if [ -z "${VEXMOOR_INNER:-}" ]; then
    export VEXMOOR_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
declare -A times cpu memory
for program in vexmoor minimal_tabs; do times[$program]=""; cpu[$program]=""; memory[$program]=""; done
for _ in $(seq "$runs"); do
    for program in vexmoor minimal_tabs; do
        path="$build/$program"
        [ "$program" = minimal_tabs ] && path="$build/bench/minimal_tabs"
        read -r ms cpums kb < <(python3 bench/startup_probe.py "$path")
        times[$program]+="$ms"$'\n'
        cpu[$program]+="$cpums"$'\n'
        memory[$program]+="$kb"$'\n'
    done
done
for program in vexmoor minimal_tabs; do
    t=$(printf '%s' "${times[$program]}" | median)
    c=$(printf '%s' "${cpu[$program]}" | median)
    m=$(printf '%s' "${memory[$program]}" | median)
    printf '%-13s median start to window mapped: %7.1f ms (processor %6.1f ms)   peak resident: %6.1f MiB\n' \
        "$program" "$t" "$c" "$(echo "$m / 1024" | bc -l)"
done
