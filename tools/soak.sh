#!/usr/bin/env bash
# Soaks the real Quarnel.exe under Wine and prints a table of what it survived: figures, not
# only pass or fail. Not part of tools/test.sh: the full counts take about 45 minutes.
#
#   tools/soak.sh [--saves N] [--deliveries N] [--crowd N] [--clipboard N] [--only PART]
#
# Parts and their default rounds:
#   saves       200    a save killed at a random moment: the file is the old or the new one
#   deliveries  10000  commands into the practice client: each received once, in order, with
#                      the panel's GDI and USER objects before and after
#   crowd       600    visible top-level windows, one closing and one opening every 5 ms,
#                      while 100 commands go to the fallback client, which the search must find
#   clipboard   100    the clipboard held by another program: the error box each time, nothing
#                      typed, the panel usable after
#   settings           each ill-formed line of ../shared/utf8-vectors.tsv, a UTF-16 file, 1 MB
#                      of random bytes, an empty file: the box where due, the defaults, the file
#                      untouched until a save that can read it
# The exit code is 0 when nothing was lost.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ -z "${QUARNEL_SOAK_INSIDE:-}" ]; then
    cd "$root"
    tools/install-deps.sh
    cmake --preset mingw >/dev/null
    cmake --build --preset mingw --target Quarnel PracticeClient winhelper
    # A snapshot of the programs, so that builds made meanwhile do not change a long run.
    bin=$(mktemp -d "${TMPDIR:-/tmp}/quarnel-soak-bin.XXXXXX")
    trap 'rm -rf "$bin"' EXIT
    cp build/mingw/bin/{Quarnel,PracticeClient,winhelper}.exe "$bin/"
    export QUARNEL_SOAK_INSIDE=1 QUARNEL_EXE=$bin/Quarnel.exe PRACTICE_EXE=$bin/PracticeClient.exe \
        WINHELPER_EXE=$bin/winhelper.exe
    # A prefix of its own: a test run meanwhile stops only its own wineserver.
    export QUARNEL_WINEPREFIX=${QUARNEL_WINEPREFIX:-$root/build/wineprefix-soak}
    tools/with-wine.sh "$0" "$@"
    exit
fi

saves=200 deliveries=10000 crowd=600 clipboard=100 only=""
while (($#)); do
    case $1 in
    --saves) saves=$2 ;;
    --deliveries) deliveries=$2 ;;
    --crowd) crowd=$2 ;;
    --clipboard) clipboard=$2 ;;
    --only) only=$2 ;;
    *) echo "soak: unknown argument $1" >&2; exit 2 ;;
    esac
    shift 2
done

source "$root/tests/e2e/lib.sh"
source "$root/tests/e2e/steer_lib.sh"

readonly TITLE="[QUARN] Quarnel"
readonly BAD_ENCODING="Unicode 文字のマッピングがターゲットのマルチバイト コード ページに存在しません."
VECTORS=$root/../shared/utf8-vectors.tsv
[ -r "$VECTORS" ] || VECTORS=/work/shared/utf8-vectors.tsv

ROWS=()
LOSSES=0
# One table row: part, rounds run, what was found, losses.
row() {
    ROWS+=("$(printf '| %-11s | %6s | %-96s | %6s |' "$1" "$2" "$3" "$4")")
    LOSSES=$((LOSSES + $4))
    echo "   $1: $2 rounds, $3, $4 lost"
}
wants() { [[ -z $only || $only == "$1" ]]; }
win_path() { printf 'Z:%s' "${1//\//\\}"; }
# The panel's heading index and client size: "INDEX W H".
panel_state() {
    local w h
    read -r _ _ w h < <(helper client TForm1)
    echo "$(heading_index) $w $h"
}
stop_panel() {
    kill -0 "$PANEL_PID" 2>/dev/null && kill "$PANEL_PID" 2>/dev/null
    wait "$PANEL_PID" 2>/dev/null || true
}

