#!/usr/bin/env bash
# Hotkeys and the Run box as a user meets them: WIN+F9 starts a script from the hotkey file (an
# inactive record does nothing); the window commands maximize, restore, minimize and close the
# focused window of another program; "OpenQuorix" opens the "Main" menu ready for the keyboard;
# a refresh re-registers the file's hotkeys; a command typed into the Run box starts and goes first
# into the run history, whose drop-down offers it again.
source "$(dirname "$0")/lib.sh" "$@"

prepare_data_folder
set_setting menu-settings showrun 1
set_setting menu-settings runwidth 200
set_setting menu-settings runautosize 0
set_setting marquee-settings showmarquee 0
WORK="$TEST_HOME/work folder"
mkdir -p "$WORK"
make_script() {
    printf '#!/bin/sh\ntouch "%s"\n' "$2" > "$WORK/$1"
    chmod +x "$WORK/$1"
}
make_script hotkey.sh "$TEST_HOME/hotkey.marker"
make_script inactive.sh "$TEST_HOME/inactive.marker"

# The hotkey file: an MLB record file with the fields id, shift, key, function, params, active.
# Keys are Windows virtual-key codes (F7 118 ... F12 123); modifiers 8 WIN, 1 ALT, 2 CTRL.
write_hotkeys() {
    python3 - "$DATA/hotkeys.dat" "$@" <<'PY'
import struct, sys
path, rows = sys.argv[1], [r.split("|") for r in sys.argv[2:]]
def text(s):
    b = s.encode("utf-8")
    return struct.pack("<I", len(b)) + b
fields = ["id", "shift", "key", "function", "params", "active"]
body = text("") + struct.pack("<II", len(fields), len(rows))
body += b"".join(b"\x00" + text(f) for f in fields)
for row in rows:
    values = b"".join(text(v) for v in [""] + row)
    body += struct.pack("<I", len(values)) + values
block = struct.pack("<H", 0) + body
data = b"MLB\x02\x00\x01" + struct.pack("<HHH", 1, 0, 0) + struct.pack("<I", len(block)) + block
open(path, "wb").write(data)
PY
}
write_hotkeys "8|118|ExecuteFile|$WORK/inactive.sh|0" \
              "8|120|ExecuteFile|$WORK/hotkey.sh|1" \
              "8|121|CloseActiveWindow||1" \
              "8|122|MaximizeActiveWindow||1" \
              "8|123|MinimizeActiveWindow||1" \
              "8|119|OpenQuorix||1"

# The bar is shown once it has taken its hotkeys; the trace tells when a refresh is done.
start_quorix /debug
wait_for_bar || fail "the bar did not appear"
bar=$(bar_window)
read -r bx by bw bh < <(window_geometry "$bar")

# ran_alone MARKER OTHER SCRIPT: MARKER's script has run and OTHER's has not. The bar starts what
# a hotkey asks for in the order the keys came, and a program it starts is running when the start
# returns, so once MARKER exists and SCRIPT runs no more, OTHER would be there had SCRIPT run.
ran_alone() {
    wait_for "[[ -e '$1' ]]" 10 || return 1
    wait_for "! pgrep -f '$3'" 10 || return 1
    [[ ! -e "$2" ]]
}

# --- WIN+F9 starts the file; the inactive WIN+F7 does nothing -------------------------------------
xdotool key super+F7
xdotool key super+F9
wait_for '[[ -e "$TEST_HOME/hotkey.marker" ]]' 10 || fail "WIN+F9 did not start the script"
ran_alone "$TEST_HOME/hotkey.marker" "$TEST_HOME/inactive.marker" "$WORK/inactive.sh" \
    || fail "the inactive hotkey ran"
pass "WIN+F9 ran its file; an inactive record stays silent"

