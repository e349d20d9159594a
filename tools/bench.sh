#!/usr/bin/env bash
# Runs the benchmarks under Wine and prints their tables.
#   tools/bench.sh [startup|delivery|repaint ...]   (default: all)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
tools/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw
benches=("$@")
((${#benches[@]})) || benches=(startup delivery repaint)
script=$(mktemp)
trap 'rm -f "$script"' EXIT
{
    echo 'set -u; bin=build/mingw/bin'
    for b in "${benches[@]}"; do
        echo "if [ -x \$bin/${b}_bench.exe ]; then echo '== $b'; wine \$bin/${b}_bench.exe; fi"
    done
} > "$script"
tools/with-wine.sh bash "$script"
