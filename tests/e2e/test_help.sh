#!/usr/bin/env bash
# The user guide as a user meets it: "Help..." in "Main" opens the viewer at the about page; a
# search lists pages and Enter on a result shows it; a link between pages is followed inside the
# viewer and Alt+Left (Back) returns; F1 in the About box opens its topic; the viewer keeps its
# place in the registry store when it closes, and goes with the bar when the bar closes.
source "$(dirname "$0")/lib.sh" "$@"

use_accessibility
prepare_data_folder
start_quorix /debug
wait_for_bar || fail "the bar did not appear"
wait_for_accessible || fail "the bar has no accessibility tree"
bar=$(bar_window)
read -r bx by bw bh < <(window_geometry "$bar")
trace=$TRACE_FILE

viewer_window() { xdotool search --name '^Quorix - User Guide$' 2>/dev/null | head -n 1; }
# The name of the page the viewer showed last.
shown_page() { grep -a 'Manual.ShowPage: ' "$trace" | tail -n 1 | sed 's/.*Manual.ShowPage: //'; }
shown_count() { grep -ac 'Manual.ShowPage: ' "$trace"; }

# Brings a window forward and waits until it has the keyboard.
activate() {
    xdotool windowactivate "$1" 2>/dev/null
    wait_for "[[ \$(xdotool getactivewindow) == $1 ]]" 10 || fail "window $1 did not become active"
}

# Opens "Main" with the mouse and chooses ENTRY, stepping up from the top (Up wraps to the end).
choose_in_main() {
    click_to_open $((bx + 36)) $((by + bh / 2)) || fail "Main did not open"
    key_to_entry Up "$1" || fail "Main has no $1: $($MENUTREE items | tr '\t\n' '|;')"
    xdotool key Return
}

# --- Help... opens the viewer at the about page ---------------------------------------------------
choose_in_main "Help..."
wait_for '[[ -n "$(viewer_window)" ]]' 15 || fail "Help... opened no viewer"
viewer=$(viewer_window)
wait_for '[[ "$(shown_page)" == general-about ]]' 10 || fail "the viewer did not show general-about: $(shown_page)"
activate "$viewer"
screenshot help-about-page
pass "Help... opened the viewer at the about page"

# --- a search finds pages and Enter shows one -----------------------------------------------------
activate "$viewer"
xdotool key alt+s          # the Search tab
xdotool key alt+e          # its field
xdotool type --delay 20 'run box'
xdotool key Return
wait_for 'grep -aq "Manual.Search: [1-9][0-9]* found" "$trace"' 10 || fail "searching for 'run box' found nothing"
before=$(shown_count)
xdotool key Tab Tab Down Return
wait_for "(( \$(shown_count) > $before ))" 10 || fail "Enter on the first result showed no page"
result=$(shown_page)
[[ "$result" != general-about ]] || fail "the result showed the about page"
activate "$viewer"
screenshot help-search-result
pass "a search found pages and showed $result"

# --- following a link and going back --------------------------------------------------------------
before=$(shown_count)
# A click on the page's heading gives it the focus, Tab selects its first link, Enter follows it.
read -r vx vy vw vh < <(window_geometry "$viewer")
xdotool mousemove $((vx + 420)) $((vy + 62)) click 1
xdotool key Tab Return
wait_for "(( \$(shown_count) > $before ))" 10 || fail "following the page's first link showed nothing"
linked=$(shown_page)
[[ "$linked" != "$result" ]] || fail "the link showed the same page"
xdotool key alt+Left
wait_for '[[ "$(shown_page)" == "$result" ]]' 10 || fail "Back did not return to $result (now $(shown_page))"
pass "the link showed $linked and Back returned to $result"

# --- F1 in a dialog opens its topic ---------------------------------------------------------------
choose_in_main "About..."
wait_for 'xdotool search --name "^About Quorix$"' 10 || fail "About... opened no box"
about=$(xdotool search --name '^About Quorix$' | head -n 1)
activate "$about"
xdotool key F1
wait_for '[[ "$(shown_page)" == general-about ]]' 10 || fail "F1 in the About box did not open general-about"
pass "F1 in the About box opened general-about"
activate "$about"
xdotool key Escape
xdotool keyup Escape
wait_for '! xdotool search --name "^About Quorix$"' 10 || fail "Escape did not close the About box"

# --- the viewer keeps its place ---------------------------------------------------------------------
activate "$viewer"
xdotool key Escape
xdotool keyup Escape
wait_for '[[ -z "$(viewer_window)" ]]' 10 || fail "Escape did not close the viewer"
grep -qi '^wndparams=[0-9A-F]\{34\}$' "$REGISTRY" || fail "no 17-byte wndparams in $REGISTRY"
pass "closing the viewer stored its place"

# --- the viewer goes with the bar ---------------------------------------------------------------------
choose_in_main "Help..."
wait_for '[[ -n "$(viewer_window)" ]]' 15 || fail "Help... opened no viewer the second time"
kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "Quorix did not end while the viewer was open"
pass "closing the bar with the viewer open ended Quorix"