# --- window commands on a test window -------------------------------------------------------------
xmessage -name quorix-e2e-hotkey -geometry 300x120+200+200 "Hotkey test window" &
victim=$!
wait_for 'xdotool search --name "^quorix-e2e-hotkey$"' 10 || fail "the test window did not appear"
target=$(xdotool search --name "^quorix-e2e-hotkey$" | head -n 1)
focus_target() {
    xdotool windowactivate --sync "$target" 2>/dev/null
    wait_for '[[ "$(xdotool getactivewindow)" == "$target" ]]' 5
}
state_of() { xprop -id "$target" _NET_WM_STATE 2>/dev/null; }
is_maximized() { state_of | grep -q _NET_WM_STATE_MAXIMIZED_VERT && state_of | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
is_minimized() { xprop -id "$target" WM_STATE 2>/dev/null | grep -qi 'Iconic'; }

focus_target || fail "the test window did not take the focus"
xdotool key super+F11
wait_for is_maximized 5 || fail "WIN+F11 did not maximize the focused window: $(state_of)"
screenshot hotkeys-maximized
xdotool key super+F11
wait_for '! is_maximized' 5 || fail "WIN+F11 did not restore the maximized window: $(state_of)"
pass "MaximizeActiveWindow maximizes and restores"

focus_target || fail "the test window lost the focus"
xdotool key super+F12
wait_for is_minimized 5 || fail "WIN+F12 did not minimize the focused window"
pass "MinimizeActiveWindow minimizes"

xdotool windowmap "$target" 2>/dev/null
focus_target || fail "the test window could not be focused again"
xdotool key super+F10
wait_for_exit "$victim" 10 || { kill "$victim" 2>/dev/null; fail "WIN+F10 did not close the focused window"; }
kill -0 "$QUORIX_PID" 2>/dev/null || fail "the bar ended instead"
pass "CloseActiveWindow closes the focused window"

# --- OpenQuorix opens "Main" ready for the keyboard -----------------------------------------------
visible_quorix_windows() { xdotool search --onlyvisible --class quorix 2>/dev/null | sort; }
before=$(visible_quorix_windows | wc -l)
xdotool key super+F8
wait_for '[[ $(visible_quorix_windows | wc -l) -gt $before ]]' 5 || fail "WIN+F8 opened no menu"
screenshot hotkeys-open-quorix
# The first entry, "Run...", is highlighted: Enter opens the Run dialog.
xdotool key Return
wait_for 'xdotool search --name "^Run$"' 5 || fail "the menu opened by WIN+F8 did not take the keyboard"
run_dialog=$(xdotool search --name "^Run$" | head -n 1)
xdotool windowactivate --sync "$run_dialog" key Escape 2>/dev/null
wait_for '! xdotool search --name "^Run$"' 5 || fail "the Run dialog did not close"
pass "OpenQuorix opens the Main menu from the keyboard"

# --- a refresh releases the old hotkeys and registers the file's new ones ------------------------
rm -f "$TEST_HOME/hotkey.marker"
write_hotkeys "8|118|ExecuteFile|$WORK/inactive.sh|1" \
              "8|120|ExecuteFile|$WORK/hotkey.sh|0" \
              "8|119|OpenQuorix||1"
# "Main" from the keyboard: Run..., AutoRun, Settings, Refresh Quorix.
xdotool key super+F8
wait_for '[[ -n "$(popup_left)" ]]' 10 || fail "OpenQuorix did not open Main for the refresh"
refreshes=$(trace_count "GenerateInfoBar: end")
xdotool key Down Down Down Return
wait_for_trace "GenerateInfoBar: end" $((refreshes + 1)) || fail "Refresh Quorix did not run"
xdotool key super+F9
xdotool key super+F7
wait_for '[[ -e "$TEST_HOME/inactive.marker" ]]' 10 || fail "after the refresh WIN+F7 did not run"
ran_alone "$TEST_HOME/inactive.marker" "$TEST_HOME/hotkey.marker" "$WORK/hotkey.sh" \
    || fail "after the refresh the deactivated WIN+F9 still ran"
pass "Refresh Quorix re-registers the hotkeys from the file"

# --- the Run box starts what is typed and remembers it first --------------------------------------
printf 'earlier command\r\nother\r\n' > "$DATA/runhisto.dat"
# The Run box sits at the right end of the menu row (the marquee is off).
# The click gives the bar the focus; what is typed once the bar has it goes into the box.
xdotool mousemove --sync $((bx + bw - 100)) $((by + bh / 2)) click 1
wait_for '[[ "$(focus_window)" == "$bar" ]]' 10 || fail "clicking the Run box did not focus the bar"
command="touch $TEST_HOME/runbox.marker"
xdotool type --delay 20 "$command"
screenshot hotkeys-run-box
xdotool key Return
wait_for '[[ -e "$TEST_HOME/runbox.marker" ]]' 10 || fail "the Run box did not start the command"
first=$(head -n 1 "$DATA/runhisto.dat" | tr -d '\r')
[[ "$first" == "$command" ]] || fail "run history starts with '$first'"
grep -q $'^earlier command\r$' "$DATA/runhisto.dat" || fail "older history lost: $(cat -A "$DATA/runhisto.dat")"
[[ $(wc -l < "$DATA/runhisto.dat") -eq 3 ]] || fail "history: $(cat -A "$DATA/runhisto.dat")"
pass "the Run box started the command and put it first in the history"

# --- its drop-down offers the history, newest first -----------------------------------------------
rm -f "$TEST_HOME/runbox.marker"
# A combo box's list closes on a release long after the press: click at once, then wait.
open_before=$(popup_count)
xdotool mousemove --sync $((bx + bw - 8)) $((by + bh / 2)) click 1
wait_for "(( \$(popup_count) > $open_before ))" || fail "the Run box's drop-down did not open"
screenshot hotkeys-run-history
xdotool key Home Return
wait_for_popups "$open_before" || fail "choosing from the drop-down did not close it"
xdotool key Return
wait_for '[[ -e "$TEST_HOME/runbox.marker" ]]' 10 || fail "the first history entry did not run again"
[[ $(wc -l < "$DATA/runhisto.dat") -eq 3 ]] || fail "running an entry again duplicated it: $(cat -A "$DATA/runhisto.dat")"
pass "the drop-down offers the history and its entries run again"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not end"
