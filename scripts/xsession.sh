# Shared by the scripts that need an X server: starts Xvfb with openbox on a free display and
# remembers what to stop. Source it, then call start_virtual_display; stop_virtual_display ends it.

start_virtual_display() {
    local number
    for number in $(seq 91 140); do
        [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
        Xvfb ":$number" -screen 0 "${QUORIX_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$number"
        for _ in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
        if xdpyinfo >/dev/null 2>&1; then
            openbox --sm-disable >/dev/null 2>&1 &
            WM_PID=$!
            for _ in $(seq 1 50); do
                xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
                sleep 0.1
            done
            return 0
        fi
        kill "$XVFB_PID" 2>/dev/null || true
    done
    echo "no free X display" >&2
    return 1
}

stop_virtual_display() {
    [[ -n "${WM_PID:-}" ]] && kill "$WM_PID" 2>/dev/null
    [[ -n "${XVFB_PID:-}" ]] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null || true
}
