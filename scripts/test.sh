#!/usr/bin/env bash
# Builds and runs every test twice: warnings as errors (with a formatting check of the tree),
# then with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in ci asan; do
    echo "== $preset build"
    ./scripts/setup.sh "$preset"
    if [ "$preset" = ci ]; then
        echo "== formatting"
        git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
    fi
    echo "== $preset tests"
    ctest --preset "$preset"
done
