#!/usr/bin/env bash
# Installs a built preset into a temporary prefix and builds and runs, offscreen, a project
# outside the tree that uses the installed package: once through find_package(Parlox) and once
# through pkg-config. A broken install fails here.
# Usage: scripts/package-test.sh [preset]   (default: release)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-release}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

cmake --install "$here/build/$preset" --prefix "$work/prefix" >/dev/null
echo "== Package: find_package(Parlox)"
cmake -S "$here/tests/package" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/consumer"

echo "== Package: pkg-config parlox"
PKG_CONFIG_PATH="$(find "$work/prefix" -name parlox.pc -printf '%h')${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}"
export PKG_CONFIG_PATH
# moc is not needed: the consumer declares no QObject of its own.
c++ -std=c++20 "$here/tests/package/main.cpp" -o "$work/consumer-pc" $(pkg-config --cflags --libs parlox)
"$work/consumer-pc"
echo "Package: both consumers ran"
