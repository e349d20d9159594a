#!/usr/bin/env bash
# Without a game client the text still reaches the status line and the clipboard, silently.
# A clipboard held open by another program gives the error box and types nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/steer_lib.sh"

readonly TITLE="[QUARN] Quarnel"
start_panel

press Btn_01 1
wait_until 10 bash -c "[[ \$(wine '$WINHELPER_EXE' clip 2>/dev/null | tr -d '\r') == Forward ]]" || true
check "no client: the clipboard holds the text" equals "$(helper clip)" "Forward"
check "no client: the status line shows it" equals "$(status_line)" "Forward"
check "no client: no error box" bash -c "! wine '$WINHELPER_EXE' msgbox '$TITLE' 300 >/dev/null 2>&1"

start_practice
HOLD_OUT="$E2E_DIR/hold.out"
wine "$WINHELPER_EXE" holdclip 30000 >"$HOLD_OUT" 2>/dev/null &
E2E_PIDS+=("$!")
wait_until 10 grep -q held "$HOLD_OUT" || fail_now "the clipboard could not be held"

press Btn_03 1
box=$(helper msgbox "$TITLE" 10000) || fail_now "no error box"
echo "  box: $box"
check "the box names the clipboard and the system's reason" \
    bash -c "[[ '$box' == 'クリップボード '?*' を開けません.' ]]"
check "the status line shows the text all the same" equals "$(status_line)" "Right"
helper closebox "$TITLE" >/dev/null
wait_until 10 bash -c "! wine '$WINHELPER_EXE' msgbox '$TITLE' 0 >/dev/null 2>&1" || fail_now "the box stayed"
check "nothing was typed into the client" bash -c "! grep -qE '^(key|line|focus)' '$PRACTICE_LOG'"

# Once the clipboard is free again, the next command goes through.
kill "${E2E_PIDS[-1]}" 2>/dev/null || true
wait "${E2E_PIDS[-1]}" 2>/dev/null || true
wait_until 10 bash -c "wine '$WINHELPER_EXE' clip >/dev/null 2>&1" || true
check "the failed command left the clipboard as it was" equals "$(helper clip)" "Forward"
press Btn_05 1
check "after the holder let go the client gets the next command" wait_received 1
check "it received Back" equals "$(last_received 1)" "Back"

close_panel
finish
