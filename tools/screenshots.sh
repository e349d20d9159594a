#!/usr/bin/env bash
# Screenshots of the panel under Wine in both looks: docs/panel-themed.png with Wine's light
# theme, docs/panel-classic.png with visual styles off (ThemeActive "0" in the prefix,
# put back to what it was afterwards); and docs/practice.png, the panel beside the practice
# client in the middle of a short voyage. Builds what it needs first.
#   tools/screenshots.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
if [ "${1:-}" != --inside ]; then
    cmake --preset mingw >/dev/null
    cmake --build --preset mingw --target Quarnel PracticeClient winhelper
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

# Clicks the command button with control id ID and waits until the client has logged N lines.
steer() { # id lines-expected log
    local x y w h
    read -r x y w h < <(helper children TForm1 | tr -d '\r' | awk -v id="$1" '$1==id {print $3, $4, $5, $6; exit}')
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.05 click 1
    for _ in $(seq 1 100); do
        [ "$(grep -c '^line ' "$3")" -ge "$2" ] && return
        sleep 0.05
    done
}

voyage() { # output
    wine reg add "$key" /v ThemeActive /t REG_SZ /d 1 /f >/dev/null 2>&1
    local log
    log=$(mktemp)
    wine "$bin/PracticeClient.exe" --log "Z:${log//\//\\}" >/dev/null 2>&1 &
    local practice=$!
    wine "$bin/Quarnel.exe" >/dev/null 2>&1 &
    local panel=$!
    helper wait TForm1 20000 >/dev/null
    helper wait "Ultima Online" 20000 >/dev/null
    # Control ids: Btn_01 119 (Forward), Btn_R9 112 (Turn Right), Btn_02 120 (Forward
    # Right). The ship sails for a while after each command, so that its wake shows the
    # course, and stays inside the sea.
    steer 119 1 "$log"; sleep 0.5
    steer 112 2 "$log"; sleep 0.8
    steer 120 3 "$log"; sleep 0.9
    steer 112 4 "$log"; sleep 0.6
    xdotool mousemove 1279 1023
    read -r _ px py pw ph _ < <(helper top TForm1 | tr -d '\r')
    read -r _ cx cy cw ch _ < <(helper top "Ultima Online" | tr -d '\r')
    local left=$((cx < px ? cx : px)) top=$((cy < py ? cy : py))
    local right=$((cx + cw > px + pw ? cx + cw : px + pw))
    local bottom=$((cy + ch > py + ph ? cy + ch : py + ph))
    import -window root -crop "$((right - left + 8))x$((bottom - top + 8))+$((left - 4))+$((top - 4))" \
        +repage "$1" 2>/dev/null
    helper post TForm1 0x10 0 0 >/dev/null
    wait "$panel" || true
    kill "$practice" 2>/dev/null
    wait "$practice" 2>/dev/null || true
    rm -f "$log"
    echo "$1"
}

shoot 1 "$root/docs/panel-themed.png"
shoot 0 "$root/docs/panel-classic.png"
voyage "$root/docs/practice.png"
