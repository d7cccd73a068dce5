#!/usr/bin/env bash
# Composing menus in the menu designer: "Settings" > "Menu..." opens it; an item whose path is a
# script (with an icon file of its own) is added to the main menu and saved; a custom menu is
# made with an entry of its own and added to the main menu as a "$CUSMENUS$" folder. After
# "Refresh Quorix" the bar shows both, choosing the item runs the script, and the folder opens
# the custom menu. Menus are read and pressed through the accessibility tree, the dialogs are
# driven with the keyboard.
source "$(dirname "$0")/lib.sh" "$@"

/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi (python3-pyatspi)"; exit 0; }
use_accessibility # a session bus of the test's own, for the accessibility tree

MARKER=$TEST_HOME/script.ran
HELLO=$TEST_HOME/hello.ran
printf '#!/bin/sh\ntouch "%s"\n' "$MARKER" > "$TEST_HOME/run.sh"
printf '#!/bin/sh\ntouch "%s"\n' "$HELLO" > "$TEST_HOME/hello.sh"
chmod +x "$TEST_HOME/run.sh" "$TEST_HOME/hello.sh"
# A picture of its own for the custom icon: a red square with a white bar.
convert -size 48x48 xc:'#d02020' -fill white -draw 'rectangle 10,20 38,28' "$TEST_HOME/red.png"

prepare_data_folder
printf '%s\n' '[header]' 'version=01030000' '' '[menu]' \
    'item0000=active:"1"; itemtype:"0"; name:"&Documents"; path:"$MYDOC$"; mask:"*.*"; maxitems:"-1"; expanded:"0"; note:"kept";' \
    > "$DATA/menusettings.ini"

window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
wait_for_window() { wait_for "[[ -n \"\$(window_named '$1')\" ]]" "${2:-10}"; }
wait_for_no_window() { wait_for "[[ -z \"\$(window_named '$1')\" ]]" "${2:-10}"; }
activate() { xdotool windowactivate --sync "$(window_named "$1")" 2>/dev/null; }
open_entries() { $MENUTREE items | tr '\t\n' '|;'; }
expect_entry() { # menu entry kind
    wait_for "$MENUTREE items | grep -xF '$1	$2	$3' >/dev/null" 10 || fail "no entry '$2' ($3) in '$1'; open: $(open_entries)"
}
# The rows the file holds for a section, one per line.
section_rows() {
    python3 - "$DATA/menusettings.ini" "$1" <<'PY'
import sys
path, wanted = sys.argv[1:]
section = None
for line in open(path, encoding="utf-8"):
    line = line.rstrip("\n")
    if line.startswith("["):
        section = line.strip("[]")
    elif section == wanted and "=" in line:
        print(line)
PY
}

# The item editor is open: name, path (the types the path allows follow), object type by its
# first letter, then OK.
fill_editor() { # name path type-letter
    wait_for_window 'Add Menu Item' || fail "Insert did not open the item editor"
    activate 'Add Menu Item'
    xdotool type --delay 5 "$1"
    xdotool key Tab
    xdotool type --delay 5 "$2"
    xdotool key Tab Tab
    xdotool type "$3"
}

start_quorix
wait_for_bar || fail "the bar did not appear"
wait_for "$MENUTREE items" 15 || fail "the bar has no accessibility tree"
wait_for "$MENUTREE open Main" 10 || fail "could not open Main"
wait_for "$MENUTREE open Settings" 10 || fail "could not open Settings; open: $(open_entries)"
wait_for "$MENUTREE press 'Menu...'" 10 || fail "no Menu... in Settings; open: $(open_entries)"
# Where "Menu..." opens the settings dialog at its Menu page, its button launches the designer.
designer_or_launch() {
    [[ -n "$(window_named MenuDesigner)" ]] && return 0
    $MENUTREE button 'Launch Menu Designer' >/dev/null 2>&1
    return 1
}
wait_for designer_or_launch 10 || fail "Menu... did not lead to the menu designer"
activate MenuDesigner
pass "Settings > Menu... leads to the menu designer"

# --- an item with a script as its path and an icon file of its own ------------------------------
xdotool key Insert
fill_editor "Run Script" "$TEST_HOME/run.sh" I
# From the type: Active, the icon choice (Down picks the custom icon), "Change...".
xdotool key Tab Tab Down Tab space
wait_for_window 'Change Icon' || fail "Change... did not open the icon chooser"
activate 'Change Icon'
# The theme's icons, filtered by the text typed.
xdotool type --delay 5 "folder"
screenshot menudesigner-icon-chooser
xdotool key alt+l
xdotool type --delay 5 "$TEST_HOME/red.png"
xdotool key Return
wait_for_no_window 'Change Icon' || fail "the icon chooser did not take the picture file"
activate 'Add Menu Item'
# The preview shows the picture: red in the editor's window.
editor=$(window_named 'Add Menu Item')
red_in_editor() {
    import -window root "$TEST_HOME/editor.png" 2>/dev/null
    read -r ex ey ew eh < <(window_geometry "$editor")
    convert "$TEST_HOME/editor.png" -crop "${ew}x${eh}+${ex}+${ey}" -fill black +opaque '#d02020' -fill white -opaque '#d02020' \
        -format '%[fx:mean*w*h]' info: | awk '{exit !($1 >= 200)}'
}
wait_for red_in_editor 10 || fail "the item editor shows no preview of the custom icon"
screenshot menudesigner-item-editor
xdotool key Return
wait_for_no_window 'Add Menu Item' || fail "OK did not close the item editor"
activate MenuDesigner
xdotool key alt+s
wait_for "section_rows menu | grep -F 'name:\"Run Script\"' | grep -F 'itemtype:\"1\"' | grep -F \"iconfile:\\\"$TEST_HOME/red.png\\\"\"" 10 ||
    fail "Save did not write the item: $(section_rows menu)"
