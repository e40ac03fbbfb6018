#!/usr/bin/env bash
# Builds the fuzz targets of the cores (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each for a bounded time on one core: 20 seconds unless told otherwise.
#   bash scripts/fuzz.sh [seconds per target] [target...]
# Inputs found worth keeping go to build/fuzz/corpus/<target>, so later runs go on from them. A
# finding stops the run: its input is written to build/fuzz/findings/; once the fault is mended,
# keep that file in fuzz/regressions/<target>/ so the tests replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(number_text calculator loan breakeven)

cmake --preset fuzz
cmake --build --preset fuzz

mkdir -p build/fuzz/findings
for target in "${targets[@]}"; do
    echo "== Fuzzing $target for $seconds s"
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    inputs=(fuzz/corpus/"$target")
    [ -d fuzz/regressions/"$target" ] && inputs+=(fuzz/regressions/"$target")
    # The first folder takes the new inputs; the seeds and the reproducers in the tree are only read.
    build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix=build/fuzz/findings/"$target"- \
        "$corpus" "${inputs[@]}"
done
