#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan, UBSan) and runs each for SECONDS (default 60).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
shopt -s nullglob
for target in build/fuzz/bin/fuzz_*; do
    name=$(basename "$target")
    corpus="build/fuzz/corpus/$name"
    mkdir -p "$corpus"
    seeds="fuzz/corpus/${name#fuzz_}"
    echo "fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -print_final_stats=0 "$corpus" ${seeds:+$( [ -d "$seeds" ] && echo "$seeds")} 2>&1 | tail -3
done
