#!/usr/bin/env bash
# Moving menus and a theme to another machine: "Settings" > "General..." opens the settings
# dialog, whose "Import / Export" (after its question) opens the wizard;
# two menus and one theme are exported from a filled data folder into exchange files, imported
# into a fresh data folder (the bar's own [menu] overwriting the fresh one), and after "Refresh
# Quorix" the bar shows the imported custom menu, whose entry starts its program.
source "$(dirname "$0")/lib.sh" "$@"

EXCHANGE=$TEST_HOME/exchange
mkdir -p "$EXCHANGE"
MARKER=$TEST_HOME/games.marker
printf '#!/bin/sh\ntouch "%s"\n' "$MARKER" > "$TEST_HOME/play.sh"
chmod +x "$TEST_HOME/play.sh"

use_accessibility
open_entries() { $MENUTREE items | tr '\t\n' '|;'; }

# The filled data folder: one bar menu, "Games", that is a custom menu, and a theme of its own.
prepare_data_folder
cat > "$DATA/menusettings.ini" <<EOF2
[header]
version=01030000

[menu]
item0000=active:"1"; itemtype:"0"; name:"&Games"; path:"\$CUSMENUS\$/Games"; mask:"*.*"; maxitems:"-1"; expanded:"0";

[Games]
item0000=active:"1"; itemtype:"1"; name:"&Play"; path:"$TEST_HOME/play.sh";
EOF2
{ sed -n '/^\[Ocean\]/,/^$/p' "$DATA/themes.ini"; sed -n '/^\[Ocean\]/,/^$/p' "$DATA/themes.ini" | sed 's/^\[Ocean\]/[Sunset]/'; } > "$TEST_HOME/themes.new"
mv "$TEST_HOME/themes.new" "$DATA/themes.ini"

settings_window() { xdotool search --onlyvisible --name '^Settings$' 2>/dev/null | head -n 1; }
wizard_window() { xdotool search --onlyvisible --name '^Import / Export$' 2>/dev/null | head -n 1; }
message_box() { xdotool search --onlyvisible --name '^Quorix 1.03$' 2>/dev/null | head -n 1; }

# Opens "Main" with the mouse and walks up from its bottom entry to ENTRY ("Refresh Quorix",
# "Settings"), watching the highlight.
open_main_entry() {
    local bar bx by bw bh
    bar=$(bar_window)
    read -r bx by bw bh < <(window_geometry "$bar")
    click_to_open $((bx + 36)) $((by + bh / 2)) || fail "Main did not open"
    key_to_entry Up "$1" || fail "Main has no $1: $(open_entries)"
}

open_wizard() {
    open_main_entry Settings
    local main_left; main_left=$(popup_left)
    xdotool key Right
    wait_for "[[ \$(popup_left) -gt $main_left ]]" 10 || fail "the Settings submenu did not open"
    wait_for_highlighted "General..." || fail "the Settings submenu does not start with General...: $(open_entries)"
    xdotool key Return
    wait_for '[[ -n "$(settings_window)" ]]' 10 || fail "General... did not open the settings dialog"
    activate_window "$(settings_window)" || fail "the settings dialog did not get the focus"
    # From the page tree: "Always on Top", the position, "Quorix on Startup", "Import / Export".
    xdotool key Tab Tab Tab Tab space
    wait_for '[[ -n "$(message_box)" ]]' 10 || fail "Import / Export asked nothing"
    activate_window "$(message_box)" || fail "the question did not get the focus"
    xdotool key Return
    wait_for '[[ -n "$(wizard_window)" ]]' 10 || fail "Import / Export did not open the wizard"
    activate_window "$(wizard_window)" || fail "the wizard did not get the focus"
}

# Page 0: the action (Right picks Import), the menu file and the theme file, then Next.
fill_page0() {
    local import=$1
    [[ "$import" == import ]] && xdotool key Right
    xdotool key Tab
    xdotool type --delay 5 "$EXCHANGE/menus.ini"
    xdotool key Tab Tab Tab Tab
    xdotool type --delay 5 "$EXCHANGE/themes.ini"
    xdotool key Return
}

