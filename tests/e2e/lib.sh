# Shared by the end-to-end scripts (sourced). CTest sets QUARNEL_EXE, PRACTICE_EXE and
# WINHELPER_EXE; tools/with-wine.sh provides DISPLAY, WINEPREFIX and a running wineserver.
# Every script works on a private copy of the exe (so its settings file is its own), and
# everything it starts is stopped on exit.
set -euo pipefail
: "${QUARNEL_EXE:?}" "${WINHELPER_EXE:?}" "${DISPLAY:?}" "${WINEPREFIX:?}"

E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/quarnel-e2e.XXXXXX")
cp "$QUARNEL_EXE" "$E2E_DIR/Quarnel.exe"
PANEL_EXE="$E2E_DIR/Quarnel.exe"
SETTINGS_FILE="$E2E_DIR/Quarnel.exe_UserSettings.ini"
E2E_PIDS=()
E2E_FAILURES=0
E2E_PASSES=0

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    # Wine takes the windows of a killed process away a moment after the process: the next
    # script must not find this one's panel or client and take it for its own.
    ((${#E2E_PIDS[@]} == 0)) || wait_windows_gone
    xdotool keyup ctrl alt shift 2>/dev/null || true
    rm -rf "$E2E_DIR"
}
trap e2e_cleanup EXIT

# winhelper with its exit code kept; what Wine printed for it is kept for the diagnostics.
helper() {
    wine "$WINHELPER_EXE" "$@" 2>>"$E2E_DIR/helper.err" | tr -d '\r'
    return "${PIPESTATUS[0]}"
}

# Polls CMD every 50 ms until it succeeds, for at most SECONDS (default 10).
wait_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# Waits (at most 10 s each) until no window of the panel or of a practice client is left.
E2E_WINDOW_CLASSES=(TForm1 "Ultima Online" UOWIN SDL_app "Orion UO Client")
wait_windows_gone() {
    local class
    for class in "${E2E_WINDOW_CLASSES[@]}"; do
        wine "$WINHELPER_EXE" gone "$class" 10000 >/dev/null 2>&1 || echo "  a $class window stayed after its process ended" >&2
    done
}

# Starts the panel in the background; sets PANEL_PID and waits for its window.
start_panel() {
    helper gone TForm1 10000 >/dev/null || fail_now "a panel of an earlier run is still there"
    wine "$PANEL_EXE" >>"$E2E_DIR/panel.err" 2>&1 &
    PANEL_PID=$!
    E2E_PIDS+=("$PANEL_PID")
    helper wait TForm1 20000 >/dev/null || fail_now "the panel did not appear"
}

# Closes the panel the way the close box does and waits for the process to end.
close_panel() {
    helper post TForm1 0x10 0 0 >/dev/null || true
    wait_until 20 bash -c "! kill -0 $PANEL_PID 2>/dev/null" || fail_now "the panel did not close"
    wait "$PANEL_PID" 2>/dev/null || true
}

# Screen rectangle of the child with control id ID (or of the label whose text is ID's
# second form "label:TEXT"): prints "x y w h".
child_rect() {
    local key=$1 children status=0 rect
    children=$(helper children TForm1) || status=$?
    if [[ $key == label:* ]]; then
        rect=$(awk -v t="\"${key#label:}\"" '$2=="TLabel" && substr($0, index($0, "\"")) == t { print $3, $4, $5, $6; exit }' <<<"$children")
    else
        rect=$(awk -v id="$key" '$1==id { print $3, $4, $5, $6; exit }' <<<"$children")
    fi
    if [[ -z $rect ]]; then
        # Worth seeing whole: what winhelper listed, and how it ended.
        echo "  winhelper children (exit $status):" >&2
        sed 's/^/    /' <<<"$children" >&2
        return 1
    fi
    echo "$rect"
}

# Text of the child with control id ID ("|" for each line-break character).
child_text() {
    helper children TForm1 | awk -v id="$1" '$1==id { s=substr($0, index($0, "\"") + 1); print substr(s, 1, length(s) - 1); exit }'
}

# Clicks BUTTON (1 left, 2 middle, 3 right) at the centre of the child KEY.
click_child() {
    local key=$1 button=${2:-1} x y w h
    read -r x y w h < <(child_rect "$key") || fail_now "no child $key"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.05 click "$button"
}

check() {
    local what=$1
    shift
    if "$@"; then
        E2E_PASSES=$((E2E_PASSES + 1))
        echo "ok: $what"
    else
        E2E_FAILURES=$((E2E_FAILURES + 1))
        echo "FAILED: $what"
    fi
}

# What Wine said about the panel (a crash report, for one) and what the practice client
# received, shown after a failure.
show_diagnostics() {
    [ -s "$E2E_DIR/panel.err" ] && sed 's/^/  panel: /' "$E2E_DIR/panel.err" | tail -n 40
    [ -s "$E2E_DIR/practice.log" ] && sed 's/^/  client: /' "$E2E_DIR/practice.log" | tail -n 80
    [ -s "$E2E_DIR/helper.err" ] && sed 's/^/  winhelper: /' "$E2E_DIR/helper.err" | tail -n 20
    return 0
}

fail_now() {
    echo "FAILED: $*"
    show_diagnostics
    exit 1
}

# Prints the closing line and exits with the result.
finish() {
    ((E2E_FAILURES == 0)) || show_diagnostics
    echo "$E2E_PASSES passed, $E2E_FAILURES failed"
    ((E2E_FAILURES == 0))
}
