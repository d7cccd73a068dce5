#!/usr/bin/env bash
# The generated menus as a user meets them: a folder entry of the menu definitions opens as a
# submenu listing its folder, afresh on every opening (a file made in between shows up); choosing
# an entry starts it; "Close" lists another program's window, and choosing it closes that window.
source "$(dirname "$0")/lib.sh" "$@"

prepare_data_folder
WORK="$TEST_HOME/work folder"
mkdir -p "$WORK"
: > "$WORK/alpha.txt"
# A program in the folder: it leaves a marker, so the test sees that it ran.
make_script() {
    printf '#!/bin/sh\ntouch "%s"\n' "$2" > "$WORK/$1"
    chmod +x "$WORK/$1"
}
make_script start-me.sh "$TEST_HOME/first.marker"
cat > "$DATA/menusettings.ini" <<EOF
[header]
version=01030000

[menu]
item0000=active:"1"; itemtype:"0"; name:"&Work"; path:"$WORK"; mask:"*.*"; maxitems:"-1"; expanded:"0";
EOF

start_quorix
wait_for_bar || fail "the bar did not appear"
bar=$(bar_window)
read -r bx by bw bh < <(window_geometry "$bar")

# Opens "Main" (right of the icon button) with the mouse, then the generated menu right of it.
open_work_menu() {
    click_to_open $((bx + 36)) $((by + bh / 2)) || fail "Main did not open"
    local main_left; main_left=$(popup_left)
    xdotool key Right
    wait_for "[[ \$(popup_left) -gt $main_left ]]" 10 || fail "the Work menu did not open"
}

# --- first opening: the folder's entries, the program among them starts ---------------------------
open_work_menu
screenshot menus-first-opening
# Entries: alpha.txt (highlighted), start-me.sh.
xdotool key Down Return
wait_for '[[ -e "$TEST_HOME/first.marker" ]]' 10 || fail "choosing start-me.sh did not start it"
pass "a folder entry lists its folder and its program starts"

# --- a file made between two openings is listed on the second ------------------------------------
make_script beta-start.sh "$TEST_HOME/second.marker"
rm -f "$TEST_HOME/first.marker"
open_work_menu
screenshot menus-second-opening
# Entries now: alpha.txt, beta-start.sh, start-me.sh.
xdotool key Down Return
wait_for '[[ -e "$TEST_HOME/second.marker" ]]' 10 || fail "the new file was not listed on the second opening"
[[ ! -e "$TEST_HOME/first.marker" ]] || fail "the second opening still showed the old listing"
pass "a file created between two openings appears"

# --- Close lists another window and closes it ----------------------------------------------------
xmessage -name quorix-e2e-window "Close me from the bar" &
victim=$!
wait_for_managed quorix-e2e-window >/dev/null || fail "the test window did not appear"
click_to_open $((bx + 36)) $((by + bh / 2)) || fail "Main did not open"
xdotool key Up Up Up Right
wait_for_popups 2 || fail "the Close submenu did not open"
screenshot menus-close-list
# Entries: Quorix (highlighted), Shut Down..., then the windows.
xdotool key Down Down Return
wait_for_exit "$victim" 10 || { kill "$victim" 2>/dev/null; fail "choosing the window in Close did not close it"; }
kill -0 "$QUORIX_PID" 2>/dev/null || fail "the bar ended instead"
pass "Close listed the window and closed it"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not end"
