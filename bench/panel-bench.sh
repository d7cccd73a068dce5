#!/usr/bin/env bash
# panel-bench.sh - measure a desktop panel on a private Xvfb + openbox display.
#
# usage: panel-bench.sh NAME -- COMMAND [ARGS...]
#
# Starts  Xvfb -displayfd (a free display) -screen 0 1280x800x24 -nolisten tcp  and openbox
# (throwaway config), records the root _NET_WORKAREA, launches COMMAND with a fresh, empty
# HOME / XDG_{CONFIG,DATA,CACHE,STATE}_HOME and measures
#   startup_ms           launch -> root _NET_WORKAREA differs (polled every 5 ms,
#                        gives up after 20 s -> "startup_ms=timeout")
#   workarea             the new work area (x,y,w,h of desktop 0) at docking
#   rss_kb               sum of VmRSS over the panel's process tree, 5 s after docking
#   self_rss_kb          VmRSS of the panel's own (first) process at the same moment
#   end_self_rss_kb      the same at the end of the idle window
#   bus_daemons          dbus-daemon / dbus-launch processes in the tree (started for the panel:
#                        the session has no bus)
#   idle_cpu_ms_per_min  processor time (ms) of the tree over the next 60 s of idle
# then stops everything it started (by PID) and prints exactly one line on stdout:
#   NAME startup_ms=... rss_kb=... self_rss_kb=... bus_daemons=... idle_cpu_ms_per_min=...
#        end_self_rss_kb=... workarea=...
#
# Optional environment:
#   PANEL_BENCH_SEED=DIR        copy DIR/. into the fresh HOME before launch
#                               (e.g. a minimal config for panels that need one;
#                               the default is a completely empty HOME)
#   PANEL_BENCH_SETTLE_S=5      seconds between docking and the RSS sample
#   PANEL_BENCH_IDLE_S=60       idle window (result is still scaled to per minute;
#                               0 skips it -> idle_cpu_ms_per_min=NA)
#   PANEL_BENCH_HOOK='CMD'      run CMD (bash -c, DISPLAY set) after the RSS sample;
#                               its stdout is appended to the result line, its
#                               stderr goes to the details 
#   PANEL_BENCH_KEEP=1          keep the run folder (logs, fresh HOME) for inspection
#   PANEL_BENCH_TMP=/tmp/peerbench  parent of the per-run folder
# Details (per-process breakdown, PSS, panel stderr) go to RUN/details.log and are
# summarised on stderr; stdout carries only the result line.
#
# Process tree = descendants of COMMAND (via PPid) plus every process whose
# environment carries this run's tag (catches daemons that double-fork, e.g.
# D-Bus-activated services).  Cleanup kills exactly those PIDs, then openbox, then
# Xvfb - never anything by name.

set -u

# Become a child subreaper (prctl(PR_SET_CHILD_SUBREAPER) survives execve), so
# that processes orphaned by the panel (double-forked daemons, children of a
# killed dbus-daemon) are re-parented to - and reaped by - this shell instead
# of PID 1.  Falls back silently if python3/prctl are unavailable.
if [ "${_PANEL_BENCH_REAPER:-}" != "$$" ] && [ -x /usr/bin/python3 ]; then
    export _PANEL_BENCH_REAPER=$$
    exec /usr/bin/python3 -c 'import ctypes, os, sys
try: ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)
except Exception: pass
os.execv("/bin/bash", ["bash"] + sys.argv[1:])' "$0" "$@"
fi
unset _PANEL_BENCH_REAPER

die() { echo "panel-bench: $*" >&2; exit 1; }

[ $# -ge 3 ] && [ "$2" = "--" ] || die "usage: $0 NAME -- COMMAND [ARGS...]"
NAME=$1; shift 2

SETTLE_S=${PANEL_BENCH_SETTLE_S:-5}
IDLE_S=${PANEL_BENCH_IDLE_S:-60}
TMPBASE=${PANEL_BENCH_TMP:-/tmp/peerbench}
POLL_MS=5
TIMEOUT_S=20
CLK_TCK=$(getconf CLK_TCK)

for t in Xvfb openbox xprop python3; do
    command -v "$t" >/dev/null || die "missing tool: $t"
done
PY=/usr/bin/python3; [ -x "$PY" ] || PY=$(command -v python3)

mkdir -p "$TMPBASE" || die "cannot create $TMPBASE"
RUN=$(mktemp -d "$TMPBASE/run.${NAME//[^A-Za-z0-9_.-]/_}.XXXXXX") || die "mktemp failed"
TAG="pb-$$-${RUN##*.}"
DETAILS=$RUN/details.log
: > "$DETAILS"

XVFB_PID= ; OB_PID= ; PANEL_PID= ; POLLER= ; NAP=

# ---------------------------------------------------------------- helpers
alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }

