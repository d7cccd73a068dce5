# Shared by the end-to-end tests: a virtual display of the test's own with openbox, a private
# home, and the real quorix program in a folder of its own. Usage:
# source "$(dirname "$0")/lib.sh" "$program"
#
# Every test has its own display, home and program folder (where "/debug" writes debug.txt), so
# tests run side by side. A test never sleeps to let something happen: it waits, with a deadline,
# for what it can see (a window, a property, a file, a trace line, the pixels of a screenshot).
set -uo pipefail
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SOURCE_DIR=$(cd "$E2E_DIR/../.." && pwd)
PROGRAM=${1:?usage: test.sh path/to/quorix}
BUILD_DIR=$(cd "$(dirname "$PROGRAM")" && pwd)
SCREEN_DIR=$BUILD_DIR/e2e-screens
mkdir -p "$SCREEN_DIR"
source "$SOURCE_DIR/scripts/xsession.sh"

unset QT_QPA_PLATFORM
TEST_HOME=$(mktemp -d)
# The program's folder: a link to the built program (a copy across file systems) beside the
# default data files and the user guide. The trace of "/debug" is TRACE_FILE.
PROGRAM_DIR=$TEST_HOME/program
mkdir -p "$PROGRAM_DIR"
ln "$PROGRAM" "$PROGRAM_DIR/quorix" 2>/dev/null || cp "$PROGRAM" "$PROGRAM_DIR/quorix"
ln -s "$BUILD_DIR/Default" "$PROGRAM_DIR/Default"
[[ -d "$BUILD_DIR/Help" ]] && ln -s "$BUILD_DIR/Help" "$PROGRAM_DIR/Help"
PROGRAM=$PROGRAM_DIR/quorix
TRACE_FILE=$PROGRAM_DIR/debug.txt
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

# Milliseconds since the epoch.
now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $((t / 1000)); }

# Waits up to $2 seconds (default 10) for a command to succeed, trying it every 50 ms; the command
# is tried once more at the deadline.
# (Its locals are prefixed: the command is evaluated here and sees the caller's variables.)
wait_for() {
    local _wait_command=$1 _wait_seconds=${2:-10}
    local _wait_deadline=$(($(now_ms) + ${_wait_seconds%.*} * 1000))
    while (($(now_ms) < _wait_deadline)); do
        eval "$_wait_command" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    eval "$_wait_command" >/dev/null 2>&1
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
# Waits until the bar is on the screen: shown only after it has read its settings and taken its
# hotkeys.
wait_for_bar() { wait_for 'xdotool search --onlyvisible --name "^QuorixMainMenu$"' "${1:-15}"; }

# How many times the trace holds a line with exactly this message (the trace of "/debug").
trace_count() {
    [[ -f "$TRACE_FILE" ]] || { echo 0; return; }
    awk -F'\t' -v m="$1" '$2 == m {n++} END {print n + 0}' "$TRACE_FILE"
}
# wait_for_trace MESSAGE [COUNT] [SECONDS]: waits until the trace holds the line COUNT times
# (default 1), e.g. "GenerateInfoBar: end" twice after a refresh.
wait_for_trace() {
    wait_for "(( \$(trace_count '$1') >= ${2:-1} ))" "${3:-10}"
}

# The number of open popups and boxes (Quorix's visible windows other than the bar).
popup_count() { echo $(($(xdotool search --onlyvisible --class quorix 2>/dev/null | wc -l) - 1)); }
# wait_for_popups N [SECONDS]: waits until exactly N popups are open.
wait_for_popups() { wait_for "(( \$(popup_count) == $1 ))" "${2:-10}"; }

# click_to_open X Y: presses the left button at X Y and lets it go once one more popup is open,
# as a person does who clicks a menu title; returns 1 when none opened.
click_to_open() {
    local before; before=$(popup_count)
    xdotool mousemove --sync "$1" "$2" mousedown 1
    wait_for "(( \$(popup_count) > $before ))" 10
    local opened=$?
    xdotool mouseup 1
    return $opened
}

# wait_for_managed NAME [SECONDS]: waits until a window of that exact name is among the windows
# the window manager lists (_NET_CLIENT_LIST), as the bar sees them; prints its id.
wait_for_managed() {
    wait_for "managed_window '$1'" "${2:-10}" && managed_window "$1"
}
managed_window() {
    local id
    for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
        xprop -root _NET_CLIENT_LIST | grep -qiw "$(printf '0x%x' "$id")" && { echo "$id"; return 0; }
    done
    return 1
}

# use_accessibility: lets the test read and drive the bar through the accessibility tree
# ($MENUTREE, tests/e2e/menutree.py) on a session bus of its own, stopped with the rest; call it
# before start_quorix.
MENUTREE="/usr/bin/python3 $E2E_DIR/menutree.py"
ACCESSIBILITY_BUS_PID=
use_accessibility() {
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "no pyatspi (python3-pyatspi)"
    local info; info=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -s -d' ')
    read -r DBUS_SESSION_BUS_ADDRESS ACCESSIBILITY_BUS_PID <<<"$info"
    [[ -n "$ACCESSIBILITY_BUS_PID" ]] || fail "no session bus for the accessibility tree"
    export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    trap 'kill "$ACCESSIBILITY_BUS_PID" 2>/dev/null; cleanup' EXIT
}
# wait_for_accessible [SECONDS]: waits until the bar's accessibility tree can be read.
wait_for_accessible() { wait_for "$MENUTREE items | grep . >/dev/null" "${1:-15}"; }
# The highlighted entry of every open menu (and the bar's menu row), one name a line.
highlighted_entries() { $MENUTREE highlighted 2>/dev/null | cut -f2; }
# wait_for_highlighted ENTRY [SECONDS]: waits until an open menu highlights ENTRY, so the menu is
# there and takes the next key.
wait_for_highlighted() {
    wait_for "highlighted_entries | grep -xF -- '$1' >/dev/null" "${2:-10}"
}
# key_to_entry KEY ENTRY: presses KEY (Up or Down) once at a time, each time waiting until the
# highlight has moved, until ENTRY is highlighted; as a person does who watches the menu. Returns
# 1 when it is not reached (the menus wrap round, so every entry comes within 40 presses).
key_to_entry() {
    local _presses
    for ((_presses = 0; _presses <= 40; _presses++)); do
        _key_before=$(highlighted_entries)
        grep -xF -- "$2" <<<"$_key_before" >/dev/null && return 0
        xdotool key "$1"
        wait_for '[[ "$(highlighted_entries)" != "$_key_before" ]]' 5
    done
    return 1
}

# activate_window ID: brings a window forward and waits until it has the keyboard focus.
activate_window() {
    xdotool windowactivate --sync "$1" 2>/dev/null
    wait_for "[[ \$(focus_window) == $1 ]]" 10
}

# The X focus window, as a decimal id like xdotool's.
focus_window() { xdotool getwindowfocus 2>/dev/null; }

# wait_for_picture NAME CHECK [SECONDS]: takes screenshots into $SCREEN_DIR/NAME.png until the
# command CHECK, given the picture's path, succeeds (the screen shows what the test waits for).
wait_for_picture() {
    local _picture=$SCREEN_DIR/$1.png
    wait_for "import -window root '$_picture' && $2 '$_picture'" "${3:-10}"
}

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
