#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one briefly on its seed files, so that
# a target that no longer compiles, or a crash the seeds reach, fails the test run.
# Usage: scripts/fuzz-smoke.sh [seconds per target]   (default: 10)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
seconds=${1:-10}

scripts/packages.sh clang libclang-rt-14-dev qt6-base-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_targets -j "$(nproc)"

# Each target with the folder of files it starts from.
targets=(fuzz_lngfile:examples fuzz_lngwrite:examples fuzz_translated:tests/tools/golden fuzz_units:examples
    fuzz_ts:examples/tr-app/translations)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for entry in "${targets[@]}"; do
    name=${entry%%:*}
    seeds=${entry#*:}
    echo "== Fuzzing $name for $seconds s"
    # New inputs and any crash go to the scratch folder; the seed folder is only read.
    mkdir -p "$scratch/$name"
    log="$scratch/$name.log"
    if ! "build/fuzz/fuzz/$name" -max_len=4096 -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$scratch/$name/" "$scratch/$name" "$seeds" >"$log" 2>&1; then
        cat "$log"
        echo "$name failed: the input that made it fail is printed above." >&2
        exit 1
    fi
    grep -E '^(Done|stat::new_units_added|stat::peak_rss_mb)' "$log"
done
