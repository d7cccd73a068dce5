#!/usr/bin/env bash
# A note jotted from the bar: "Add Note..." in the notes menu opens a note window; a title, a
# category and a text with OK store it; the next opening of the menu lists the category and the
# note, and choosing it opens the window with the text; printing it (to a PDF file, through
# QUORIX_PRINT_TO_PDF) gives the title on every page and "Page 1", "Page 2" at the feet.
source "$(dirname "$0")/lib.sh" "$@"

command -v pdftotext >/dev/null || fail "pdftotext (poppler-utils) is not installed"
use_accessibility
prepare_data_folder
cat > "$DATA/menusettings.ini" <<'EOF'
[header]
version=01030000

[menu]
item0000=active:"1"; itemtype:"0"; name:"&Notes"; path:"$NOTES$"; mask:"*.*"; maxitems:"-1"; expanded:"0";
EOF
PDF=$TEST_HOME/printed-note.pdf
export QUORIX_PRINT_TO_PDF=$PDF

start_quorix
wait_for_bar || fail "the bar did not appear"
wait_for_accessible || fail "the bar has no accessibility tree"
[[ -f "$DATA/note.dat" ]] || fail "the note store was not made at start-up"
bar=$(bar_window)
read -r bx by bw bh < <(window_geometry "$bar")

note_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

open_entries() { $MENUTREE items | tr '\t\n' '|;'; }
# Opens "Main" with the mouse, then the Notes menu right of it, and waits until its first entry,
# "Add Note...", is highlighted.
open_notes_menu() {
    click_to_open $((bx + 36)) $((by + bh / 2)) || fail "Main did not open"
    local main_left; main_left=$(popup_left)
    xdotool key Right
    wait_for "[[ \$(popup_left) -gt $main_left ]]" 10 || fail "the Notes menu did not open"
    wait_for_highlighted "Add Note..." || fail "the Notes menu does not highlight Add Note...: $(open_entries)"
}

# --- Add Note... opens an empty note window ------------------------------------------------------
open_notes_menu
screenshot notes-empty-menu
# Entries: Add Note... (highlighted), a separator, nothing else yet.
xdotool key Return
wait_for '[[ -n "$(note_window "^Note")" ]]' 10 || fail "Add Note... opened no note window"
window=$(note_window "^Note")
activate_window "$window" || fail "the note window did not get the focus"
kill -0 "$QUORIX_PID" || fail "the bar ended"
# A window of its own: a normal top-level window in the task bar, belonging to no other window.
xprop -id "$window" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_NORMAL || fail "the note window is no normal window"
xprop -id "$window" _NET_WM_STATE | grep -q SKIP_TASKBAR && fail "the note window is left out of the task bar"
xprop -id "$window" WM_TRANSIENT_FOR | grep -q "window id" && fail "the note window belongs to another window"
pass "Add Note... opened a note window"

# --- typing a title, a category and a text; OK stores it ------------------------------------------
xdotool type --delay 8 "Shopping"
xdotool key Tab
xdotool type --delay 8 "Home"
xdotool key Tab
# Seventy-five lines: more than one page holds.
for i in $(seq 1 75); do
    xdotool type --delay 2 "Item $i of the list"
    (( i < 75 )) && xdotool key Return
done
# The window takes the keys in the order they were typed: OK comes after the last line.
screenshot notes-new-note
xdotool key alt+o
wait_for '[[ -z "$(note_window "^Note")" ]]' 10 || fail "OK did not close the note window"
grep -aq "Shopping" "$DATA/note.dat" || fail "the note was not stored"
grep -aq "Item 75 of the list" "$DATA/note.dat" || fail "the note's text was not stored whole"
pass "OK stored the note"

# --- the menu lists the category and the note; choosing it opens the window with the text ---------
open_notes_menu
screenshot notes-menu-with-category
# Entries: Add Note..., separator, Home >.
popups=$(visible_quorix_windows)
key_to_entry Down Home || fail "the menu did not list the category Home: $(open_entries)"
xdotool key Right
wait_for "(( \$(visible_quorix_windows) > $popups ))" 10 || fail "the category Home did not open"
wait_for_highlighted Shopping || fail "the category Home does not list Shopping: $(open_entries)"
screenshot notes-category-submenu
xdotool key Return
wait_for '[[ -n "$(note_window "Shopping")" ]]' 10 || fail "choosing the note did not open its window"
window=$(note_window "Shopping")
activate_window "$window" || fail "the note window did not get the focus"
screenshot notes-opened-note
pass "the menu listed the category and the note, and the note opened"

# --- printing to a PDF file: the title on every page, "Page N" at the feet -------------------------
xdotool key ctrl+p
wait_for "pdftotext '$PDF' - 2>/dev/null | grep -q 'Page 2'" 15 || fail "printing wrote no two-page PDF"
pages=$(pdfinfo "$PDF" 2>/dev/null | awk '/^Pages:/ {print $2}')
[[ -z "$pages" ]] && pages=$(pdftotext "$PDF" - | grep -c '^Page [0-9]*$')
(( pages >= 2 )) || fail "expected at least two pages, got $pages"
for page in $(seq 1 "$pages"); do
    content=$(pdftotext -layout -f "$page" -l "$page" "$PDF" -)
    grep -q "Shopping" <<<"$content" || fail "page $page has no title"
    [[ $(grep -v '^\s*$' <<<"$content" | tail -n 1 | xargs) == "Page $page" ]] ||
        fail "page $page does not end with 'Page $page'"
done
pdftotext "$PDF" - | grep -q "Item 1 of the list" || fail "the first line was not printed"
pdftotext "$PDF" - | grep -q "Item 75 of the list" || fail "the last line was not printed"
pass "printed $pages pages with the title on each and the page number at the foot"

# --- an unchanged note closes without a question --------------------------------------------------
xdotool key Escape
wait_for '[[ -z "$(note_window "Shopping")" ]]' 10 || fail "Escape did not close the unchanged note"
kill -0 "$QUORIX_PID" 2>/dev/null || fail "the bar ended with the note window"
pass "the unchanged note closed without asking"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not end"
