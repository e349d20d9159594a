#!/usr/bin/env bash
# Builds Quarnel and runs it under Wine beside the practice client. With a display
# (DISPLAY set) the windows appear there until the panel is closed; without one they run on
# a private Xvfb, a screenshot is saved to build/screenshot.png, and both are closed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
tools/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target Quarnel PracticeClient winhelper
mode=screenshot
[ -n "${DISPLAY:-}" ] && mode=interactive
exec tools/with-wine.sh tools/run-inside-wine.sh "$mode"