# --- A save killed at a random moment ------------------------------------------------------
soak_saves() {
    echo "== saves: $saves rounds"
    rm -f "$SETTINGS_FILE"
    start_panel
    close_panel
    [ -s "$SETTINGS_FILE" ] || fail_now "the first close wrote no settings file"
    local old=0 new=0 torn=0 missing=0 temps=0 ended=0 round cur next delay exited
    for ((round = 1; round <= saves; round++)); do
        cp "$SETTINGS_FILE" "$E2E_DIR/old.ini"
        cur=$(sed -n 's/^cb1=\(-\?[0-9]*\)\r$/\1/p' "$E2E_DIR/old.ini")
        next=$(((cur + 1 + RANDOM % 4) % 5))
        sed "s/^cb1=.*\r\$/cb1=$next\r/" "$E2E_DIR/old.ini" >"$E2E_DIR/new.ini"
        start_panel
        helper combo TForm1 "$next" >/dev/null
        # The close saves and ends the process within about 20 ms here; kill somewhere in it.
        read -r _ delay _ exited < <(helper closekill TForm1 25000 "$round$RANDOM")
        wait "$PANEL_PID" 2>/dev/null || true
        ((exited == 0)) || ended=$((ended + 1))
        if [ -e "$SETTINGS_FILE.saving" ]; then
            temps=$((temps + 1))
            rm -f "$SETTINGS_FILE.saving"
        fi
        if [ ! -e "$SETTINGS_FILE" ]; then
            missing=$((missing + 1))
            cp "$E2E_DIR/old.ini" "$SETTINGS_FILE"
        elif cmp -s "$SETTINGS_FILE" "$E2E_DIR/old.ini"; then
            old=$((old + 1))
        elif cmp -s "$SETTINGS_FILE" "$E2E_DIR/new.ini"; then
            new=$((new + 1))
        else
            torn=$((torn + 1))
            cp "$SETTINGS_FILE" "$E2E_DIR/../quarnel-soak-torn-$round.ini" 2>/dev/null || true
            cp "$E2E_DIR/old.ini" "$SETTINGS_FILE"
        fi
        ((round % 50)) || echo "   round $round: old $old new $new torn $torn missing $missing"
    done
    row saves "$saves" "old $old, new $new, torn $torn, missing $missing; temp left $temps, ended first $ended" \
        $((torn + missing))
}

# --- Deliveries into the practice client --------------------------------------------------
# The nine buttons of the compass at heading 0, speed High, and what each sends.
COMPASS=(Btn_01 Btn_02 Btn_03 Btn_04 Btn_05 Btn_06 Btn_07 Btn_08 Btn_00)
COMPASS_TEXT=("Forward" "Forward Right" "Right" "Back Right" "Back" "Back Left" "Left"
    "Forward Left" "Stop")

# Presses the compass buttons in turn ROUNDS times; prints the driver's progress lines.
deliver() {
    local rounds=$1 ids="" name
    for name in "${COMPASS[@]}"; do ids+=${ids:+,}${PANEL_ID[$name]}; done
    helper deliver TForm1 "$(win_path "$PRACTICE_LOG")" "$rounds" "$ids" || true
}

# Compares what the client received with what the presses sent; prints "received lost
# duplicated out-of-order".
compare_received() {
    local rounds=$1 i
    for ((i = 0; i < rounds; i++)); do echo "${COMPASS_TEXT[i % 9]}"; done >"$E2E_DIR/expected.txt"
    received >"$E2E_DIR/received.txt"
    local got lost extra order
    got=$(wc -l <"$E2E_DIR/received.txt")
    # Lost: expected lines missing from the received sequence; extra: received beyond them.
    read -r lost extra < <(diff "$E2E_DIR/expected.txt" "$E2E_DIR/received.txt" |
        awk '/^</ {l++} /^>/ {e++} END {print l + 0, e + 0}')
    order=$(cmp -s "$E2E_DIR/expected.txt" "$E2E_DIR/received.txt" && echo yes || echo no)
    echo "$got $lost $extra $order"
}

# For each received line that differs from the expected one, what the client logged from the
# line before it to it: the key events of that delivery.
show_mismatches() {
    local k
    for k in $(diff "$E2E_DIR/expected.txt" "$E2E_DIR/received.txt" | sed -n 's/^[0-9,]*c\([0-9]*\).*/\1/p'); do
        echo "   command $k: expected \"$(sed -n "${k}p" "$E2E_DIR/expected.txt")\", the client logged:"
        awk -v k="$k" '/^line / {n++} n == k - 1 && !/^line / || (n == k && /^line /) {print "     " $0}
            n >= k && /^line / {exit}' "$PRACTICE_LOG"
    done
}

