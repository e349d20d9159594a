#!/usr/bin/env bash
# Runs every test tier: native rules, Windows tests under Wine, end to end with the real exe,
# and a short fuzz run. Installs what it needs first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
tools/install-deps.sh

echo "== native"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native -j2

echo "== fuzz (short run)"
tools/fuzz.sh 20

echo "== Windows (Wine) and end to end"
cmake --preset mingw >/dev/null
cmake --build --preset mingw
tools/with-wine.sh ctest --preset mingw
