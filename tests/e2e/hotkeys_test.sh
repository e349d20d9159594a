#!/usr/bin/env bash
# Steering from the keyboard while the game is in front: the keypad hotkeys with Num Lock on
# and off, a key of the settings file, a key another program holds, and the tiller menu of a
# right click on free space.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/steer_lib.sh"

# The X server keeps Ctrl+Alt+F1..F12 for switching screens unless told otherwise; the
# display's own options come back at the end.
xkb_options=$(setxkbmap -query | awk '/^options:/ { print $2 }')
restore_xkb() { setxkbmap -option "" ${xkb_options:+-option "$xkb_options"} 2>/dev/null || true; }
trap 'restore_xkb; e2e_cleanup' EXIT
setxkbmap -option srvrkeys:none

game_in_front() { [[ $(helper foreground) == "Ultima Online" ]]; }
game_not_in_front() { ! game_in_front; }
bring_game_forward() {
    helper activate "Ultima Online" >/dev/null
    wait_until 5 game_in_front || fail_now "the practice client did not come to the front"
}
# The key-up of a hotkey's key reaches the window in front: it tells which key Wine reported.
# log_mark notes where the log stands; client_saw_key_up looks only past the mark.
log_mark() { mark=$(wc -l <"$PRACTICE_LOG"); }
client_saw_key_up() { tail -n +$((mark + 1)) "$PRACTICE_LOG" | grep -q "^key up $1 "; }
set_heading() {
    helper combo TForm1 "$1" >/dev/null
    wait_until 5 bash -c "[[ \$(wine '$WINHELPER_EXE' children TForm1 2>/dev/null | awk '\$1==${PANEL_ID[cb1]} {print \$9}') == $1 ]]"
}

start_practice
start_panel
bring_game_forward

# --- Num Lock on (typing KP_8 turns it on) -----------------------------------------------------
log_mark
xdotool key ctrl+alt+KP_8
expect_after "Ctrl+Alt+Num8 at heading 0 says Forward" "Forward"
check "Num Lock was on: the keypad reported Num8" client_saw_key_up 68
check "the practice client stays in front" game_in_front
check "the status line shows the text" equals "$(status_line)" "Forward"
xdotool key ctrl+alt+KP_4
expect_after "Ctrl+Alt+Num4 at heading 0 says Left" "Left"
xdotool key ctrl+alt+KP_5
expect_after "Ctrl+Alt+Num5 says Stop" "Stop"

set_heading 1
xdotool key ctrl+alt+KP_9
expect_after "with the bow at the upper right Ctrl+Alt+Num9 says Forward" "Forward"
xdotool key ctrl+alt+KP_Divide
expect_after "Ctrl+Alt+Num/ says Turn Left" "Turn Left"
check "Turn Left moves the heading selector from 1 to 4" equals "$(heading_index)" "4"
check "the bow marker moved to the upper-left button" equals "$(caption_of Btn_08)" "◆"
xdotool key ctrl+alt+KP_Multiply
expect_after "Ctrl+Alt+Num* says Turn Around" "Turn Around"
check "Turn Around moves the heading from 4 to 2" equals "$(heading_index)" "2"
xdotool key ctrl+alt+KP_Subtract
expect_after "Ctrl+Alt+Num- says Turn Right" "Turn Right"
check "Turn Right moves the heading from 2 to 3" equals "$(heading_index)" "3"
xdotool key ctrl+alt+KP_0
expect_after "Ctrl+Alt+Num0 says Raise Anchor" "Raise Anchor"
xdotool key ctrl+alt+KP_Decimal
expect_after "Ctrl+Alt+Num. says Drop Anchor" "Drop Anchor"
check "after the hotkeys the practice client is still in front" game_in_front

press RBtn_2 1
bring_game_forward
xdotool key ctrl+alt+KP_2
expect_after "a compass key takes the speed selector: Slow, heading 3, down is Forward Left" \
    "Slow Forward Left"
press RBtn_1 1
bring_game_forward

# --- Num Lock off ------------------------------------------------------------------------------
set_heading 4
xdotool key Num_Lock
log_mark
xdotool key ctrl+alt+KP_Up
expect_after "Num Lock off: Ctrl+Alt+Num8 at heading 4 says Forward Right" "Forward Right"
check "Num Lock was off: the keypad reported Up" client_saw_key_up 26
xdotool key ctrl+alt+KP_Home
expect_after "Num Lock off: Ctrl+Alt+Num7 toward the bow says Forward" "Forward"
xdotool key ctrl+alt+KP_Begin
expect_after "Num Lock off: Ctrl+Alt+Num5 says Stop" "Stop"
xdotool key ctrl+alt+KP_Insert
expect_after "Num Lock off: Ctrl+Alt+Num0 says Raise Anchor" "Raise Anchor"
check "the practice client stays in front with Num Lock off" game_in_front

