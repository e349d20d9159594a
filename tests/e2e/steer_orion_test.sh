#!/usr/bin/env bash
# Steering Orion: found by its window class, it pastes on the character 0x16 and submits on
# '\r' like the classic client; it has no chat child, so no focus message is sent.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/steer_lib.sh"

start_practice --orion
start_panel

press Btn_01 1
check "Orion says a line" wait_received 1
press Btn_00 1
wait_received 2 || true
check "Forward once, then Stop" equals "$(last_received 3)" "Forward|Stop"
check "the status line shows the text" equals "$(status_line)" "Stop"
check "the paste was read on the client's thread" grep -qx 'paste Forward' "$PRACTICE_LOG"
check "Ctrl, V and Enter carry their own scan codes" \
    bash -c "grep -qx 'key down 11 1d' '$PRACTICE_LOG' && grep -qx 'key down 56 2f' '$PRACTICE_LOG' && grep -qx 'key down 0d 1c' '$PRACTICE_LOG'"
check "no Shift is typed for Orion" bash -c "! grep -qE '^key (down|up) 10 ' '$PRACTICE_LOG'"

close_panel
finish
