# Shared by the scripts that need an X server: starts Xvfb with openbox on a display of its own and
# remembers what to stop. Source it, then call start_virtual_display; stop_virtual_display ends it.
#
# Xvfb picks a free display number itself (-displayfd) and writes it down once it accepts
# connections, so any number of scripts can start displays side by side without racing for a
# number, and nothing has to poll for the server to come up.

# Seconds to wait for the server and for the window manager to be ready.
XSESSION_START_SECONDS=${XSESSION_START_SECONDS:-20}

start_virtual_display() {
    local ready number
    ready=$(mktemp -u "${TMPDIR:-/tmp}/quorix-displayfd.XXXXXX")
    mkfifo -m 600 "$ready" || return 1
    Xvfb -displayfd 3 -screen 0 "${QUORIX_SCREEN:-1280x800x24}" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    XVFB_PID=$!
    # The read ends at the number, at the server's end (EOF) or at the deadline.
    read -r -t "$XSESSION_START_SECONDS" number <"$ready"
    rm -f "$ready"
    if [[ ! "$number" =~ ^[0-9]+$ ]]; then
        echo "Xvfb did not start a display" >&2
        stop_virtual_display
        return 1
    fi
    export DISPLAY=":$number"
    local wm_log; wm_log=$(mktemp "${TMPDIR:-/tmp}/quorix-openbox.XXXXXX")
    openbox --sm-disable >"$wm_log" 2>&1 &
    WM_PID=$!
    if ! wait_for_window_manager; then
        echo "openbox did not take over $DISPLAY:" >&2
        cat "$wm_log" >&2
        rm -f "$wm_log"
        stop_virtual_display
        return 1
    fi
    rm -f "$wm_log"
}

# The window manager is ready once it has announced itself on the root window.
wait_for_window_manager() {
    local deadline=$((SECONDS + XSESSION_START_SECONDS))
    while ((SECONDS < deadline)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$WM_PID" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

# wait_until SECONDS COMMAND [ARGUMENTS...]: runs the command every 50 ms until it succeeds;
# returns 1 when it still fails at the deadline.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

stop_virtual_display() {
    local pid
    for pid in ${WM_PID:-} ${XVFB_PID:-}; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    WM_PID="" XVFB_PID=""
    return 0
}
