#!/usr/bin/env bash
# Steering the fallback client: found by its "UOSA " caption, reached through its UOWIN
# window with a raise and one Enter (scan code 0), no paste.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/steer_lib.sh"

start_practice --fallback
start_panel

press Btn_00 1
check "the fallback client takes the text on Enter" wait_received 1
check "it received Stop" equals "$(last_received 1)" "Stop"
check "the status line shows the text" equals "$(status_line)" "Stop"
check "Enter goes with scan code 0" grep -qx 'key down 0d 00' "$PRACTICE_LOG"
check "no paste is typed" bash -c "! grep -qE '^key (down|up) (11|56) ' '$PRACTICE_LOG'"
check "one Enter press only" equals "$(grep -cx 'key down 0d 00' "$PRACTICE_LOG")" "1"

press Btn_03 3
check "a second command goes the same way" wait_received 2
check "it received Right" equals "$(last_received 1)" "Right"

close_panel
finish
