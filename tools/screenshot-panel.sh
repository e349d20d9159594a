#!/usr/bin/env bash
# Takes a screenshot of the panel alone under Wine: tools/screenshot-panel.sh OUT.png
# (run inside tools/with-wine.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$1
bin="$root/build/mingw/bin"
helper() { wine "$bin/winhelper.exe" "$@" 2>/dev/null | tr -d '\r'; }
wine "$bin/Quarnel.exe" >/dev/null 2>&1 &
pid=$!
helper wait TForm1 20000 >/dev/null
read -r _ x y w h _ < <(helper top TForm1)
previous=""
for _ in $(seq 1 40); do
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out"
    current=$(md5sum < "$out")
    [ "$current" = "$previous" ] && break
    previous=$current
done
helper post TForm1 0x10 0 0 >/dev/null
wait "$pid" || true
