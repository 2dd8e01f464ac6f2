#!/usr/bin/env bash
# Sets everything up, then checks the formatting and runs the whole test suite twice: a normal
# build and a build under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
export QT_QPA_PLATFORM=offscreen
scripts/packages.sh clang-format
scripts/check-format.sh
for preset in release sanitize; do
    scripts/setup.sh "$preset"
    echo "== Tests ($preset)"
    ctest --preset "$preset" -j "$(nproc)"
done
