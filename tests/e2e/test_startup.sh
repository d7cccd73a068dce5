#!/usr/bin/env bash
# A first start fills the data folder and asks about starting at log-in; a second copy is refused
# and leaves the first running; "/debug" traces start-up in order; "Close" > "Quorix" ends the bar
# cleanly and stores its height, as does the session's SIGTERM.
source "$(dirname "$0")/lib.sh" "$@"

# --- first start: defaults copied, first-use question (answered No) -----------------------------
start_quorix /debug
wait_for 'xdotool search --name "^Quorix 1.03$"' 15 || fail "first-use question did not appear"
screenshot startup-first-use-question
question=$(xdotool search --name "^Quorix 1.03$" | head -n 1)
xdotool windowactivate --sync "$question" key Escape
wait_for_bar || fail "the bar did not appear"
for file in hotkeys.dat menusettings.ini settings.ini themes.ini; do
    [[ -f "$DATA/$file" ]] || fail "$file was not copied into the data folder"
done
[[ -d "$XDG_DATA_HOME/Brenmoor/Quorix/Projects" ]] || fail "Projects folder missing"
[[ ! -e "$XDG_CONFIG_HOME/autostart/quorix.desktop" ]] || fail "No still wrote the autostart entry"
grep -q '^firstuse=0' "$DATA/settings.ini" || fail "firstuse not written false"
grep -q '^version=01030000' "$DATA/settings.ini" || fail "version stamp missing"
grep -q '^versionstring=Quorix 1.03' "$DATA/settings.ini" || fail "version string missing"
pass "first start filled the data folder and asked once"

# --- trace lines, in order ------------------------------------------------------------------------
trace=$TRACE_FILE
expected="CheckDataFiles: begin|CheckDataFiles: end|MainMenu.FormCreate: begin|ReadSettings: begin|ReadSettings: end|GenerateMenu: begin|GenerateMenu: end|MainMenu.FormCreate: end"
actual=$(sed -E 's/.*:\t//' "$trace" | grep -E 'CheckDataFiles|FormCreate|ReadSettings|GenerateMenu' | paste -sd'|')
[[ "$actual" == "$expected" ]] || fail "trace lines: $actual"
pass "/debug traced start-up in order"
screenshot startup-bar

# --- a second copy is refused ---------------------------------------------------------------------
first=$QUORIX_PID
start_quorix
second=$QUORIX_PID
wait_for 'xdotool search --name "^Error$"' 15 || fail "no 'allready running' box"
screenshot startup-second-instance
box=$(xdotool search --name "^Error$" | head -n 1)
xdotool windowactivate --sync "$box" key Return
wait_for_exit "$second" 10 || fail "the second copy kept running"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
[[ -n "$(bar_window)" ]] || fail "the first copy's bar is gone"
pass "second copy refused, first untouched"

# --- Close > Quorix ------------------------------------------------------------------------------
bar=$(bar_window)
read -r bx by bw bh < <(window_geometry "$bar")
# "Main" is the second entry of the menu bar, right of the icon button.
click_to_open $((bx + 36)) $((by + bh / 2)) || fail "Main did not open"
screenshot startup-main-menu
xdotool key Up Up Up Right
wait_for_popups 2 || fail "the Close submenu did not open"
screenshot startup-close-menu
xdotool key Return
wait_for_exit "$first" 10 || fail "Close > Quorix did not end the bar"
grep -q "MainMenu-H=$bh" "$REGISTRY" || fail "bar height not stored: $(cat "$REGISTRY" 2>/dev/null)"
pass "Close > Quorix ended the bar and stored height $bh"

# --- the session ends the bar with SIGTERM ------------------------------------------------------
rm -f "$REGISTRY"
start_quorix
wait_for_bar || fail "the bar did not come back"
! xdotool search --onlyvisible --name "^Quorix 1.03$" >/dev/null 2>&1 || fail "first-use question asked again"
kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "SIGTERM did not end the bar"
grep -q "MainMenu-H=" "$REGISTRY" || fail "SIGTERM skipped the clean shutdown"
pass "SIGTERM closed the bar cleanly"
