#!/usr/bin/env bash
# The URLs and contacts menus as a user meets them: a $URLS$ submenu starts with "Add URL...";
# adding "News" in the new sub folder "Daily" (answering the folder question) writes Daily/News.url,
# and the next opening lists it and opens it in the web browser; the folder browser opened from
# the URL editor offers only "URLs"; a $CONTACTS$ submenu lists the cards of the book in order and
# opens a contact's details.
source "$(dirname "$0")/lib.sh" "$@"

use_accessibility
prepare_data_folder
FAVORITES=$XDG_DATA_HOME/Brenmoor/Quorix/Favorites
# A sub folder that is there before: the folder browser shows it below "URLs".
mkdir -p "$FAVORITES/Weekly"
BOOK=$TEST_HOME/book.vcf
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Adams\r\nEMAIL:ann@example.org\r\nEND:VCARD\r\n' > "$BOOK"
printf 'BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Everyone\r\nEND:VCARD\r\n' >> "$BOOK"
printf 'BEGIN:VCARD\r\nVERSION:2.1\r\nN:Brown;Bob\r\nTEL;CELL:+1 555 0102\r\nEND:VCARD\r\n' >> "$BOOK"
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Cara Cole\r\nEND:VCARD\r\n' >> "$BOOK"
set_setting general wabfilename "$BOOK"
{
    printf '[header]\nversion=01030000\n\n[menu]\n'
    printf 'item0000=active:"1"; itemtype:"0"; name:"&Links"; path:"$URLS$"; mask:"*.*"; maxitems:"-1"; expanded:"0";\n'
    printf 'item0001=active:"1"; itemtype:"0"; name:"&People"; path:"$CONTACTS$"; mask:"*.*"; maxitems:"-1"; expanded:"0";\n'
} > "$DATA/menusettings.ini"

# A web browser of the test's own: it writes down the address it was asked to open.
mkdir -p "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"
OPENED=$TEST_HOME/opened.txt
printf '#!/bin/sh\necho "$1" > "%s"\n' "$OPENED" > "$TEST_HOME/browser.sh"
chmod +x "$TEST_HOME/browser.sh"
printf '[Desktop Entry]\nType=Application\nName=E2E Browser\nExec=%s %%u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n' \
    "$TEST_HOME/browser.sh" > "$XDG_DATA_HOME/applications/e2e-browser.desktop"
printf '[Default Applications]\nx-scheme-handler/http=e2e-browser.desktop\nx-scheme-handler/https=e2e-browser.desktop\n' \
    > "$XDG_CONFIG_HOME/mimeapps.list"

start_quorix /debug
wait_for_bar || fail "the bar did not appear"
wait_for_accessible || fail "the bar has no accessibility tree"
bar=$(bar_window)
read -r bx by bw bh < <(window_geometry "$bar")
TRACE=$PROGRAM_DIR/debug.txt

# Opens "Main" with the mouse, then moves right to generated menu number $1 (1: Links, 2: People)
# and waits until its first entry, $2, is highlighted.
open_menu() {
    click_to_open $((bx + 36)) $((by + bh / 2)) || fail "Main did not open"
    local i left
    for i in $(seq 1 "$1"); do
        left=$(popup_left)
        xdotool key Right
        wait_for "[[ \$(popup_left) -gt $left ]]" 10 || fail "generated menu $i did not open"
    done
    wait_for_highlighted "$2" || fail "generated menu $1 does not highlight $2: $($MENUTREE items | tr '\t\n' '|;')"
}
# Steps down the open menu to ENTRY and chooses it with Enter.
choose() {
    key_to_entry Down "$1" || fail "no entry $1 in the open menu: $($MENUTREE items | tr '\t\n' '|;')"
    xdotool key Return
    xdotool keyup Return
}

window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

# --- the URLs menu starts with "Add URL...", which opens the URL editor ---------------------------
open_menu 1 "Add URL..."
screenshot urls-menu
choose "Add URL..."
wait_for '[[ -n "$(window_named "^Add URL$")" ]]' 10 || fail "the first entry of the URLs menu did not open Add URL"
editor=$(window_named "^Add URL$")
pass "a URLs submenu starts with Add URL..."