# Ctrl and Alt still held while the panel types: it lets go of them itself, so the client
# gets a plain paste and Enter.
xdotool keydown ctrl alt
xdotool key KP_Left
expect_after "with Ctrl+Alt still held, Num4 at heading 4 says Forward Left" "Forward Left"
check "the panel let go of Ctrl and Alt" bash -c "! wine '$WINHELPER_EXE' held 11 2>/dev/null && ! wine '$WINHELPER_EXE' held 12 2>/dev/null"
xdotool keyup alt ctrl
xdotool key ctrl+alt+KP_8 # Num Lock on again
expect_after "the chord works again after the held one" "Forward Right"

# --- The tiller menu ---------------------------------------------------------------------------
free_spot() { read -r ox oy _ _ < <(helper client TForm1); echo $((ox + 150)) $((oy + 345)); }
menu_open() { helper top '#32768' | awk '$6 == 1' | grep -q .; }
menu_closed() { ! menu_open; }
# Opens the menu with a right click at X Y and gives the panel's X window the keyboard (the
# X focus decides which Wine process reads the keys).
open_menu_at() {
    xdotool mousemove "$1" "$2" sleep 0.05 click 3
    wait_until 5 menu_open || fail_now "no menu after a right click"
    focus_panel_x
}
# Picks an item with the keyboard: DOWNS presses of Down, then (for a submenu) Right and SUB
# more presses of Down, then Enter.
pick() {
    local downs=$1 sub=${2:-} keys=() i
    open_menu_at $(free_spot)
    for ((i = 0; i < downs; i++)); do keys+=(Down); done
    if [[ -n $sub ]]; then
        keys+=(Right)
        for ((i = 0; i < sub; i++)); do keys+=(Down); done
    fi
    xdotool key --delay 40 "${keys[@]}" Return
    wait_until 5 menu_closed || fail_now "the menu did not close"
}

# One pick with the mouse: the first item.
open_menu_at $(free_spot)
read -r _ mx my mw _ < <(helper top '#32768' | awk '$6 == 1')
xdotool mousemove $((mx + mw / 2)) $((my + 10)) sleep 0.1 click 1
expect_after "a click on the menu's first item says Raise Anchor" "Raise Anchor"
check "a menu command raises the panel again: the practice client is not left in front" \
    wait_until 5 game_not_in_front

items=("Raise Anchor" "Drop Anchor" "Nav" "Start" "Continue")
for i in "${!items[@]}"; do
    pick $((i + 1))
    expect_after "the menu says ${items[$i]}" "${items[$i]}"
done
for point in 1 2 3 4 5 6 7 8 9; do
    pick 6 $((point - 1))
    expect_after "the menu's Goto submenu says Goto $point" "Goto $point"
done
for point in 1 2 3 4 5 6 7 8 9; do
    pick 7 $((point - 1))
    expect_after "the menu's Single submenu says Single $point" "Single $point"
done

read -r sx sy sw sh < <(child_rect "label:$(status_line)")
open_menu_at $((sx + sw / 2)) $((sy + sh / 2))
check "a right click on the status line opens the menu" menu_open
xdotool key Escape
check "Escape closes the menu" wait_until 5 menu_closed

press Btn_T2 3
expect_after "a right click on a command button still sends its command" "Start"
check "and opens no menu" menu_closed
close_panel

# --- A key of the settings file, and a key another program holds -------------------------------
printf '\xEF\xBB\xBF[System]\r\ncb1=0\r\n\r\n[Hotkeys]\r\nStop=Ctrl+Alt+F12\r\nUp = ctrl + alt + num 9\r\nNav=Ctrl+Alt+Nm8\r\n\r\n' \
    >"$SETTINGS_FILE"
wine "$WINHELPER_EXE" holdhotkey 3 67 60000 >"$E2E_DIR/holder.out" 2>/dev/null &
E2E_PIDS+=($!)
wait_until 10 grep -q held "$E2E_DIR/holder.out" || fail_now "the other program could not take Ctrl+Alt+Num7"
start_panel
check "a taken key shows no message at start" bash -c "! wine '$WINHELPER_EXE' msgbox '[QUARN] Quarnel' 300 >/dev/null 2>&1"
bring_game_forward
xdotool key ctrl+alt+F12
expect_after "Stop=Ctrl+Alt+F12 makes Ctrl+Alt+F12 say Stop" "Stop"
xdotool key ctrl+alt+KP_5
xdotool key ctrl+alt+KP_7
xdotool key ctrl+alt+KP_9
expect_after "Num5 is no longer Stop, Num7 belongs to the other program, and Up=ctrl + alt + num 9 makes Num9 say Forward" "Forward"
check "the practice client stays in front" game_in_front
close_panel
check "a save keeps the [Hotkeys] section as written" \
    bash -c "grep -q '^\[Hotkeys\]' '$SETTINGS_FILE' && grep -q '^Stop=Ctrl+Alt+F12' '$SETTINGS_FILE' && grep -q '^Nav=Ctrl+Alt+Nm8' '$SETTINGS_FILE'"
check "and writes its geometry" grep -q '^Bottom2=' "$SETTINGS_FILE"
finish
