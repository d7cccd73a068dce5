#!/usr/bin/env bash
# The bar docks like a panel: it takes exactly its height from the work area at the top (or the
# bottom), two rows with the info bar, gives the area back when it closes, stays above normal
# windows when asked to, and shows the configured transparency.
source "$(dirname "$0")/lib.sh" "$@"
prepare_data_folder
read -r sw sh < <(screen_size)
height=$(sed -n 's/^height=//p' "$DATA/settings.ini")

# Runs the bar, checks the work area against "x y w h", and closes it again.
expect_work_area() {
    local name=$1 expected=$2
    start_quorix
    wait_for_bar || fail "$name: the bar did not appear"
    wait_for "[[ \"\$(work_area)\" == \"$expected\" ]]" 10 || fail "$name: work area $(work_area), expected $expected"
    screenshot "docking-$name"
    pass "$name: work area $expected"
}

close_bar() {
    kill -TERM "$QUORIX_PID"
    wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not close"
    wait_for "[[ \"\$(work_area)\" == \"0 0 $sw $sh\" ]]" 10 || fail "work area not given back: $(work_area)"
}

[[ "$(work_area)" == "0 0 $sw $sh" ]] || fail "unexpected work area before start: $(work_area)"

expect_work_area top "0 $height $sw $((sh - height))"
bar=$(bar_window)
xprop -id "$bar" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DOCK || fail "the bar is not a dock window"
read -r bx by bw bh < <(window_geometry "$bar")
[[ "$bx $by $bw $bh" == "0 0 $sw $height" ]] || fail "bar geometry $bx $by $bw $bh"
close_bar
pass "closing gives the work area back"

set_setting general position bottom
expect_work_area bottom "0 0 $sw $((sh - height))"
read -r bx by bw bh < <(window_geometry "$(bar_window)")
[[ "$by" == "$((sh - height))" ]] || fail "bar not at the bottom edge: y=$by"
close_bar

set_setting general position top
set_setting infobar enabled 1
expect_work_area two-rows "0 $((2 * height)) $sw $((sh - 2 * height))"
close_bar
set_setting infobar enabled 0

# Always on top: the bar stays above a normal window that covers it.
set_setting menu-settings alwaysontop 1
set_setting alphablend menu_alpha 50
start_quorix
wait_for_bar || fail "the bar did not appear"
bar=$(bar_window)
xmessage -geometry 600x200+0+0 "a normal window over the bar" &
other=$!
covering=$(wait_for_managed xmessage) || fail "test window missing"
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'; }
bar_hex=$(printf '0x%x' "$bar")
# Once the window manager has stacked the new window, the bar must be above it.
wait_for '[[ " $(stacking) " == *" $(printf "0x%x" "$covering") "* && "$(stacking | awk "{print \$NF}")" == "$bar_hex" ]]' 5 \
    || fail "the bar is not on top of the stack: $(stacking) (bar $bar_hex)"
xprop -id "$bar" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "alwaysontop did not set the above state"
opacity=$(xprop -id "$bar" _NET_WM_WINDOW_OPACITY | sed 's/.*= //')
# 127/255 of full opacity, as Qt writes it.
[[ "$opacity" == "$((0xffffffff * 127 / 255))" ]] || fail "opacity $opacity"
screenshot docking-above-and-transparent
kill "$other" 2>/dev/null
pass "always on top and 127/255 opacity"
close_bar
