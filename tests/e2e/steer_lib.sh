# Shared by the steering scripts (sourced after lib.sh): the practice client, its log, and
# the panel's command buttons by name.
: "${PRACTICE_EXE:?}"

PRACTICE_LOG="$E2E_DIR/practice.log"

# Control ids of the panel's controls (creation order from 100).
declare -A PANEL_ID=(
    [Btn_08]=100 [Btn_07]=101 [Btn_00]=102 [Btn_03]=103 [Btn_06]=104 [Btn_05]=105
    [Btn_04]=106 [RBtn_1]=107 [RBtn_2]=108 [RBtn_3]=109 [Btn_L9]=110 [Btn_18]=111
    [Btn_R9]=112 [cbSlim]=113 [cb1]=114 [Btn_T1]=115 [Btn_T2]=116 [Btn_T3]=117
    [Btn_DS]=118 [Btn_01]=119 [Btn_02]=120
)

# Starts the practice client (extra arguments such as --fallback) with its log and waits
# for its window. PRACTICE_MODE_ARGS (from CTest) adds the arguments of the client's mode.
start_practice() {
    : >"$PRACTICE_LOG"
    log_seen=0
    local class="Ultima Online"
    [[ " $* " == *" --fallback "* ]] && class=UOWIN
    [[ " $* " == *" --classicuo "* ]] && class=SDL_app
    [[ " $* " == *" --orion "* ]] && class="Orion UO Client"
    # shellcheck disable=SC2086 # the mode's arguments are words
    wine "$PRACTICE_EXE" "$@" ${PRACTICE_MODE_ARGS:-} --log "Z:${PRACTICE_LOG//\//\\}" >/dev/null 2>&1 &
    PRACTICE_PID=$!
    E2E_PIDS+=("$PRACTICE_PID")
    helper wait "$class" 20000 >/dev/null || fail_now "the practice client did not appear"
}

# Ends the practice client started last and waits until its process is gone.
stop_practice() {
    kill "$PRACTICE_PID" 2>/dev/null || true
    wait "$PRACTICE_PID" 2>/dev/null || true
}

# The decoy: another program's SDL window, in front of the others, with a log of its own.
DECOY_LOG="$E2E_DIR/decoy.log"
start_decoy() {
    : >"$DECOY_LOG"
    wine "$PRACTICE_EXE" --decoy --log "Z:${DECOY_LOG//\//\\}" >/dev/null 2>&1 &
    E2E_PIDS+=("$!")
    wait_until 20 bash -c "wine '$WINHELPER_EXE' top SDL_app 2>/dev/null | grep -q 'Practice Decoy'" ||
        fail_now "the decoy did not appear"
}

# Whether the status line's ink is "blue" or "grey", from the screen.
status_ink() {
    local x y w h
    read -r x y w h < <(helper children TForm1 | awk '$2=="TLabel" { print $3, $4, $5, $6; exit }')
    import -window root -crop "${w}x${h}+${x}+${y}" +repage -depth 8 txt:- 2>/dev/null |
        awk -F'[(),]' 'NR > 1 { r = $3 + 0; g = $4 + 0; b = $5 + 0
            if (b > r + 16) blue++; else if (r == g && g == b && r < 200) grey++ }
            END { print (blue > 0 ? "blue" : grey > 0 ? "grey" : "none") }'
}

status_ink_is() { [[ $(status_ink) == "$1" ]]; }

# Presses a command button by name with mouse button 1 (left), 2 (middle) or 3 (right).
press() { click_child "${PANEL_ID[$1]}" "${2:-1}"; }

# Double-clicks a command button with mouse button 1, 2 or 3 (default left), the second click
# DELAY ms after the first (default 80).
double_press() {
    local x y w h
    read -r x y w h < <(child_rect "${PANEL_ID[$1]}") || fail_now "no child $1"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.05 click --repeat 2 --delay "${3:-80}" "${2:-1}"
}

# The lines the practice client received, one per line.
received() { sed -n 's/^line //p' "$PRACTICE_LOG"; }
received_count() { received | wc -l; }
# Waits until the client has received at least N lines.
wait_received() { wait_until "${2:-10}" bash -c "(( \$(sed -n 's/^line //p' '$PRACTICE_LOG' | wc -l) >= $1 ))"; }
# One command at a time: after a press, waits for its line(s) ("a|b" for two) and compares
# them with the last lines received. `sent` counts the lines expected so far.
sent=0
# The client's log lines up to the last expectation: a failed one shows what came after.
log_seen=0
expect_after() {
    local what=$1 want=$2 count
    count=$(tr -cd '|' <<<"$want" | wc -c)
    sent=$((sent + count + 1))
    wait_received "$sent" || true
    local failures=$E2E_FAILURES
    check "$what" equals "$(last_received $((count + 1)))" "$want"
    if ((E2E_FAILURES > failures)); then
        echo "  the client's log since the expectation before:"
        tail -n "+$((log_seen + 1))" "$PRACTICE_LOG" | sed 's/^/    /'
    fi
    log_seen=$(wc -l <"$PRACTICE_LOG")
}

# The last N received lines joined with "|".
last_received() { received | tail -n "$1" | paste -sd'|'; }

# The text column of a "winhelper children" line.
text_column() { awk "$1"' { s=$0; for (i = 0; i < 9; i++) sub(/^[^ ]+ /, "", s); gsub(/^"|"$/, "", s); print s; exit }'; }
# The status line's text (the first label of the panel).
status_line() {
    local children text
    children=$(helper children TForm1)
    text=$(text_column '$2=="TLabel"' <<<"$children")
    # An empty status line is worth seeing whole: which windows winhelper saw, and how.
    [[ -n $text ]] || sed 's/^/  children: /' <<<"$children" >&2
    printf '%s\n' "$text"
}
# The heading selector's index.
heading_index() { helper children TForm1 | awk -v id="${PANEL_ID[cb1]}" '$1==id { print $9; exit }'; }
# The caption of a button (line breaks shown as "||").
caption_of() { helper children TForm1 | text_column "\$1==${PANEL_ID[$1]}"; }

equals() { [[ "$1" == "$2" ]] || { echo "  expected [$2], got [$1]"; return 1; }; }

# Holds or releases a modifier key and waits until the key state shows it. The X focus
# decides which Wine process reads the key, and after a delivery it still lies on the
# client's X window, so the key goes to the panel's X window first, as a player's hand on
# the panel gives it. A key pressed while the client has the X focus and released over the
# panel stays down in the client's thread under Wine, and a held Alt then turns its next
# Ctrl+V into nothing. A delivery types its own Ctrl release, so a held Ctrl lasts for one
# press only.
declare -A MODIFIER_VK=([ctrl]=11 [alt]=12 [shift]=10)
focus_panel_x() {
    local xid
    xid=$(xdotool search --name '^\[QUARN\] Quarnel 1\.20$' 2>/dev/null | head -1) || true
    [[ -n $xid ]] && xdotool windowfocus "$xid" 2>/dev/null || true
}
key_down() {
    focus_panel_x
    xdotool keydown "$1"
    wait_until 5 helper held "${MODIFIER_VK[$1]}" || fail_now "$1 not held"
}
key_up() {
    xdotool keyup "$1"
    wait_until 5 bash -c "! wine '$WINHELPER_EXE' held ${MODIFIER_VK[$1]} 2>/dev/null" || true
}
