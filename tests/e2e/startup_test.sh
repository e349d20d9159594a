#!/usr/bin/env bash
# Start-up: one panel per session, a second start restores and raises it; each heading picked
# with the mouse relabels the direction buttons.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

panel_count() { helper top TForm1 | grep -c . || true; }
panel_field() { helper top TForm1 | awk -v f="$1" 'NR==1 { print $f }'; }

start_panel
check "one panel window" [ "$(panel_count)" = 1 ]
check "panel caption" [ "$(helper top TForm1 | sed 's/.*"\(.*\)"/\1/')" = "[QUARN] Quarnel 1.20" ]
check "application window title" \
    [ "$(helper top TApplication | sed 's/.*"\(.*\)"/\1/')" = "[QUARN] Quarnel" ]
check "client area 190 x 436" [ "$(helper client TForm1 | awk '{ print $3 "x" $4 }')" = "190x436" ]

# Minimise the panel as its title bar button does.
helper post TForm1 0x112 0xF020 0 >/dev/null
check "the panel is minimised away" wait_until 10 bash -c '[ "$(wine "$WINHELPER_EXE" top TForm1 2>/dev/null | awk "{print \$6}")" = 0 ]'
check "the taskbar button is minimised" [ "$(helper top TApplication | awk '{ print $7 }')" = 1 ]

# A second start: exit code 0, no second window, the first one restored and in front.
second_exit=0
wine "$PANEL_EXE" >/dev/null 2>&1 || second_exit=$?
check "second start exits with 0" [ "$second_exit" = 0 ]
check "the panel is restored" wait_until 10 bash -c '[ "$(wine "$WINHELPER_EXE" top TForm1 2>/dev/null | awk "{print \$6 \$7}")" = 10 ]'
check "the panel is in front" [ "$(panel_field 8)" = 1 ]
check "still one panel window" [ "$(panel_count)" = 1 ]

# Pick each heading with the mouse in the drop-down list and read the direction captions.
cb1_id=114
expected=(
    "↑ Forward||Right → Back||Right ↓ Back||Left ← Forward||Left"
    "｜ ◆ － ＼ ｜ ／ － ＼"
    "｜ ／ － ◆ ｜ ／ － ＼"
    "｜ ／ － ＼ ｜ ◆ － ＼"
    "｜ ／ － ＼ ｜ ／ － ◆"
)
direction_ids=(119 120 103 106 105 104 101 100) # Btn_01 .. Btn_08
captions() {
    local id out=()
    for id in "${direction_ids[@]}"; do out+=("$(child_text "$id")"); done
    echo "${out[*]}"
}
pick_heading() {
    local index=$1 x y w h lx ly lw lh
    click_child "$cb1_id"
    wait_until 5 bash -c 'wine "$WINHELPER_EXE" top ComboLBox 2>/dev/null | awk "\$6==1 { found=1 } END { exit !found }"' ||
        return 1
    read -r _ lx ly lw lh _ < <(helper top ComboLBox | awk '$6==1')
    # Five items share the list's height.
    xdotool mousemove $((lx + lw / 2)) $((ly + (2 * index + 1) * (lh - 2) / 10 + 1)) sleep 0.05 click 1
}
for heading in 4 3 2 1 0; do
    pick_heading "$heading" || fail_now "the heading list did not open"
    got=$(captions)
    check "heading $heading captions: $got" [ "$got" = "${expected[$heading]}" ]
done

close_panel
finish
