#!/usr/bin/env bash
# Builds the fuzz targets of the cores (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each in turn on one core for a bounded time, 20 seconds unless told otherwise:
#   bash scripts/fuzz.sh [seconds per target] [target...]
# Inputs worth keeping gather in build/fuzz/corpus/<target>, so a later run goes on from them. A
# finding fails the run; its input is written to build/fuzz/findings/. Once the fault is mended,
# keep that file in fuzz/regressions/<target>/ so that the tests replay it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh fuzz

seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(number_text calculator loan breakeven)

cmake --preset fuzz
cmake --build --preset fuzz

mkdir -p build/fuzz/findings
passed=0
failed=0
for target in "${targets[@]}"; do
    echo "== Fuzzing $target for $seconds s"
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    # The first folder takes the new inputs; the seeds and reproducers in the tree are only read.
    inputs=("$corpus" fuzz/corpus/"$target")
    [ -d fuzz/regressions/"$target" ] && inputs+=(fuzz/regressions/"$target")
    if build/fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix=build/fuzz/findings/"$target"- "${inputs[@]}"; then
        passed=$((passed + 1))
    else
        echo "== $target: finding kept in build/fuzz/findings/"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
