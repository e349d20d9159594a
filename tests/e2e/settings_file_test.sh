#!/usr/bin/env bash
# The settings file across runs of the real panel: the first start is centred in the work
# area, a restart comes back at the same place and size, and a broken file shows its error at
# the start and at the close while the panel still comes up and still closes.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

TITLE="[QUARN] Quarnel"
BAD_ENCODING="Unicode 文字のマッピングがターゲットのマルチバイト コード ページに存在しません."

window_rect() { helper top TForm1 | awk 'NR==1 { print $2, $3, $4, $5 }'; }

# --- First start without a file ---------------------------------------------------------
rm -f "$SETTINGS_FILE"
start_panel
read -r _ _ work_w work_h < <(helper workarea)
read -r x y w h < <(window_rect)
read -r _ _ cw ch < <(helper client TForm1)
check "first start: client area 190 x 436" test "$cw $ch" = "190 436"
check "first start: centred across the work area's width" test "$x" -eq $(((work_w - w) / 2))
check "first start: bottom edge half its height below the work area's middle" \
    test $((y + h)) -eq $(((work_h + h) / 2))

# Move the window by its body and make it larger by its lower right corner.
read -r cx cy _ _ < <(helper client TForm1)
xdotool mousemove $((cx + 150)) $((cy + 345)) sleep 0.05 mousedown 1 sleep 0.05 \
    mousemove $((cx + 170)) $((cy + 355)) sleep 0.05 mousemove $((cx + 120)) $((cy + 305)) \
    sleep 0.05 mouseup 1
wait_until 10 bash -c "[ \"\$(wine '$WINHELPER_EXE' top TForm1 2>/dev/null | awk 'NR==1 {print \$2}')\" = $((x - 30)) ]"
read -r x y w h < <(window_rect)
xdotool mousemove $((x + w - 2)) $((y + h - 2)) sleep 0.05 mousedown 1 sleep 0.05 \
    mousemove $((x + w + 10)) $((y + h + 10)) sleep 0.05 mousemove $((x + w + 28)) $((y + h + 38)) \
    sleep 0.05 mouseup 1
wait_until 10 bash -c "[ \"\$(wine '$WINHELPER_EXE' top TForm1 2>/dev/null | awk 'NR==1 {print \$4}')\" = $((w + 30)) ]"
read -r x y w h < <(window_rect)
read -r _ _ cw ch < <(helper client TForm1)
check "the window was moved and resized" test "$cw $ch" = "220 476"
close_panel

expected=$(printf '\xEF\xBB\xBF[System]\r\nBottom2=%d\r\nLeft2=%d\r\nClientWidth2=%d\r\nClientHeight2=%d\r\ncb1=0\r\n\r\n' \
    $((y + h)) "$x" "$cw" "$ch" | od -An -tx1)
check "close wrote the file: mark, keys in order, CR LF" test "$(od -An -tx1 "$SETTINGS_FILE")" = "$expected"

# --- Restart: same place and size ---------------------------------------------------------
start_panel
check "restart: same window rectangle" test "$(window_rect)" = "$x $y $w $h"
read -r _ _ cw2 ch2 < <(helper client TForm1)
check "restart: same client size" test "$cw2 $ch2" = "$cw $ch"
close_panel

# --- A broken file --------------------------------------------------------------------------
printf '\xEF\xBB\xBF[System]\r\nLeft2=\xC0\x80\r\n' >"$SETTINGS_FILE"
cp "$SETTINGS_FILE" "$E2E_DIR/broken.copy"
wine "$PANEL_EXE" >/dev/null 2>&1 &
PANEL_PID=$!
E2E_PIDS+=("$PANEL_PID")
box=$(helper msgbox "$TITLE" 20000) || fail_now "no error box at the start"
check "start: the error box names the encoding fault" test "$box" = "$BAD_ENCODING"
helper closebox "$TITLE" >/dev/null
helper wait TForm1 20000 >/dev/null || fail_now "the panel did not come up after the error"
check "start: the panel came up complete (turn captions set)" \
    bash -c "wine '$WINHELPER_EXE' children TForm1 2>/dev/null | grep -q '\"Turn||Left\"'"
read -r _ _ cw ch < <(helper client TForm1)
check "start: default client size after the error" test "$cw $ch" = "190 436"
check "start: heading selector usable with item 0" \
    test "$(helper children TForm1 | awk '$2=="ComboBox" { print $9; exit }')" = "0"

helper post TForm1 0x10 0 0 >/dev/null
box=$(helper msgbox "$TITLE" 20000) || fail_now "no error box at the close"
check "close: the error box names the encoding fault" test "$box" = "$BAD_ENCODING"
helper closebox "$TITLE" >/dev/null
check "close: the panel closes all the same" \
    wait_until 20 bash -c "! kill -0 $PANEL_PID 2>/dev/null"
check "close: the broken file is left as it was" cmp -s "$SETTINGS_FILE" "$E2E_DIR/broken.copy"

finish
