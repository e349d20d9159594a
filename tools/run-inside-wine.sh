#!/usr/bin/env bash
# The part of run.sh that runs inside the Wine environment of with-wine.sh.
#   run-inside-wine.sh interactive|screenshot
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin="$root/build/mingw/bin"
helper() { wine "$bin/winhelper.exe" "$@"; }
. "$root/tools/screen-lib.sh"

wine "$bin/PracticeClient.exe" >/dev/null 2>&1 &
practice=$!
wine "$bin/Quarnel.exe" >/dev/null 2>&1 &
panel=$!
helper wait TForm1 20000 >/dev/null
if [ "${1:-screenshot}" = screenshot ]; then
    helper wait "Ultima Online" 5000 >/dev/null
    # Let both windows finish painting: wait until two screenshots in a row agree.
    shoot_when_still "$root/build/screenshot.png" 760x760+0+0 || true
    echo "screenshot: build/screenshot.png"
    helper post TForm1 0x10 0 0 >/dev/null
    helper post "Ultima Online" 0x10 0 0 >/dev/null
fi
wait "$panel"
kill "$practice" 2>/dev/null
wait 2>/dev/null
exit 0
