#!/usr/bin/env bash
# The session's end always ends the bar: SIGTERM while a message box waits for an answer closes the
# box as cancelled and the bar the clean way; SIGHUP closes it like SIGTERM. One bar per X server,
# however $DISPLAY spells it. A FIFO named as an entry's icon freezes nothing.
source "$(dirname "$0")/lib.sh" "$@"

# --- SIGTERM while the first-use question is open ---------------------------------------------------
start_quorix
wait_for 'xdotool search --onlyvisible --name "^Quorix 1.03$"' 15 || fail "first-use question did not appear"
kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "SIGTERM with a box open left the program running"
[[ ! -e "$XDG_CONFIG_HOME/autostart/quorix.desktop" ]] || fail "the cancelled question registered the bar"
pass "SIGTERM closed the open box as cancelled and ended the program"

# --- SIGHUP is a clean close ---------------------------------------------------------------------
prepare_data_folder
rm -f "$REGISTRY"
start_quorix
wait_for_bar || fail "the bar did not appear"
kill -HUP "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "SIGHUP did not end the bar"
grep -q "MainMenu-H=" "$REGISTRY" || fail "SIGHUP skipped the clean close"
pass "SIGHUP closed the bar cleanly"

# --- one bar per X server, however the display is written ----------------------------------------
start_quorix
first=$QUORIX_PID
wait_for_bar || fail "the bar did not appear"
number=${DISPLAY#:}
for spelling in ":$number.0" "unix:$number"; do
    DISPLAY=$spelling start_quorix
    second=$QUORIX_PID
    wait_for 'xdotool search --onlyvisible --name "^Error$"' 15 || fail "$spelling got a second bar"
    box=$(xdotool search --onlyvisible --name "^Error$" | head -n 1)
    xdotool windowactivate --sync "$box" key Return
    wait_for_exit "$second" 10 || fail "the second copy on $spelling kept running"
    pass "$spelling is the same display as :$number"
done
kill -0 "$first" 2>/dev/null || fail "the first bar ended"

# --- a FIFO as an entry's icon: the menu opens at once -------------------------------------------
kill -TERM "$first"
wait_for_exit "$first" 10 || fail "the bar did not end"
WORK=$TEST_HOME/work
mkdir -p "$WORK"
mkfifo "$WORK/icon.png"
printf '[Desktop Entry]\nType=Application\nName=Frozen?\nExec=true\nIcon=%s\n' "$WORK/icon.png" > "$WORK/app.desktop"
chmod +x "$WORK/app.desktop"    # trusted, so its Icon= is used
cat > "$DATA/menusettings.ini" <<EOF
[header]
version=01030000

[menu]
item0000=active:"1"; itemtype:"0"; name:"&Work"; path:"$WORK"; mask:"*.*"; maxitems:"-1"; expanded:"0";
EOF
start_quorix
wait_for_bar || fail "the bar did not appear"
read -r bx by bw bh < <(window_geometry "$(bar_window)")
click_to_open $((bx + 36)) $((by + bh / 2)) || fail "Main did not open"
left=$(popup_left)
xdotool key Right
wait_for "[[ \$(popup_left) -gt $left ]]" 1 || fail "the menu with a FIFO icon did not open within a second"
screenshot session-fifo-icon
kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "SIGTERM did not end the bar"
pass "a FIFO icon froze nothing and SIGTERM ended the bar"
