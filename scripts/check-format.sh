#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what .clang-format makes of it, and lists the
# files. Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
drift=()
for f in "${files[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || drift+=("$f")
done
if ((${#drift[@]})); then
    echo "These files are not formatted by .clang-format:" >&2
    printf '  %s\n' "${drift[@]}" >&2
    echo "Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i" >&2
    exit 1
fi
echo "Formatting: ${#files[@]} files match .clang-format."
