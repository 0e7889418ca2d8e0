#!/usr/bin/env bash
# Builds and runs every test twice: warnings as errors, then with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in ci asan; do
    echo "== $preset build"
    ./scripts/setup.sh "$preset"
    echo "== $preset tests"
    ctest --preset "$preset"
done