# interruptible sleep: bash runs traps during `wait`, not during a foreground sleep
nap() { sleep "$1" & NAP=$!; wait "$NAP"; NAP=; }

# alive and not a zombie
alive_nz() {
    local st
    alive "${1:-}" || return 1
    st=$(cut -d')' -f2- "/proc/$1/stat" 2>/dev/null) || return 1
    [ "${st:1:1}" != Z ]
}

# TERM a set of PIDs, wait up to 3 s for all to go, then KILL the rest
kill_set() {
    local p i left
    [ $# -gt 0 ] || return 0
    kill -TERM "$@" 2>/dev/null
    for ((i = 0; i < 60; i++)); do
        left=
        for p in "$@"; do alive_nz "$p" && left+=" $p"; done
        [ -z "$left" ] && return 0
        sleep 0.05
    done
    kill -KILL $left 2>/dev/null
    sleep 0.1
}

# PIDs whose environment contains PANEL_BENCH_TAG=<arg>
tagged_pids() {
    grep -lzx "PANEL_BENCH_TAG=$1" /proc/[0-9]*/environ 2>/dev/null |
        sed -n 's#^/proc/\([0-9]*\)/environ$#\1#p'
}

# descendants of $1 (inclusive) by PPid, plus processes tagged $2
tree_pids() {
    local root=$1 tag=$2 f line pid rest
    local -A kids=()
    for f in /proc/[0-9]*/stat; do
        read -r line < "$f" 2>/dev/null || continue
        pid=${f#/proc/}; pid=${pid%/stat}
        rest=${line##*) }            # "state ppid ..."
        rest=${rest#* }; rest=${rest%% *}
        kids[$rest]+=" $pid"
    done
    local -a queue=("$root") out=()
    local -A seen=()
    while [ ${#queue[@]} -gt 0 ]; do
        pid=${queue[0]}; queue=("${queue[@]:1}")
        [ -n "${seen[$pid]:-}" ] && continue
        [ -d "/proc/$pid" ] || continue
        seen[$pid]=1; out+=("$pid")
        for rest in ${kids[$pid]:-}; do queue+=("$rest"); done
    done
    for pid in $(tagged_pids "$tag"); do
        [ -n "${seen[$pid]:-}" ] || { seen[$pid]=1; out+=("$pid"); }
    done
    echo "${out[@]}"
}

# Processor time in microseconds, from the nanosecond run time of every thread
# (/proc/PID/task/TID/schedstat; the clock ticks of utime+stime are 10 ms each, too coarse for an
# idle bar) plus what ended children used (cutime+cstime, in clock ticks).
# thread_times PID: "TID NS" for each of its threads
thread_times() {
    local task run
    for task in /proc/"$1"/task/*; do
        read -r run _ < "$task/schedstat" 2>/dev/null && echo "${task##*/} $run"
    done
}
# children_us PID: what its ended children used
children_us() {
    local line rest
    read -r line < "/proc/$1/stat" 2>/dev/null || return 1
    rest=${line##*) }
    # after ") ": state(1) ppid(2) ... utime(12) stime(13) cutime(14) cstime(15)
    set -- $rest
    echo $(( (${14} + ${15}) * 1000000 / CLK_TCK ))
}

comm_of() { cat "/proc/$1/comm" 2>/dev/null || echo '?'; }
rss_of() { awk '/^VmRSS:/{print $2; f=1} END{if(!f) print 0}' "/proc/$1/status" 2>/dev/null || echo 0; }
pss_of() { awk '/^Pss:/{print $2; f=1} END{if(!f) print 0}' "/proc/$1/smaps_rollup" 2>/dev/null || echo 0; }

workarea() {   # first 4 cardinals of root _NET_WORKAREA, "x,y,w,h" (empty if unset)
    DISPLAY=$DISP xprop -root -notype _NET_WORKAREA 2>/dev/null |
        sed -n 's/^_NET_WORKAREA = //p' | tr -d ' ' | cut -d, -f1-4
}

cleanup() {
    local rc=$? pids _r
    set +u
    trap - EXIT INT TERM HUP
    alive "$POLLER" && kill -KILL "$POLLER" 2>/dev/null
    alive "$NAP" && kill -KILL "$NAP" 2>/dev/null
    # panel tree + anything carrying the run tag; all at once (no plugin
    # "restart?" dialogs), repeated in case something respawned meanwhile
    for _r in 1 2 3; do
        pids=$({ [ -n "$PANEL_PID" ] && tree_pids "$PANEL_PID" "$TAG"; tagged_pids "$TAG"; } |
               tr ' ' '\n' | sort -un | while read -r p; do alive_nz "$p" && echo "$p"; done)
        [ -z "$pids" ] && break
        kill_set $pids
    done
    kill_set $OB_PID
    kill_set $XVFB_PID
    wait 2>/dev/null
    local left; left=$(tagged_pids "$TAG" | tr '\n' ' ')
    [ -n "$left" ] && echo "panel-bench: WARNING stray processes: $left" >&2
    if [ "${PANEL_BENCH_KEEP:-0}" = 1 ]; then
        echo "panel-bench: run folder kept: $RUN" >&2
    else
        rm -rf "$RUN"
    fi
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# ---------------------------------------------------------------- poller
# Tiny Xlib poller (ctypes, no extra packages): connects and prints
# "connected"; on "arm" reads the baseline and prints "ready BASE"; on "go T0"
# polls _NET_WORKAREA every POLL_MS ms until it differs from the baseline or
# T0+TIMEOUT; prints "changed MS x,y,w,h" or "timeout"; then stays connected
# (keep-alive) until stdin closes or it is killed.
write_poller() {
cat > "$RUN/wapoll.py" <<'PYEOF'
import ctypes as C, sys, time
X = C.cdll.LoadLibrary("libX11.so.6")
X.XOpenDisplay.restype = C.c_void_p; X.XOpenDisplay.argtypes = [C.c_char_p]
X.XDefaultRootWindow.restype = C.c_ulong; X.XDefaultRootWindow.argtypes = [C.c_void_p]
X.XInternAtom.restype = C.c_ulong; X.XInternAtom.argtypes = [C.c_void_p, C.c_char_p, C.c_int]
X.XGetWindowProperty.argtypes = [C.c_void_p, C.c_ulong, C.c_ulong, C.c_long, C.c_long,
    C.c_int, C.c_ulong, C.POINTER(C.c_ulong), C.POINTER(C.c_int),
    C.POINTER(C.c_ulong), C.POINTER(C.c_ulong), C.POINTER(C.c_void_p)]
X.XFree.argtypes = [C.c_void_p]
for _ in range(100):                      # up to ~5 s
    dpy = X.XOpenDisplay(sys.argv[1].encode())
    if dpy:
        break
    time.sleep(0.05)
if not dpy:
    print("error cannot-open-display", flush=True); sys.exit(1)
interval = float(sys.argv[2]) / 1000.0
timeout = float(sys.argv[3])
root = X.XDefaultRootWindow(dpy)
atom = X.XInternAtom(dpy, b"_NET_WORKAREA", 0)
def get():
    t = C.c_ulong(); f = C.c_int(); n = C.c_ulong(); a = C.c_ulong(); d = C.c_void_p()
    X.XGetWindowProperty(dpy, root, atom, 0, 4, 0, 0, C.byref(t), C.byref(f),
                         C.byref(n), C.byref(a), C.byref(d))
    v = None
    if d.value:
        if f.value == 32 and n.value >= 4:
            v = ",".join(str(x) for x in C.cast(d, C.POINTER(C.c_long))[:4])
        X.XFree(d)
    return v
print("connected", flush=True)
sys.stdin.readline()                      # "arm"
base = get()
print("ready", base, flush=True)
line = sys.stdin.readline().split()
t0 = float(line[1]) if len(line) > 1 else time.time()
deadline = t0 + timeout
while True:
    v = get()
    now = time.time()
    if v != base:
        print("changed %.1f %s" % ((now - t0) * 1000.0, v), flush=True); break
    if now >= deadline:
        print("timeout", flush=True); break
    time.sleep(interval)
sys.stdin.read()                          # keep the connection until EOF
PYEOF
}


# ---------------------------------------------------------------- X + WM
mkdir -p "$RUN/ob/openbox" "$RUN/home"
# throwaway openbox config: stock rc.xml, 1 desktop, no margins
sed -e 's#<number>[0-9]*</number>#<number>1</number>#' \
    "$(ls /etc/xdg/openbox/rc.xml /etc/xdg/openbox/lxde-rc.xml 2>/dev/null | head -n1)" \
    > "$RUN/ob/openbox/rc.xml"

# Xvfb picks a free display itself and writes its number once it accepts connections, so several
# benchmarks (and the end-to-end tests) can run side by side.
PANEL_BENCH_TAG="$TAG-infra" Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp \
    3> "$RUN/displayfd" > "$RUN/xvfb.log" 2>&1 &
XVFB_PID=$!
DNUM=
for ((i = 0; i < 400; i++)); do        # up to 10 s
    alive "$XVFB_PID" || die "Xvfb exited: $(tail -n 3 "$RUN/xvfb.log")"
    DNUM=$(tr -d ' \n' < "$RUN/displayfd" 2>/dev/null)
    [ -n "$DNUM" ] && break
    sleep 0.025
done
[ -n "$DNUM" ] || die "Xvfb did not come up"
DISP=":$DNUM"

write_poller
# The poller connects first and stays connected until the end, so the server
# never sees "last client gone" (no reset) while we probe it with xprop.
coproc POLL { exec "$PY" "$RUN/wapoll.py" "$DISP" "$POLL_MS" "$TIMEOUT_S" 2>>"$RUN/poll.err"; }
POLLER=$POLL_PID     # bash unsets POLL_PID once the coprocess exits
PR=${POLL[0]}; PW=${POLL[1]}
read -r -t 10 -u "$PR" connected || die "poller did not start: $(cat "$RUN/poll.err")"
[ "$connected" = connected ] || die "poller: $connected"

# openbox; retried a few times as a safety net against the reset race above
for ((attempt = 1; attempt <= 5; attempt++)); do
    env -u SESSION_MANAGER -u DBUS_SESSION_BUS_ADDRESS DISPLAY=$DISP \
        HOME="$RUN/ob" XDG_CONFIG_HOME="$RUN/ob" PANEL_BENCH_TAG="$TAG-infra" \
        openbox --config-file "$RUN/ob/openbox/rc.xml" > "$RUN/openbox.log" 2>&1 {PR}<&- {PW}>&- &
    OB_PID=$!
    BASE=
    for ((i = 0; i < 400; i++)); do
        alive_nz "$OB_PID" || break
        if DISPLAY=$DISP xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
            BASE=$(workarea)
            [ -n "$BASE" ] && break
        fi
        sleep 0.025
    done
    [ -n "$BASE" ] && break
    alive_nz "$OB_PID" && die "openbox did not set _NET_WORKAREA"
    echo "note: openbox attempt $attempt failed: $(tail -n 1 "$RUN/openbox.log")" >> "$DETAILS"
    wait "$OB_PID" 2>/dev/null; OB_PID=
    sleep 0.2
done
[ -n "$BASE" ] || die "openbox failed to start: $(tail -n 3 "$RUN/openbox.log")"
sleep 0.3                               # let the WM finish its startup work
BASE=$(workarea)
echo "baseline_workarea=$BASE" >> "$DETAILS"

echo "baseline_workarea=$BASE" >> "$DETAILS"
echo arm >&"$PW"
read -r -t 10 -u "$PR" ready pbase || die "poller did not answer: $(cat "$RUN/poll.err")"
[ "$ready" = ready ] || die "poller: $ready $pbase"
[ "$pbase" = "$BASE" ] || echo "note: poller baseline $pbase != xprop $BASE" >> "$DETAILS"


# ---------------------------------------------------------------- launch
H=$RUN/home
mkdir -p "$H/.config" "$H/.local/share" "$H/.cache" "$H/.local/state" "$RUN/runtime"
chmod 700 "$RUN/runtime"
if [ -n "${PANEL_BENCH_SEED:-}" ]; then
    [ -d "$PANEL_BENCH_SEED" ] || die "PANEL_BENCH_SEED is not a directory"
    cp -a "$PANEL_BENCH_SEED/." "$H/"
fi
T0=$EPOCHREALTIME
env -u SESSION_MANAGER -u DBUS_SESSION_BUS_ADDRESS \
    DISPLAY=$DISP HOME="$H" XDG_RUNTIME_DIR="$RUN/runtime" \
    XDG_CONFIG_HOME="$H/.config" XDG_DATA_HOME="$H/.local/share" \
    XDG_CACHE_HOME="$H/.cache" XDG_STATE_HOME="$H/.local/state" \
    PANEL_BENCH_TAG="$TAG" \
    "$@" > "$RUN/panel.log" 2>&1 < /dev/null {PR}<&- {PW}>&- &
PANEL_PID=$!
echo "go $T0" >&"$PW"
res=
while :; do
    read -r -t 0.2 -u "$PR" res ms newwa && break
    [ $? -le 128 ] && { res=; break; }          # EOF: poller died
    # stop early if the command died and left nothing tagged behind
    if ! alive_nz "$PANEL_PID" && [ -z "$(tagged_pids "$TAG")" ]; then res=; break; fi
done

STARTUP=timeout; WA=$BASE; RSS=NA; SELF_RSS=NA; END_RSS=NA; BUS_DAEMONS=NA; CPU=NA; HOOK_OUT=
if [ "$res" = changed ]; then
    STARTUP=$(printf '%.0f' "$ms"); WA=$newwa
elif ! alive_nz "$PANEL_PID"; then
    wait "$PANEL_PID"; STARTUP="exited($?)"
fi

if [ "$res" = changed ]; then
    nap "$SETTLE_S"
    WA5=$(workarea)
    [ "$WA5" = "$WA" ] || echo "note: workarea changed again: $WA -> $WA5 at +${SETTLE_S}s" >> "$DETAILS"
    RSS=0; PSS=0
    {
        echo "t=+${SETTLE_S}s  pid comm rss_kb pss_kb"
        for p in $(tree_pids "$PANEL_PID" "$TAG"); do
            r=$(rss_of "$p"); s=$(pss_of "$p")
            RSS=$((RSS + r)); PSS=$((PSS + s))
            echo "  $p $(comm_of "$p") $r $s"
        done
        echo "sum rss_kb=$RSS pss_kb=$PSS"
    } >> "$DETAILS"
    SELF_RSS=$(rss_of "$PANEL_PID")
    BUS_DAEMONS=0
    for p in $(tree_pids "$PANEL_PID" "$TAG"); do
        case "$(comm_of "$p")" in dbus-daemon|dbus-launch) BUS_DAEMONS=$((BUS_DAEMONS + 1)) ;; esac
    done
    if [ -n "${PANEL_BENCH_HOOK:-}" ]; then
        echo "--- hook: $PANEL_BENCH_HOOK" >> "$DETAILS"
        HOOK_OUT=$(DISPLAY=$DISP PANEL_BENCH_PANEL_PID=$PANEL_PID \
            bash -c "$PANEL_BENCH_HOOK" 2>> "$DETAILS" < /dev/null | tr '\n' ' ')
        HOOK_OUT=${HOOK_OUT% }; [ -n "$HOOK_OUT" ] && HOOK_OUT=" $HOOK_OUT"
    fi
fi

if [ "$res" = changed ] && [ "$IDLE_S" -gt 0 ]; then
    # Baseline right after the RSS sample (or hook): every thread's run time, every process's
    # ended children. A thread that ends in the window loses what it used after the baseline; one
    # born in it counts whole.
    declare -A T1=() C1=()
    for p in $(tree_pids "$PANEL_PID" "$TAG"); do
        while read -r tid ns; do T1[$tid]=$ns; done < <(thread_times "$p")
        C1[$p]=$(children_us "$p" || echo 0)
    done
    nap "$IDLE_S"
    USED_US=0
    {
        echo "t=+$((SETTLE_S + IDLE_S))s pid comm cpu_us_in_window"
        for p in $(tree_pids "$PANEL_PID" "$TAG"); do
            c=$(children_us "$p") || continue
            d=$(( c - ${C1[$p]:-0} )); ((d < 0)) && d=0
            while read -r tid ns; do
                t=$(( (ns - ${T1[$tid]:-0}) / 1000 )); ((t > 0)) && d=$((d + t))
            done < <(thread_times "$p")
            USED_US=$((USED_US + d))
            echo "  $p $(comm_of "$p") $d"
        done
    } >> "$DETAILS"
    END_RSS=$(rss_of "$PANEL_PID")
    CPU=$(awk -v t="$USED_US" -v s="$IDLE_S" 'BEGIN{printf "%.1f", t / 1000 * 60 / s}')
    alive_nz "$PANEL_PID" || echo "note: panel process exited during measurement" >> "$DETAILS"
fi

{
    echo "--- panel output (tail)"; tail -n 15 "$RUN/panel.log"
} >> "$DETAILS"
sed 's/^/  | /' "$DETAILS" >&2

echo "$NAME startup_ms=$STARTUP rss_kb=$RSS self_rss_kb=$SELF_RSS bus_daemons=$BUS_DAEMONS idle_cpu_ms_per_min=$CPU end_self_rss_kb=$END_RSS workarea=$WA$HOOK_OUT"
[ "$res" = changed ] || exit 2
exit 0
