#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds and runs every test: once with warnings
# as errors, once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test

echo "== Formatting"
git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
    'fuzz/*.cpp' 'fuzz/*.h' \
    | xargs -r clang-format --dry-run -Werror

jobs=$(nproc)
for preset in dev asan; do
    echo "== Build and test: $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
