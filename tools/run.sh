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
if [ -n "${DISPLAY:-}" ]; then
    # A desktop with a window manager: a prefix of its own in which Wine lets the window
    # manager frame the windows.
    export QUARNEL_WINEPREFIX="$root/build/wineprefix-desktop" QUARNEL_WINE_MANAGED=1
    exec tools/with-wine.sh tools/run-inside-wine.sh interactive
fi
exec tools/with-wine.sh tools/run-inside-wine.sh screenshot