section_rows menu | grep -xF 'item0000=active:"1"; itemtype:"0"; name:"&Documents"; path:"$MYDOC$"; mask:"*.*"; maxitems:"-1"; expanded:"0"; note:"kept";' >/dev/null ||
    fail "the first row did not keep what it held: $(section_rows menu)"
section_rows menu | grep -F "item0001=" | grep -F "path:\"$TEST_HOME/run.sh\"" >/dev/null || fail "the item is not the second row"
screenshot menudesigner-main-menu
pass "an item with a script and a custom icon is added and saved"

# --- reordering by dragging, renaming in place ------------------------------------------------------
# "Run Script" dropped onto "&Documents" lands directly before it.
read -r from_x from_y < <($MENUTREE middle 'Run Script') || fail "the designer's list shows no Run Script"
read -r to_x to_y < <($MENUTREE middle '&Documents') || fail "the designer's list shows no &Documents"
# The row is selected since it was added; the press on it starts the drag.
xdotool mousemove "$from_x" "$from_y" mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove "$from_x" $((from_y - step * (from_y - to_y) / 6)); done
xdotool mousemove "$to_x" "$to_y" mouseup 1
activate MenuDesigner
xdotool key alt+s
wait_for "section_rows menu | head -n 1 | grep -F 'item0000=' | grep -F 'name:\"Run Script\"'" 10 ||
    fail "dragging did not move Run Script to the top: $(section_rows menu)"
section_rows menu | sed -n 2p | grep -F 'name:"&Documents"' | grep -F 'note:"kept"' >/dev/null ||
    fail "the row dragged over lost its place or its properties: $(section_rows menu)"
# F2 edits the selected row's caption (the dragged row is selected).
xdotool key F2 ctrl+a
xdotool type --delay 5 "Run My Script"
xdotool key Return alt+s
wait_for "section_rows menu | head -n 1 | grep -F 'name:\"Run My Script\"'" 10 ||
    fail "the caption edited in place was not saved: $(section_rows menu)"
pass "a row dragged onto another lands before it; a caption edited in place is saved"

# --- a custom menu, shown as a folder of the main menu ----------------------------------------------
xdotool key alt+n
wait_for_window 'Menu name' || fail "New... asked for no name"
activate 'Menu name'
xdotool type --delay 5 "Tools"
xdotool key Return
wait_for_no_window 'Menu name' || fail "the name box did not close"
activate MenuDesigner
xdotool key Insert
fill_editor "Say Hello" "$TEST_HOME/hello.sh" I
xdotool key Return
wait_for_no_window 'Add Menu Item' || fail "OK did not close the item editor of the custom menu"
activate MenuDesigner
xdotool key alt+s
wait_for "section_rows Tools | grep -F 'name:\"Say Hello\"' >/dev/null" 10 || fail "the custom menu was not saved"
pass "a custom menu is made and saved"

# Back to the main menu (the first of the list) and a folder that shows the custom menu.
xdotool key alt+m Home
wait_for "xdotool getwindowname \"\$(window_named MenuDesigner)\" >/dev/null" 5
xdotool key Insert
fill_editor "Toolbox" '$CUSMENUS$/Tools' F
xdotool key Return
wait_for_no_window 'Add Menu Item' || fail "OK did not close the editor of the folder"
activate MenuDesigner
xdotool key alt+s
wait_for "section_rows menu | grep -F 'item0002=' | grep -F 'path:\"\$CUSMENUS\$/Tools\"' | grep -F 'itemtype:\"0\"'" 10 ||
    fail "the folder was not saved into the main menu: $(section_rows menu)"
section_rows Tools | grep -F 'name:"Say Hello"' >/dev/null || fail "saving the main menu changed the custom menu"
screenshot menudesigner-with-folder
xdotool key Escape
wait_for_no_window MenuDesigner || fail "the designer did not close"
pass "the custom menu is added to the main menu as a \$CUSMENUS\$ folder"

# --- Refresh Quorix: the bar shows both ----------------------------------------------------------------
wait_for "$MENUTREE open Main" 10 || fail "could not open Main again"
wait_for "$MENUTREE press 'Refresh Quorix'" 10 || fail "no Refresh Quorix; open: $(open_entries)"
wait_for "$MENUTREE items | grep -F 'Run My Script' >/dev/null" 15 || fail "the bar does not show the new item; open: $(open_entries)"
$MENUTREE press 'Run My Script' || fail "could not choose Run My Script"
wait_for '[[ -e "$MARKER" ]]' 10 || fail "choosing the new item did not run the script"
pass "after Refresh Quorix the bar shows the item, and choosing it runs the script"

wait_for "$MENUTREE open Toolbox" 10 || fail "the bar has no Toolbox folder; open: $(open_entries)"
expect_entry Toolbox "Say Hello" entry
screenshot menudesigner-bar-custom-menu
$MENUTREE press 'Say Hello' || fail "could not choose Say Hello"
wait_for '[[ -e "$HELLO" ]]' 10 || fail "the custom menu's entry did not run its script"
pass "the bar shows the custom menu through its folder"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not end"
