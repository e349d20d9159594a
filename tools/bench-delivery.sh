#!/usr/bin/env bash
# Measures the delivery overhead past its specified pauses against the practice client:
#   tools/bench-delivery.sh [COUNT]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target delivery_bench PracticeClient winhelper >/dev/null
exec tools/with-wine.sh bash -c '
    bin=build/mingw/bin
    wine "$bin/PracticeClient.exe" >/dev/null 2>&1 &
    client=$!
    trap "kill $client 2>/dev/null; wait $client 2>/dev/null" EXIT
    wine "$bin/winhelper.exe" wait "Ultima Online" 20000 >/dev/null
    wine "$bin/delivery_bench.exe" "$@" 2>/dev/null | tr -d "\r"
' bench-delivery "$@"
