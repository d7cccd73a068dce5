# Shared by the end-to-end tests: a virtual display with openbox, a private home, and the real
# quorix program. Usage: source "$(dirname "$0")/lib.sh" "$program"
set -uo pipefail
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SOURCE_DIR=$(cd "$E2E_DIR/../.." && pwd)
PROGRAM=${1:?usage: test.sh path/to/quorix}
PROGRAM_DIR=$(dirname "$PROGRAM")
SCREEN_DIR=$PROGRAM_DIR/e2e-screens
mkdir -p "$SCREEN_DIR"
source "$SOURCE_DIR/scripts/xsession.sh"

unset QT_QPA_PLATFORM
TEST_HOME=$(mktemp -d)
export HOME=$TEST_HOME XDG_DATA_HOME=$TEST_HOME/.local/share XDG_CONFIG_HOME=$TEST_HOME/.config \
       XDG_STATE_HOME=$TEST_HOME/.local/state XDG_CACHE_HOME=$TEST_HOME/.cache XDG_RUNTIME_DIR=$TEST_HOME/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
DATA=$XDG_DATA_HOME/Brenmoor/Quorix/Data
REGISTRY=$XDG_CONFIG_HOME/Brenmoor/registry.ini
QUORIX_PIDS=()

cleanup() {
    local pid
    for pid in "${QUORIX_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null; done
    stop_virtual_display
    rm -rf "$TEST_HOME"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    screenshot "failure-$(basename "$0" .sh)"
    exit 1
}

pass() { echo "ok: $*"; }

# Waits up to $2 seconds (default 10) for a command to succeed.
wait_for() {
    local command=$1 seconds=${2:-10} i
    for i in $(seq 1 $((seconds * 10))); do
        eval "$command" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# A data folder that has been used before: the defaults with first use done, so no question
# blocks the start. Extra "section key value" triples are applied to settings.ini.
prepare_data_folder() {
    mkdir -p "$DATA"
    cp "$PROGRAM_DIR"/Default/Data/* "$DATA/"
    sed -i 's/^firstuse=1/firstuse=0/' "$DATA/settings.ini"
}

# set_setting SECTION KEY VALUE: edits settings.ini (appends the section when missing).
set_setting() {
    python3 - "$DATA/settings.ini" "$1" "$2" "$3" <<'PY'
import sys, re
path, section, key, value = sys.argv[1:]
lines = open(path).read().splitlines()
out, in_section, done, seen = [], False, False, False
for line in lines:
    m = re.match(r'\[(.*)\]\s*$', line)
    if m:
        if in_section and not done:
            out.append(f"{key}={value}"); done = True
        in_section = m.group(1).lower() == section.lower(); seen = seen or in_section
    elif in_section and line.split('=')[0].strip().lower() == key.lower():
        if not done:
            out.append(f"{key}={value}"); done = True
        continue
    out.append(line)
if not done:
    if not (in_section):
        out.append(f"[{section}]")
    out.append(f"{key}={value}")
open(path, 'w').write("\n".join(out) + "\n")
PY
}

# Starts quorix in the background with the given arguments; QUORIX_PID is its process.
start_quorix() {
    "$PROGRAM" "$@" >"$TEST_HOME/quorix.log" 2>&1 &
    QUORIX_PID=$!
    QUORIX_PIDS+=("$QUORIX_PID")
}

bar_window() { xdotool search --name '^QuorixMainMenu$' 2>/dev/null | head -n 1; }
# How many of Quorix's windows are visible (the bar plus its open popups).
visible_quorix_windows() { xdotool search --onlyvisible --class quorix 2>/dev/null | wc -l; }
# The left edge of the right-most open popup (empty when none is open).
popup_left() {
    local bar w; bar=$(bar_window)
    for w in $(xdotool search --onlyvisible --class quorix 2>/dev/null); do
        [[ "$w" == "$bar" ]] || window_geometry "$w" | awk '{print $1}'
    done | sort -n | tail -n 1
}
wait_for_bar() { wait_for '[[ -n "$(bar_window)" ]]' "${1:-15}"; }

# Waits up to $2 seconds for process $1 to end; returns 1 when it is still running.
wait_for_exit() {
    wait_for "! kill -0 $1" "${2:-10}"
}

# The work area of desktop 0 as "x y width height".
work_area() {
    xprop -root _NET_WORKAREA | sed -E 's/.*= *//; s/,//g' | awk '{print $1, $2, $3, $4}'
}

screen_size() { xdpyinfo | awk '/dimensions:/ {print $2}' | tr x ' '; }

screenshot() {
    import -window root "$SCREEN_DIR/$1.png" 2>/dev/null && echo "screenshot: $SCREEN_DIR/$1.png"
}

# Geometry of a window as "x y width height" (absolute).
window_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                             /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

start_virtual_display || exit 1
