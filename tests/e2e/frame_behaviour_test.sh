#!/usr/bin/env bash
# The window frame of the real panel: the borderless check box keeps the client area's screen
# spot, double clicks toggle on the labels and free space but not on the controls, a right
# press on the body neither drags nor toggles, and a left drag moves the window.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

window_rect() { helper top TForm1 | awk 'NR==1 { print $2, $3, $4, $5 }'; }
client_origin() { helper client TForm1 | awk '{ print $1, $2 }'; }
# Screen rectangle and check state of the child whose text is $1: "x y w h checked".
child_by_text() {
    helper children TForm1 | awk -v t="\"$1\"" 'substr($0, index($0, "\"")) == t { print $3, $4, $5, $6, $8; exit }'
}
slim_state() { child_by_text "For w/o border" | awk '{ print $5 }'; }
combo_rect() { helper children TForm1 | awk '$2=="ComboBox" { print $3, $4, $5, $6; exit }'; }
double_click_at() { xdotool mousemove "$1" "$2" sleep 0.05 click --repeat 2 --delay 80 1; }
double_click_rect() { double_click_at $(($1 + $3 / 2)) $(($2 + $4 / 2)); }
# Free space of the body, right of the check box and above the hint.
free_spot() { read -r ox oy < <(client_origin); echo $((ox + 150)) $((oy + 345)); }
slim_is() { [ "$(slim_state)" = "$1" ]; }

rm -f "$SETTINGS_FILE"
start_panel

# --- Borderless on and off through the check box -----------------------------------------
read -r ox oy < <(client_origin)
read -r _ _ cw ch < <(helper client TForm1)
read -r sx sy sw sh _ < <(child_by_text "For w/o border")
xdotool mousemove $((sx + 6)) $((sy + sh / 2)) sleep 0.05 click 1
check "check box: borderless mode on" wait_until 10 slim_is 1
read -r x y w h < <(window_rect)
check "borderless: the window is its client area" test "$w $h" = "$cw $ch"
check "borderless: the client area stays on its screen spot" test "$(client_origin)" = "$ox $oy"
check "borderless: the toggle saved the settings" grep -q "Bottom2=$((y + h))" "$SETTINGS_FILE"
read -r sx sy sw sh _ < <(child_by_text "For w/o border")
xdotool mousemove $((sx + 6)) $((sy + sh / 2)) sleep 0.05 click 1
check "check box: borderless mode off" wait_until 10 slim_is 0
read -r _ _ cw2 ch2 < <(helper client TForm1)
check "framed again: the same client size" test "$cw2 $ch2" = "$cw $ch"
check "framed again: the client area back on its spot" test "$(client_origin)" = "$ox $oy"

# --- Double clicks that toggle -------------------------------------------------------------
for target in "label:" "label:Check or Double click on space" \
    "label:Ctrl+Left click→Slow, Ctrl+Right" "label:click→One, when 'High' is selected." \
    "label:  " "body"; do
    before=$(slim_state)
    if [ "$target" = body ]; then
        double_click_at $(free_spot)
        name="free space"
    else
        read -r rx ry rw rh < <(child_rect "$target") || fail_now "no $target"
        double_click_rect "$rx" "$ry" "$rw" "$rh"
        case "$target" in
        "label:") name="the status line" ;;
        "label:  ") name="the blank label" ;;
        *) name="${target#label:}" ;;
        esac
    fi
    check "double click on '$name' toggles" wait_until 10 slim_is $((1 - before))
done

# --- Double clicks that do not toggle --------------------------------------------------------
# Each is followed by a double click on the hint, which toggles: the state then has changed
# exactly once only if the control's own double click did not toggle.
for target in "Stop" "Start Tracking" "Turn||Left" "Slow" "For w/o border" "combo"; do
    before=$(slim_state)
    if [ "$target" = combo ]; then
        read -r rx ry rw rh < <(combo_rect)
        double_click_rect "$rx" "$ry" "$rw" "$rh"
        xdotool sleep 0.1 key Escape
    else
        read -r rx ry rw rh _ < <(child_by_text "$target") || fail_now "no $target"
        double_click_rect "$rx" "$ry" "$rw" "$rh"
    fi
    read -r rx ry rw rh < <(child_rect "label:Check or Double click on space")
    double_click_rect "$rx" "$ry" "$rw" "$rh"
    check "double click on '$target' does not toggle" wait_until 10 slim_is $((1 - before))
done

# --- Right press on the body -----------------------------------------------------------------
before=$(slim_state)
read -r ox oy < <(client_origin)
read -r fx fy < <(free_spot)
xdotool mousemove "$fx" "$fy" sleep 0.05 mousedown 3 sleep 0.05 mousemove $((fx + 30)) $((fy + 20)) \
    sleep 0.05 mousemove $((fx + 60)) $((fy + 40)) sleep 0.05 mouseup 3 sleep 0.05 \
    mousemove "$fx" "$fy" sleep 0.05 click --repeat 2 --delay 80 3
read -r rx ry rw rh < <(child_rect "label:Check or Double click on space")
double_click_rect "$rx" "$ry" "$rw" "$rh"
check "right press and double click on the body do not toggle" wait_until 10 slim_is $((1 - before))
check "right drag on the body does not move the window" test "$(client_origin)" = "$ox $oy"

# --- Left drag on the body -------------------------------------------------------------------
read -r x y _ _ < <(window_rect)
read -r fx fy < <(free_spot)
xdotool mousemove "$fx" "$fy" sleep 0.05 mousedown 1 sleep 0.05 mousemove $((fx + 20)) $((fy + 10)) \
    sleep 0.05 mousemove $((fx + 60)) $((fy + 40)) sleep 0.05 mouseup 1
moved() { [ "$(wine "$WINHELPER_EXE" top TForm1 2>/dev/null | awk 'NR==1 { print $2, $3 }')" = "$((x + 60)) $((y + 40))" ]; }
check "left drag on the body moves the window" wait_until 10 moved
close_panel
finish
