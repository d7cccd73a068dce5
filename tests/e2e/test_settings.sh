#!/usr/bin/env bash
# The settings dialog on a real display: "Settings" > "InfoBar..." opens it at the InfoBar page;
# enabling the info bar, adding a processor meter and pressing OK gives the bar its second row
# with that meter; "Quorix on Startup" ticked and saved writes the autostart entry; another theme
# and Apply repaint the bar. Every page is photographed on the way.
source "$(dirname "$0")/lib.sh" "$@"

/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi (python3-pyatspi)"; exit 0; }
use_accessibility # a session bus of the test's own, for the accessibility tree

prepare_data_folder
read -r sw sh < <(screen_size)
row=22
set_setting menu-settings height $row
set_setting infobar enabled 0
set_setting infobar progressbar-autosize 0
set_setting infobar width 150
set_setting infobar margin 10
# Colours that are easy to tell apart: a green row, blue meter borders.
set_setting theme infobar_color 65280
set_setting theme infobar_progress_border_color 16711680
rm -f "$XDG_CONFIG_HOME/autostart/quorix.desktop"

settings_window() { xdotool search --onlyvisible --name '^Settings$' 2>/dev/null | head -n 1; }
editor_window() { xdotool search --onlyvisible --name '^Add to InfoBar$' 2>/dev/null | head -n 1; }

# open_settings ENTRY: "Main" > "Settings" > ENTRY, then waits for the dialog.
open_settings() {
    wait_for "$MENUTREE open Main" 10 || fail "could not open Main"
    wait_for "$MENUTREE open Settings" 10 || fail "could not open Settings"
    wait_for "$MENUTREE press '$1'" 10 || fail "could not choose $1"
    wait_for '[[ -n "$(settings_window)" ]]' 10 || fail "$1 did not open the settings dialog"
    # Chosen through the accessibility tree, the menus stay open: Escape closes them (they hold
    # the keyboard) until only the dialog is left.
    local tries
    for tries in 1 2 3 4; do
        (( $(popup_count) > 1 )) || break
        xdotool key Escape
        wait_for "(( \$(popup_count) < $(popup_count) ))" 5
    done
    wait_for_popups 1 || fail "the menus did not close after $1"
}

start_quorix /debug
wait_for_bar || fail "the bar did not appear"
wait_for "$MENUTREE items" 15 || fail "the bar has no accessibility tree"
bar=$(bar_window)
wait_for "[[ \"\$(window_geometry $bar)\" == \"0 0 $sw $row\" ]]" 10 \
    || fail "bar geometry $(window_geometry "$bar"), expected one row of $row"

# --- every page, each opened by its own entry -------------------------------------------------------
open_settings "InfoBar..."
# The InfoBar page shows "Enable InfoBar", which no other page has.
wait_for "$MENUTREE click 'Enable InfoBar' && $MENUTREE click 'Enable InfoBar'" 10 \
    || fail "InfoBar... did not show the InfoBar page"
pass "InfoBar... opens the dialog at the InfoBar page"
for entry in "General..." "Alias..." "HotKeys..." "Marquee..." "Menu..." "Theme..." "Alpha Blend..." \
             "Extended Settings..." "InfoBar..."; do
    open_settings "$entry"
    page=$(echo "${entry%...}" | tr 'A-Z ' 'a-z-')
    # One dialog at a time: the entry brings the open one to the front at its page.
    [[ $(xdotool search --onlyvisible --name '^Settings$' | wc -l) -eq 1 ]] || fail "$entry opened a second dialog"
    sleep 0.2
    screenshot "settings-$page"
done
pass "every Settings entry opens the one dialog"

# --- the info bar with a processor meter --------------------------------------------------------------
$MENUTREE click "Enable InfoBar" || fail "could not tick Enable InfoBar"
wait_for "$MENUTREE checked 'Enable InfoBar'" 10 || fail "Enable InfoBar is not ticked"
xdotool windowactivate --sync "$(settings_window)" 2>/dev/null
# From the page tree: Tab to "Enable InfoBar", Tab to the object list, Insert adds an object.
xdotool key Tab Tab Insert
wait_for '[[ -n "$(editor_window)" ]]' 10 || fail "Insert did not open Add to InfoBar"
xdotool windowactivate --sync "$(editor_window)" 2>/dev/null
# The first object is "CPU Usage"; choosing it fills in its prefix, and OK is enabled.
xdotool key Down
sleep 0.3
screenshot settings-add-cpu
xdotool key Return
wait_for '[[ -z "$(editor_window)" ]]' 10 || fail "OK did not close Add to InfoBar"
# A memory meter after it, then dragged onto the processor line: it lands before it.
xdotool windowactivate --sync "$(settings_window)" 2>/dev/null
xdotool key Insert
wait_for '[[ -n "$(editor_window)" ]]' 10 || fail "Insert did not open Add to InfoBar again"
xdotool windowactivate --sync "$(editor_window)" 2>/dev/null
# "R" picks "RAM Usage", which fills in its own prefix.
xdotool key r
sleep 0.3
xdotool key Return
wait_for '[[ -z "$(editor_window)" ]]' 10 || fail "OK did not close Add to InfoBar"
wait_for "$MENUTREE where 'RAM Usage'" 10 || fail "the memory line is not in the list"
read -r rx ry rw rh < <($MENUTREE where "RAM Usage")
read -r cx cy cw ch < <($MENUTREE where "CPU Usage")
xdotool mousemove $((rx + rw / 2)) $((ry + rh / 2)) mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove $((rx + rw / 2)) $((ry + rh / 2 - step * (ry - cy) / 6))
    sleep 0.05