soak_deliveries() {
    echo "== deliveries: $deliveries rounds"
    rm -f "$SETTINGS_FILE"
    start_practice
    start_panel
    local log got lost extra order
    log=$(deliver "$deliveries" | tr -d '\r' | while IFS= read -r line; do
        echo "$line" >&2
        echo "$line"
    done)
    read -r got lost extra order < <(compare_received "$deliveries")
    show_mismatches
    # Objects at the start, once the first 1000 commands have made what they keep (a shorter
    # run: at the start), and at the end; the end must not be above the second.
    local gdi0 user0 gdiw userw gdi1 user1
    read -r gdi0 user0 < <(echo "$log" | awk '$2 == 0 {print $6, $8}')
    read -r gdiw userw < <(echo "$log" | awk -v r=$((deliveries >= 2000 ? 1000 : 0)) '$2 == r {print $6, $8}')
    read -r gdi1 user1 < <(echo "$log" | tail -1 | awk '{print $6, $8}')
    close_panel
    kill "$PRACTICE_PID" 2>/dev/null || true
    wait "$PRACTICE_PID" 2>/dev/null || true
    # A line received in place of another counts once.
    local wrong=$((lost > extra ? lost : extra))
    row deliveries "$deliveries" "received $got, in order $order, wrong or missing $wrong; GDI $gdi0/$gdiw/$gdi1, USER $user0/$userw/$user1" \
        $((wrong + (gdi1 > gdiw ? 1 : 0) + (user1 > userw ? 1 : 0)))
}

# --- A crowded desktop ----------------------------------------------------------------------
soak_crowd() {
    local sends=${QUARNEL_SOAK_CROWD_SENDS:-100}
    echo "== crowd: $crowd windows, $sends commands to the fallback client"
    rm -f "$SETTINGS_FILE"
    local out=$E2E_DIR/crowd.out
    local stop=$E2E_DIR/crowd.stop
    wine "$WINHELPER_EXE" crowd "$crowd" 600 "$(win_path "$stop")" >"$out" 2>/dev/null &
    local crowd_pid=$!
    E2E_PIDS+=("$crowd_pid")
    wait_until 120 grep -q ready "$out" || fail_now "the crowd did not come up"
    start_practice --fallback
    start_panel
    deliver "$sends" | tr -d '\r' | tail -1
    local got lost extra order alive churn
    read -r got lost extra order < <(compare_received "$sends")
    [[ -z ${QUARNEL_SOAK_DEBUG:-} ]] || { cp "$PRACTICE_LOG" /tmp/soak-practice.log; cp "$E2E_DIR/received.txt" /tmp/soak-received.txt; }
    alive=$(kill -0 "$PANEL_PID" 2>/dev/null && helper wait TForm1 0 >/dev/null && echo yes || echo no)
    close_panel
    kill "$PRACTICE_PID" 2>/dev/null || true
    wait "$PRACTICE_PID" 2>/dev/null || true
    : >"$stop"
    wait "$crowd_pid" 2>/dev/null || true
    churn=$(tr -d '\r' <"$out" | sed -n 's/^closed \([0-9]*\) opened \([0-9]*\)/closed \1 opened \2/p')
    local down=1
    [[ $alive == yes ]] && down=0
    row crowd "$sends" "$crowd windows ($churn); found $got, in order $order; panel up $alive" \
        $(((lost > extra ? lost : extra) + down))
}

# --- The clipboard held by another program --------------------------------------------------
soak_clipboard() {
    echo "== clipboard: $clipboard rounds"
    rm -f "$SETTINGS_FILE"
    start_practice
    start_panel
    local out text boxes typed usable
    out=$(helper clipbusy TForm1 "${PANEL_ID[Btn_03]}" "$clipboard" "$TITLE" || true)
    boxes=$(echo "$out" | sed -n 's/^rounds [0-9]* boxes \([0-9]*\)$/\1/p')
    text=$(echo "$out" | sed -n 2p)
    echo "   box: $text"
    typed=$(grep -cE '^(line|paste|key)' "$PRACTICE_LOG" || true)
    deliver 9 >/dev/null
    usable=$(read -r got _ _ order < <(compare_received 9); [[ $got == 9 && $order == yes ]] && echo yes || echo no)
    close_panel
    kill "$PRACTICE_PID" 2>/dev/null || true
    wait "$PRACTICE_PID" 2>/dev/null || true
    local wrong=0 unusable=1
    [[ $text == 'クリップボード '?*' を開けません.' ]] || wrong=1
    [[ $usable == yes ]] && unusable=0
    row clipboard "$clipboard" "error boxes ${boxes:-0}, keys typed $typed; 9 commands after: $usable" \
        $((clipboard - ${boxes:-0} + typed + wrong + unusable))
}