# Page 1 starts on "Menus": Space checks both menus; then down to the theme, Sunset.
check_menus_and_theme() {
    local theme_steps=$1 row
    wait_for "$MENUTREE shown Menus" 10 || fail "Next did not show the page of menus and themes"
    xdotool key space
    for i in $(seq 1 "$theme_steps"); do xdotool key Down; done
    xdotool key space
    for row in Games menu Sunset; do
        wait_for "$MENUTREE checked $row" 10 || fail "$row was not checked"
    done
}

# --- export from the filled data folder --------------------------------------------------------
start_quorix
wait_for_bar || fail "the bar did not appear"
wait_for_accessible || fail "the bar has no accessibility tree"
open_wizard
screenshot importexport-page0
fill_page0 export
# Menus (Games, menu), Themes (Ocean, Sunset): Sunset is five rows below Menus.
check_menus_and_theme 5
screenshot importexport-export-selection
xdotool key Return
wait_for '[[ -s "$EXCHANGE/themes.ini" ]]' 10 || fail "Finish wrote no theme file"
screenshot importexport-export-done
xdotool key Return
wait_for '[[ -z "$(wizard_window)" ]]' 10 || fail "Close did not close the wizard"
wait_for '[[ -z "$(settings_window)" ]]' 10 || fail "the settings dialog stayed open after the wizard"
grep -q '^\[Games\]' "$EXCHANGE/menus.ini" || fail "the Games menu was not exported"
grep -q '^\[menu\]' "$EXCHANGE/menus.ini" || fail "the bar's menu was not exported"
grep -q '^version=01030000' "$EXCHANGE/menus.ini" || fail "the menu file has no version stamp"
grep -q '^\[Sunset\]' "$EXCHANGE/themes.ini" || fail "the Sunset theme was not exported"
! grep -q '^\[Ocean\]' "$EXCHANGE/themes.ini" || fail "an unchecked theme was exported"
pass "two menus and one theme exported"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not end"

# --- import into a fresh data folder --------------------------------------------------------------
rm -rf "$XDG_DATA_HOME/Brenmoor"
prepare_data_folder
start_quorix
wait_for_bar || fail "the bar did not appear with the fresh data folder"
wait_for_accessible || fail "the bar has no accessibility tree"
open_wizard
fill_page0 import
# Menus (Games, menu), Themes (Sunset): Sunset is four rows below Menus.
check_menus_and_theme 4
screenshot importexport-import-selection
xdotool key Return
# The fresh folder has a [menu] of its own: Overwrite is the fifth button, after Cancel.
wait_for '[[ -n "$(message_box)" ]]' 10 || fail "no question about the existing menu"
screenshot importexport-conflict
activate_window "$(message_box)" || fail "the question did not get the focus"
xdotool key Tab Tab Tab Tab space
wait_for '[[ -z "$(message_box)" ]]' 10 || fail "the question did not close"
wait_for 'grep -q "^\[Sunset\]" "$DATA/themes.ini"' 10 || fail "the theme was not imported"
grep -q '^\[Games\]' "$DATA/menusettings.ini" || fail "the Games menu was not imported"
grep -q 'name:"&Games"' "$DATA/menusettings.ini" || fail "the bar's menu was not overwritten"
screenshot importexport-import-done
xdotool key Return
wait_for '[[ -z "$(wizard_window)" ]]' 10 || fail "Close did not close the wizard"
wait_for '[[ -z "$(settings_window)" ]]' 10 || fail "the settings dialog stayed open after the wizard"
pass "imported into a fresh data folder"

# --- Refresh Quorix: the bar shows Games, and its entry starts the program ----------------------
# The refresh runs before the bar handles the next click.
open_main_entry "Refresh Quorix"
xdotool key Return
wait_for_popups 0 || fail "Refresh Quorix did not close the menu"
bar=$(bar_window)
read -r bx by bw bh < <(window_geometry "$bar")
click_to_open $((bx + 36)) $((by + bh / 2)) || fail "Main did not open after the refresh"
main_left=$(popup_left)
xdotool key Right
wait_for "[[ \$(popup_left) -gt $main_left ]]" 10 || fail "the imported Games menu did not open"
wait_for_highlighted Play || fail "the imported Games menu does not start with Play: $(open_entries)"
screenshot importexport-games-menu
xdotool key Return
wait_for '[[ -e "$MARKER" ]]' 10 || fail "the imported menu's entry did not start its program"
pass "after Refresh Quorix the bar shows the imported custom menu"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not end"
