#!/usr/bin/env bash
# In a bare X session (no D-Bus session bus) the bar starts no bus daemon of its own: it starts,
# shows its info bar and clock, opens and closes a menu, and neither dbus-launch nor a dbus-daemon
# is ever started for it.
source "$(dirname "$0")/lib.sh" "$@"
prepare_data_folder
set_setting infobar enabled 1
set_setting infobar-objects progress0000 'object:"0"; prefix:"CPU:"; interval:"1"; active:"1";'
set_setting marquee line0 'Clock [Time()]'
set_setting marquee-settings showmarquee 1
set_setting marquee-settings marqueetimer 0
set_setting marquee-settings marqueeframelength 1

# Stand-ins for the autolaunch helpers, found on PATH first: each writes down that it was asked.
STUBS=$TEST_HOME/stubs
LAUNCHES=$TEST_HOME/autolaunches.txt
mkdir -p "$STUBS"
for helper in dbus-launch dbus-daemon; do
    printf '#!/bin/sh\necho "%s $*" >> "%s"\nexit 1\n' "$helper" "$LAUNCHES" > "$STUBS/$helper"
    chmod +x "$STUBS/$helper"
done
unset DBUS_SESSION_BUS_ADDRESS
rm -f "$XDG_RUNTIME_DIR/bus"
PATH=$STUBS:$PATH start_quorix /debug
wait_for_bar || fail "the bar did not appear"
wait_for_trace "GenerateInfoBar: end" || fail "the info bar was not built"

# Bus daemons started for this test's bar, wherever they ended up in the process tree.
bus_daemons() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}; pid=${pid%/environ}
        case "$(cat "/proc/$pid/comm" 2>/dev/null)" in dbus-launch|dbus-daemon) ;; *) continue ;; esac
        grep -qz "^HOME=$TEST_HOME\$" "$environ" 2>/dev/null && echo "$pid"
    done
}

# The Main menu (on the first row) opens and closes (the platform theme's menus and the accessibility bridge look for
# a bus when they first appear).
bar=$(bar_window)
read -r bx by _ _ < <(window_geometry "$bar")
click_to_open $((bx + 36)) $((by + 10)) || fail "Main did not open"
screenshot nobus-main-menu
xdotool key Escape
wait_for_popups 0 || fail "Main did not close"
kill -0 "$QUORIX_PID" || fail "the bar ended"
[[ ! -s "$LAUNCHES" ]] || fail "autolaunch was asked for: $(cat "$LAUNCHES")"
daemons=$(bus_daemons)
[[ -z "$daemons" ]] || fail "bus daemons started for the bar: $daemons"
pass "no bus daemon started without a session bus"