# --- the folder browser from the editor offers only URLs ------------------------------------------
activate_window "$editor" || fail "the URL editor did not get the focus"
xdotool type --delay 30 "News"
xdotool key Tab ctrl+a
xdotool type --delay 30 "news.example/today"
xdotool key Tab
xdotool type --delay 30 "Daily"
xdotool key Tab space
wait_for '[[ -n "$(window_named "^Path Browser$")" ]]' 10 || fail "... did not open the folder browser"
wait_for 'grep -q "TPathBrowserWnd: base list:" "$TRACE"' 10 || fail "the folder browser listed nothing"
activate_window "$(window_named "^Path Browser$")" || fail "the folder browser did not get the focus"
screenshot urls-path-browser
last_list=$(grep "TPathBrowserWnd: base list:" "$TRACE" | tail -n 1 | sed 's/.*base list: //')
[[ "$last_list" == 'URLs ($URLS$)' ]] || fail "the folder browser offered: $last_list"
xdotool key Escape
xdotool keyup Escape
wait_for '[[ -z "$(window_named "^Path Browser$")" ]]' 10 || fail "the folder browser did not close"
pass "the folder browser from the URL editor shows only URLs"

# --- OK asks about the new folder; Yes writes Daily/News.url --------------------------------------
activate_window "$editor" || fail "the URL editor did not get the focus back"
xdotool key alt+n Return
xdotool keyup Return
wait_for '[[ -n "$(window_named "^Quorix 1.03$")" ]]' 10 || fail "the folder question did not come"
screenshot urls-folder-question
xdotool key Return
xdotool keyup Return
wait_for '[[ -f "$FAVORITES/Daily/News.url" ]]' 10 || fail "Daily/News.url was not written"
grep -q '^URL=http://news.example/today' "$FAVORITES/Daily/News.url" || fail "News.url holds: $(cat "$FAVORITES/Daily/News.url")"
wait_for '[[ -z "$(window_named "^Add URL$")" ]]' 10 || fail "the editor stayed open"
pass "adding News in the new sub folder Daily wrote Daily/News.url"

# --- the next opening lists it: Add URL..., Manage URL's..., -, Daily > News.url, Weekly -----------
open_menu 1 "Add URL..."
key_to_entry Down Daily || fail "the URLs menu does not list Daily: $($MENUTREE items | tr '\t\n' '|;')"
left=$(popup_left)
xdotool key Right
wait_for "[[ \$(popup_left) -gt $left ]]" 10 || fail "Daily did not open"
wait_for_highlighted News.url || fail "Daily does not start with News.url: $($MENUTREE items | tr '\t\n' '|;')"
screenshot urls-daily
xdotool key Return
xdotool keyup Return
wait_for '[[ -s "$OPENED" ]]' 10 || fail "choosing News.url opened nothing"
grep -q 'http://news.example/today' "$OPENED" || fail "the browser was asked for: $(cat "$OPENED")"
pass "the next opening lists Daily/News.url and opens it"

# --- the contacts menu: the commands, then the cards in the book's order --------------------------
open_menu 2 "Add Contact..."
screenshot contacts-menu
# Entries: Add Contact... (highlighted), Find Contact..., Open Address Book... (when the machine
# has a contacts application), -, Ann Adams, Bob Brown, Cara Cole: the cards in order, no group.
people=$($MENUTREE items | awk -F'\t' '$1 == "People" && $3 == "entry" {print $2}' | paste -s -d'|')
[[ "$people" =~ ^Add\ Contact\.\.\.\|Find\ Contact\.\.\.\|(Open\ Address\ Book\.\.\.\|)?Ann\ Adams\|Bob\ Brown\|Cara\ Cole$ ]] ||
    fail "the contacts menu holds: $people"
choose "Bob Brown"
wait_for '[[ -n "$(window_named "^Bob Brown - Contact Details$")" ]]' 10 || fail "the second contact was not Bob Brown"
activate_window "$(window_named "^Bob Brown - Contact Details$")" || fail "the details did not get the focus"
screenshot contacts-details
xdotool key Escape
xdotool keyup Escape
wait_for '[[ -z "$(window_named "Contact Details$")" ]]' 10 || fail "the details did not close"
open_menu 2 "Add Contact..."
choose "Cara Cole"
wait_for '[[ -n "$(window_named "^Cara Cole - Contact Details$")" ]]' 10 || fail "the group was not left out before Cara Cole"
pass "the contacts menu lists the book in order, without the group, and opens the details"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not end"
