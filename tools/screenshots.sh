#!/usr/bin/env bash
# Screenshots of the panel under Wine in both looks: docs/panel-themed.png with Wine's light
# theme, docs/panel-classic.png with visual styles off (ThemeActive "0" in the prefix,
# put back to what it was afterwards). Builds what it needs first.
#   tools/screenshots.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if [ "${1:-}" != --inside ]; then
    cmake --preset mingw >/dev/null
    cmake --build --preset mingw --target Quarnel winhelper
    exec tools/with-wine.sh "$0" --inside
fi

bin="$root/build/mingw/bin"
helper() { wine "$bin/winhelper.exe" "$@"; }
. "$root/tools/screen-lib.sh"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
was=$(wine reg query "$key" /v ThemeActive 2>/dev/null | tr -d '\r' |
      awk '/ThemeActive/ {print $3}')
restore() { wine reg add "$key" /v ThemeActive /t REG_SZ /d "${was:-1}" /f >/dev/null 2>&1; }
trap restore EXIT

shoot() { # theme-active output
    wine reg add "$key" /v ThemeActive /t REG_SZ /d "$1" /f >/dev/null 2>&1
    wine "$bin/Quarnel.exe" >/dev/null 2>&1 &
    local panel=$!
    helper wait TForm1 20000 >/dev/null
    # The pointer off the panel (Wine centres it when the panel starts), so that no button
    # stays hot; Wine notices the leave on its hover timer, within half a second.
    xdotool mousemove 1279 1023
    # The panel's frame: GetWindowRect equals the X window with Managed=N.
    read -r _ x y w h _ < <(helper top TForm1 | tr -d '\r')
    # Wait until the shot has stayed the same for a second (10 shots 0.1 s apart): the panel
    # has finished painting and the leave has been seen. At most 15 s.
    shoot_when_still "$2" "${w}x${h}+${x}+${y}" 10 0.1 150 || true
    helper post TForm1 0x10 0 0 >/dev/null
    wait "$panel" || true
    echo "$2"
}

shoot 1 "$root/docs/panel-themed.png"
shoot 0 "$root/docs/panel-classic.png"