# --- Ill-formed settings files ----------------------------------------------------------------
# Starts the panel on the file as it is; BOX says whether an error box is due. Prints nothing;
# counts into the caller's boxes/defaults/untouched/faults.
settings_round() {
    local expect_box=$1 box=""
    cp "$SETTINGS_FILE" "$E2E_DIR/before.ini"
    wine "$PANEL_EXE" >/dev/null 2>&1 &
    PANEL_PID=$!
    E2E_PIDS+=("$PANEL_PID")
    if ((expect_box)); then
        box=$(helper msgbox "$TITLE" 20000) || true
        helper closebox "$TITLE" >/dev/null || true
        [[ $box == "$BAD_ENCODING" ]] && boxes=$((boxes + 1)) || faults=$((faults + 1))
    fi
    if ! helper wait TForm1 20000 >/dev/null; then
        faults=$((faults + 1))
        stop_panel
        return
    fi
    ((expect_box)) || ! helper msgbox "$TITLE" 200 >/dev/null || faults=$((faults + 1))
    [[ $(panel_state) == "0 190 436" ]] && defaults=$((defaults + 1)) || faults=$((faults + 1))
    cmp -s "$SETTINGS_FILE" "$E2E_DIR/before.ini" && untouched=$((untouched + 1)) || faults=$((faults + 1))
    # The user's own close: a file that cannot be read is not written over.
    helper post TForm1 0x10 0 0 >/dev/null
    if ((expect_box)); then
        box=$(helper msgbox "$TITLE" 20000) || true
        helper closebox "$TITLE" >/dev/null || true
        [[ $box == "$BAD_ENCODING" ]] || faults=$((faults + 1))
        cmp -s "$SETTINGS_FILE" "$E2E_DIR/before.ini" && kept=$((kept + 1)) || faults=$((faults + 1))
    else
        wait_until 20 bash -c "! kill -0 $PANEL_PID 2>/dev/null" || true
        grep -q $'^cb1=0\r$' "$SETTINGS_FILE" && kept=$((kept + 1)) || faults=$((faults + 1))
    fi
    wait_until 20 bash -c "! kill -0 $PANEL_PID 2>/dev/null" || true
    stop_panel
    rounds=$((rounds + 1))
}

soak_settings() {
    echo "== settings: ill-formed files"
    local rounds=0 boxes=0 defaults=0 untouched=0 kept=0 faults=0 hex
    # A file with other values than the defaults, broken by one line: the defaults must win.
    local head=$'\xEF\xBB\xBF[System]\r\nClientWidth2=250\r\nClientHeight2=300\r\ncb1=2\r\nNote='
    while IFS=$'\t' read -r hex verdict _; do
        [[ $hex == \#* || $verdict != reject ]] && continue
        { printf '%s' "$head"; printf "$(printf '\\x%s' $hex)"; printf '\r\n'; } >"$SETTINGS_FILE"
        settings_round 1
    done <"$VECTORS"
    local vectors=$rounds
    # The same settings saved as UTF-16 with its byte-order mark.
    printf '\xFF\xFE' >"$SETTINGS_FILE"
    printf '[System]\r\nClientWidth2=250\r\ncb1=2\r\n' | iconv -f UTF-8 -t UTF-16LE >>"$SETTINGS_FILE"
    settings_round 1
    head -c 1048576 /dev/urandom >"$SETTINGS_FILE"
    settings_round 1
    : >"$SETTINGS_FILE"
    settings_round 0
    row settings "$rounds" "$vectors vectors + UTF-16 + 1 MB random + empty: box $boxes, defaults $defaults, untouched $untouched, kept at close $kept" \
        "$faults"
}

wants saves && soak_saves
wants deliveries && soak_deliveries
wants crowd && soak_crowd
wants clipboard && soak_clipboard
wants settings && soak_settings

echo
printf '| %-11s | %6s | %-96s | %6s |\n' part rounds "what was found" lost
printf '|%s|%s|%s|%s|\n' "-------------" "--------" "$(printf -- '-%.0s' {1..98})" "--------"
printf '%s\n' "${ROWS[@]}"
((LOSSES == 0))
