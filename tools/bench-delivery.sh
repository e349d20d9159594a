#!/usr/bin/env bash
# Measures the delivery overhead past its specified pauses against the practice client
# (which the benchmark starts itself):  tools/bench-delivery.sh [COUNT]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target delivery_bench PracticeClient >/dev/null
exec tools/with-wine.sh bash -c 'wine build/mingw/bin/delivery_bench.exe "$@" 2>/dev/null | tr -d "\r"' \
    bench-delivery "$@"
