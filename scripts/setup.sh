#!/usr/bin/env bash
# Installs the Debian packages the project needs (only those missing) and builds a preset.
# Usage: scripts/setup.sh [preset]   (default: release)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-release}

packages=(build-essential cmake qt6-base-dev qt6-qpa-plugins libgl-dev
          googletest libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cd "$here"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
