#!/usr/bin/env bash
# The repaint benchmark under Wine: the panel's sixteen glass buttons beside the same panel
# of stock buttons, and object counts after many repaints.
#   tools/bench-repaint.sh [rounds] [leak-repaints]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target repaint_bench
exec tools/with-wine.sh wine build/mingw/bin/repaint_bench.exe "$@"