done
xdotool mouseup 1
lines_in_order() {
    local ram cpu
    read -r _ ram _ _ < <($MENUTREE where "RAM Usage")
    read -r _ cpu _ _ < <($MENUTREE where "CPU Usage")
    (( ram < cpu ))
}
wait_for lines_in_order 10 || fail "the dragged memory line did not land before the processor line"
screenshot settings-infobar-with-cpu
pass "a dragged object line lands before the line it is dropped on"
ends_before=$(trace_count "GenerateInfoBar: end")
$MENUTREE click OK || fail "could not press OK"
wait_for '[[ -z "$(settings_window)" ]]' 10 || fail "OK did not close the dialog"
wait_for_trace "GenerateInfoBar: end" $((ends_before + 1)) || fail "OK did not refresh the bar"
grep -q '^progress0000=object:"1"; prefix:"RAM:"; interval:"15"; active:"1";' "$DATA/settings.ini" \
    && grep -q '^progress0001=object:"0"; prefix:"CPU:"; interval:"15"; active:"1";' "$DATA/settings.ini" \
    || fail "the meters were not saved in list order: $(grep -A3 'infobar-objects' "$DATA/settings.ini")"
wait_for "[[ \"\$(window_geometry $bar)\" == \"0 0 $sw $((2 * row))\" ]]" 10 \
    || fail "bar geometry $(window_geometry "$bar"), expected two rows of $row"

# The colour of one pixel of a screenshot as "r,g,b".
pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- \
        | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
# The meters' blue borders at x = 10 + 75 and 10 + 160 + 75 just below the row's top, the green
# row where a third meter would be.
meter_colours() { echo "$(pixel "$1" 85 $((row + 2))) $(pixel "$1" 245 $((row + 2))) $(pixel "$1" 405 $((row + 2)))"; }
two_meters() { [[ "$(meter_colours "$1")" == "0,0,255 0,0,255 0,255,0" ]]; }
wait_for_picture settings-bar-with-cpu two_meters 10 \
    || fail "meter colours $(meter_colours "$SCREEN_DIR/settings-bar-with-cpu.png"), expected two blue meter borders"
pass "enabling the info bar with CPU and RAM objects gives the bar its second row with the meters"

# --- start-up entry ----------------------------------------------------------------------------------
open_settings "General..."
$MENUTREE checked "Quorix on Startup" && fail "Quorix on Startup is ticked without an entry"
$MENUTREE click "Quorix on Startup" || fail "could not tick Quorix on Startup"
wait_for "$MENUTREE checked 'Quorix on Startup'" 10 || fail "Quorix on Startup is not ticked"
# The tick alone writes nothing; Apply does.
[[ ! -e "$XDG_CONFIG_HOME/autostart/quorix.desktop" ]] || fail "the tick alone wrote the entry"
$MENUTREE click Apply || fail "could not press Apply"
wait_for '[[ -s "$XDG_CONFIG_HOME/autostart/quorix.desktop" ]]' 10 || fail "Apply wrote no autostart entry"
grep -q "^Exec=.*quorix" "$XDG_CONFIG_HOME/autostart/quorix.desktop" || fail "the entry does not start Quorix"
pass "Quorix on Startup ticked and saved writes the autostart entry"
$MENUTREE click "Quorix on Startup" || fail "could not untick Quorix on Startup"
$MENUTREE click OK || fail "could not press OK"
wait_for '[[ ! -e "$XDG_CONFIG_HOME/autostart/quorix.desktop" ]]' 10 || fail "unticked and saved, the entry stays"
pass "Quorix on Startup unticked and saved removes the entry"

# --- another theme, and Apply repaints the bar ---------------------------------------------------------
# The menu row's own colour, right of its last menu.
bar_colour() { pixel "$1" 700 3; }
screenshot settings-bar-before-theme
before=$(bar_colour "$SCREEN_DIR/settings-bar-before-theme.png")
open_settings "Theme..."
xdotool windowactivate --sync "$(settings_window)" 2>/dev/null
# From the page tree into the list of named themes; "G" chooses "Graphite".
xdotool key Tab
xdotool key g
sleep 0.3
screenshot settings-theme-graphite
$MENUTREE click Apply || fail "could not press Apply"
wait_for "grep -q '^menu_color=3355443' '$DATA/settings.ini'" 10 \
    || fail "Apply did not make Graphite the current theme: $(grep -A2 '^\[theme\]' "$DATA/settings.ini" | paste -sd' ')"
# Graphite's menu colour is 3355443, grey 51.
graphite() { [[ "$(bar_colour "$1")" == "51,51,51" ]]; }
wait_for_picture settings-bar-graphite graphite 10 \
    || fail "the bar's colour is $(bar_colour "$SCREEN_DIR/settings-bar-graphite.png") (was $before), expected Graphite's 51,51,51"
[[ "$before" != "51,51,51" ]] || fail "the bar was grey before the theme was chosen"
pass "choosing another theme and Apply repaints the bar"
$MENUTREE button Cancel || fail "could not press Cancel"
wait_for '[[ -z "$(settings_window)" ]]' 10 || fail "Cancel did not close the dialog"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not end"
