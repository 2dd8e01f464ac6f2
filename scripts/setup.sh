#!/usr/bin/env bash
# Installs the Debian packages the project needs (only those missing) and builds a preset.
# Usage: scripts/setup.sh [preset]   (default: release)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-release}

"$here/scripts/packages.sh" build-essential cmake qt6-base-dev qt6-qpa-plugins libgl-dev \
    googletest libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core \
    qt6-tools-dev libqt6opengl6-dev qt6-translations-l10n

cd "$here"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
