#!/usr/bin/env bash
# Under window managers that keep a bar of their own (icewm's task bar, fluxbox's tool bar, both
# at the bottom and no client windows), the bar docks beside it instead of covering it, and stays
# there once its own strut is in the work area.
source "$(dirname "$0")/lib.sh" "$@"
prepare_data_folder
set_setting general position bottom
read -r sw sh < <(screen_size)

# The window manager's check window, as the root window names it ("" when none).
wm_check_window() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -o '0x[0-9a-f]*'; }

# True once a window manager other than the one before ($1: its check window) has announced itself
# with a check window that exists, and a work area.
new_wm_announced() {
    local id; id=$(wm_check_window)
    [[ -n "$id" && "$id" != "$1" ]] && xprop -id "$id" >/dev/null 2>&1 &&
        xprop -root _NET_WORKAREA | grep -q ' = '
}

# Replaces the running window manager; waits until the new one announces itself and a work area.
# A window manager that gives up at once (the old one was still letting go of the screen) is
# started again, twice at most; what it printed is shown when it never comes up.
switch_window_manager() {
    local old; old=$(wm_check_window)
    kill "$WM_PID" 2>/dev/null
    wait "$WM_PID" 2>/dev/null
    local log; log=$(mktemp "${TMPDIR:-/tmp}/quorix-wm.XXXXXX")
    local attempt
    for attempt in 1 2 3; do
        "$1" >"$log" 2>&1 &
        WM_PID=$!
        if wait_for "new_wm_announced '$old' || ! kill -0 $WM_PID 2>/dev/null" 20 && kill -0 "$WM_PID" 2>/dev/null; then
            rm -f "$log"
            # Its own bar shows in the work area once it is drawn.
            wait_for '(( $(work_area | cut -d" " -f4) < sh ))' 10 || fail "$1 keeps no bar of its own: $(work_area)"
            return 0
        fi
        kill "$WM_PID" 2>/dev/null
        wait "$WM_PID" 2>/dev/null
    done
    cat "$log" >&2
    rm -f "$log"
    fail "$1 did not start"
}

bar_bottom() {
    local x y w h
    read -r x y w h < <(window_geometry "$(bar_window)")
    echo $((y + h))
}

for wm in icewm fluxbox; do
    if ! command -v "$wm" >/dev/null; then
        echo "SKIP: $wm is not installed"
        continue
    fi
    switch_window_manager "$wm"
    read -r _ _ _ own_height < <(work_area)
    start_quorix
    wait_for_bar || fail "$wm: the bar did not appear"
    # The bar ends where the window manager's bar begins, and the work area shrinks by its height.
    wait_for "[[ \$(bar_bottom) -eq $own_height ]]" 10 ||
        fail "$wm: the bar ends at $(bar_bottom), the window manager's bar begins at $own_height"
    height=$(window_geometry "$(bar_window)" | cut -d' ' -f4)
    wait_for "[[ \"\$(work_area | cut -d' ' -f4)\" == $((own_height - height)) ]]" 10 ||
        fail "$wm: work area $(work_area) with the bar docked"
    [[ $(bar_bottom) -eq $own_height ]] || fail "$wm: the bar moved on to $(bar_bottom) once docked"
    screenshot "otherwms-$wm"
    pass "$wm: the bar docks above the window manager's own bar"
    kill -TERM "$QUORIX_PID"
    wait_for_exit "$QUORIX_PID" 10 || fail "$wm: the bar did not end"
done
