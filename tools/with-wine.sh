#!/usr/bin/env bash
# Runs a command with a ready Wine environment: an X display (a private Xvfb when none
# is given), a Wine prefix of the build's own, a persistent wineserver. Everything it
# starts is stopped again when the command ends.
#   tools/with-wine.sh [--keep-display] COMMAND [ARGS...]
# --keep-display leaves a private Xvfb running afterwards and prints its DISPLAY, so that
# what the command left on the screen can still be looked at (kill it by the printed pid).
# Environment: QUARNEL_WINEPREFIX (default build/wineprefix), DISPLAY (optional).
set -uo pipefail
usage() { echo "usage: tools/with-wine.sh [--keep-display] COMMAND [ARGS...]" >&2; exit 2; }
keep_display=0
while [ $# -gt 0 ]; do
    case $1 in
    --keep-display) keep_display=1; shift ;;
    --) shift; break ;;
    -*) usage ;;
    *) break ;;
    esac
done
[ $# -gt 0 ] || usage
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")

export WINEPREFIX=${QUARNEL_WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""
keeper_pid=""
cleanup() {
    [ -n "$keeper_pid" ] && kill "$keeper_pid" 2>/dev/null
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
    [ -n "$xvfb_pid" ] || return 0
    if [ "$keep_display" = 1 ]; then
        echo "with-wine: Xvfb stays on DISPLAY=$DISPLAY (pid $xvfb_pid)" >&2
    else
        kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

display_answers() { DISPLAY=$1 xdpyinfo >/dev/null 2>&1; }

if [ -z "${DISPLAY:-}" ] || ! display_answers "$DISPLAY"; then
    # Start the scan at a number derived from the checkout, so that parallel checkouts
    # rarely race for the same display.
    first=$((91 + $(printf '%s' "$root" | cksum | cut -d' ' -f1) % 60))
    for n in $(seq "$first" 160) $(seq 91 "$first"); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 1 100); do
            display_answers ":$n" && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        if display_answers ":$n"; then
            export DISPLAY=":$n"
            break
        fi
        kill "$xvfb_pid" 2>/dev/null; xvfb_pid=""
    done
    [ -n "$xvfb_pid" ] || { echo "with-wine: no X display could be started" >&2; exit 1; }
fi

"$here/wine-prefix.sh" || exit 1
wineserver -p30
# Wine's service processes end a few seconds after the last program does, and every program
# started after that waits for them to start again (and a test runner for the pipes they
# inherit). Start them with no pipes attached, then keep them up with one idle program.
wine cmd /c exit >/dev/null 2>&1 </dev/null
wine net start rpcss >/dev/null 2>&1 </dev/null
wine rundll32 user32.dll,GetDesktopWindow >/dev/null 2>&1 </dev/null
wine ping -n 100000 127.0.0.1 >/dev/null 2>&1 </dev/null &
keeper_pid=$!
"$@"
