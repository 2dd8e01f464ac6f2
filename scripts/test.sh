#!/usr/bin/env bash
# Sets everything up, then checks the formatting, runs the whole test suite twice (a normal
# build, and a build under AddressSanitizer + UndefinedBehaviorSanitizer with leak detection),
# and runs each fuzz target briefly.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
export QT_QPA_PLATFORM=offscreen
# Test-only tools: clang-format for the formatting check, the translation tools the exports
# are checked against (msgfmt and msgcat from gettext, lconvert from qt6-l10n-tools, po2xliff,
# xliff2po and pofilter from translate-toolkit), update-mime-database (shared-mime-info), which
# reads the editor's file type, and pkg-config (pkgconf), through which one consumer of the
# installed package is built.
scripts/packages.sh clang-format gettext qt6-l10n-tools translate-toolkit shared-mime-info pkgconf
scripts/check-format.sh
for preset in release sanitize; do
    scripts/setup.sh "$preset"
    echo "== Tests ($preset)"
    ctest --preset "$preset" -j "$(nproc)"
    if [ "$preset" = release ]; then
        scripts/package-test.sh release
    fi
done
scripts/fuzz-smoke.sh 10
