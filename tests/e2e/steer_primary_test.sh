#!/usr/bin/env bash
# Steering the primary client: every mouse button, the modifier keys, double clicks, the
# turns with the heading selector, the two-text button and the status line.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/steer_lib.sh"

start_practice
start_panel


press Btn_01 1
expect_after "left click on the top button sends Forward" "Forward"
check "the status line shows the text" equals "$(status_line)" "Forward"
check "the clipboard holds the text" equals "$(helper clip)" "Forward"
check "the chat holder got the focus message before the keys" \
    bash -c "grep -m1 -E '^(focus|key)' '$PRACTICE_LOG' | grep -qx focus"
check "Ctrl, V and Enter carry their own scan codes" \
    bash -c "grep -qx 'key down 11 1d' '$PRACTICE_LOG' && grep -qx 'key down 56 2f' '$PRACTICE_LOG' && grep -qx 'key down 0d 1c' '$PRACTICE_LOG'"

press Btn_03 3
expect_after "right click sends like a left click" "Right"
press Btn_05 2
expect_after "middle click sends like a left click" "Back"

for case in "1 Slow Forward" "3 One Forward" "2 Forward"; do
    read -r mouse text <<<"$case"
    key_down ctrl
    press Btn_01 "$mouse"
    expect_after "Ctrl at High with mouse button $mouse sends $text" "$text"
    key_up ctrl
done

for modifier in alt shift; do
    key_down "$modifier"
    press Btn_07 1
    key_up "$modifier"
    press Btn_T2 1
    expect_after "$modifier with a direction sends nothing" "Start"
done

press RBtn_2 1
press Btn_08 1
expect_after "Slow speed puts its prefix in front" "Slow Forward Left"
press RBtn_1 1

press Btn_DS 1
expect_after "the special button sends two texts in order" "Doracron|Sueacron"
check "the status line shows the second text" equals "$(status_line)" "Sueacron"

# Heading 1: the bow to the upper right. A double click turns twice.
helper combo TForm1 1 >/dev/null
wait_until 5 bash -c "[[ \$(wine '$WINHELPER_EXE' children TForm1 2>/dev/null | awk '\$1==${PANEL_ID[cb1]} {print \$9}') == 1 ]]"
press Btn_02 1
expect_after "under heading 1 the upper-right button is Forward" "Forward"
# Each mouse button, and the second click landing during the first delivery's pauses (80 and
# 150 ms) or just after it (260 ms): every click is a press.
want_heading=1
for case in "1 80" "3 150" "2 260"; do
    read -r mouse delay <<<"$case"
    double_press Btn_R9 "$mouse" "$delay"
    expect_after "a double click with mouse button $mouse (${delay} ms) sends twice" \
        "Turn Right|Turn Right"
    want_heading=$((want_heading % 4 + 1))
    want_heading=$((want_heading % 4 + 1))
    check "the double click with mouse button $mouse turned the heading twice" \
        equals "$(heading_index)" "$want_heading"
done
check "two right turns from heading 1 give heading 3" equals "$(heading_index)" "3"
check "the bow marker moved to the lower-left button" equals "$(caption_of Btn_06)" "◆"
press Btn_L9 1
expect_after "Turn Left" "Turn Left"
check "a left turn from heading 3 gives heading 2" equals "$(heading_index)" "2"
press Btn_18 3
expect_after "Turn Around" "Turn Around"
check "turning around from heading 2 gives heading 4" equals "$(heading_index)" "4"
press Btn_00 1
expect_after "Stop" "Stop"
check "Stop keeps the heading" equals "$(heading_index)" "4"

close_panel
finish
