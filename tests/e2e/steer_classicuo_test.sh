#!/usr/bin/env bash
# Steering ClassicUO: found by SDL's window class and its caption (or its image), in every
# state of its "Enter opens the chat" option and its chat line; another program's SDL window
# in front of it gets nothing, and the status line's ink tells whether a client was reached.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/steer_lib.sh"

start_panel

# No client yet: the text shows, in grey.
press Btn_01 1
wait_until 10 bash -c "[[ \$(wine '$WINHELPER_EXE' clip 2>/dev/null | tr -d '\r') == Forward ]]" || true
check "no client: the status line shows the text" equals "$(status_line)" "Forward"
check "no client: the status line turns grey" wait_until 10 status_ink_is grey

# One delivery says the text exactly once: the next command's line follows it directly.
says_forward_once() {
    local what=$1
    press Btn_01 1
    check "$what: ClassicUO says a line" wait_received 1
    press Btn_00 1
    wait_received 2 || true
    check "$what: Forward once, then Stop" equals "$(last_received 3)" "Forward|Stop"
}

# The option off (the default): the line is always open.
start_practice --classicuo
start_decoy
check "the decoy is the SDL window in front" \
    bash -c "wine '$WINHELPER_EXE' top SDL_app 2>/dev/null | awk '\$6 == 1' | head -1 | grep -q 'Practice Decoy'"
says_forward_once "option off"
check "option off: the status line is blue again" wait_until 10 status_ink_is blue
check "Shift, Enter, Ctrl and V carry their own scan codes" \
    bash -c "grep -qx 'key down 10 2a' '$PRACTICE_LOG' && grep -qx 'key down 0d 1c' '$PRACTICE_LOG' && grep -qx 'key down 11 1d' '$PRACTICE_LOG' && grep -qx 'key down 56 2f' '$PRACTICE_LOG'"
check "the paste was read on the client's thread" grep -qx 'paste Forward' "$PRACTICE_LOG"
check "the decoy SDL window in front got nothing" \
    bash -c "! grep -qE '^(key|line|paste)' '$DECOY_LOG'"
stop_practice

# The option on, the line closed: opened for the command and closed again.
start_practice --classicuo --enter-opens-chat --chat-closed
says_forward_once "option on, line closed"
check "option on, line closed: the line is closed again" \
    equals "$(grep -E '^chat ' "$PRACTICE_LOG" | tail -1)" "chat closed"
stop_practice

# The option on, the line open.
start_practice --classicuo --enter-opens-chat
says_forward_once "option on, line open"
stop_practice

# A caption a plug-in has rewritten entirely: the process image still says ClassicUO.
cp "$PRACTICE_EXE" "$E2E_DIR/ClassicUO.exe"
PRACTICE_EXE="$E2E_DIR/ClassicUO.exe" start_practice --classicuo --caption "Sailor (Atlantic)"
says_forward_once "found by its image"
stop_practice

check "the decoy got nothing at all" bash -c "! grep -qE '^(key|line|paste)' '$DECOY_LOG'"

close_panel
finish
