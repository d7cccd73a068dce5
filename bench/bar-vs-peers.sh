#!/usr/bin/env bash
# bar-vs-peers.sh BUILD_DIR [ROUNDS] - Quorix beside tint2, lxqt-panel and xfce4-panel, interleaved,
# on the same Xvfb + openbox set-up (panel-bench.sh): start to docked, resident memory, idle CPU,
# and whether a D-Bus daemon was started for the bar (the sessions here have no bus).
# Quorix runs twice per round: with its default data, and "loaded" (four meters at 1 s and a clock
# marquee). With BASELINE=OTHER_BUILD_DIR an older build runs beside it in the same rounds
# ("before-default", "before-loaded"), so a change is measured before and after on one machine
# load. Peers missing on this machine are skipped (apt-get install tint2 lxqt-panel xfce4-panel).
#
# Each round also runs bench/qt-label-clock from the build (YARDSTICK=0 leaves it out): a docked
# window with one plain QLabel clock, the least any Qt Widgets bar with a seconds clock pays.
#
# Environment: OUT (results file, default /tmp/bar-vs-peers/results.txt), BASELINE, PEERS (the
# peers to run, default "tint2 lxqt-panel xfce4-panel"), YARDSTICK, and panel-bench.sh's
# PANEL_BENCH_*.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [ROUNDS]" >&2; exit 1; }
BUILD=$(cd "$1" && pwd); ROUNDS=${2:-3}
OUT=${OUT:-/tmp/bar-vs-peers/results.txt}
PEERS=${PEERS-tint2 lxqt-panel xfce4-panel}
mkdir -p "$(dirname "$OUT")"; : > "$OUT"; : > "$OUT.details"
SEEDS=$(mktemp -d)
trap 'rm -rf "$SEEDS"' EXIT

# Two seeded homes: the default data with the first-use questions answered, and the same loaded
# with four one-second meters and a clock marquee refreshed every second.
seed() {   # seed NAME BUILD_DIR
    local d=$SEEDS/$1/.local/share/Brenmoor/Quorix/Data
    mkdir -p "$d" "$SEEDS/$1/.local/share/Brenmoor/Quorix/Projects"
    cp "$2"/Default/Data/* "$d"/
    python3 "$HERE/iniset.py" "$d/settings.ini" generel firstuse 0
}
load() {   # load NAME: the loaded configuration
    local ini=$SEEDS/$1/.local/share/Brenmoor/Quorix/Data/settings.ini
    set_key() { python3 "$HERE/iniset.py" "$ini" "$@"; }
    set_key infobar enabled 1
    set_key infobar-objects progress0000 'object:"0"; prefix:"CPU:"; interval:"1"; active:"1";'
    set_key infobar-objects progress0001 'object:"1"; prefix:"RAM:"; interval:"1"; active:"1";'
    set_key infobar-objects progress0002 'object:"C"; prefix:"HDD C:"; interval:"1"; active:"1";'
    set_key infobar-objects progress0003 'object:"2"; prefix:"Power:"; interval:"1"; active:"1";'
    set_key marquee line0 'Clock [Time()]'
    set_key marquee-settings showmarquee 1
    set_key marquee-settings marqueetimer 0
    set_key marquee-settings marqueeframelength 1
}
builds=("quorix=$BUILD")
[ -n "${BASELINE:-}" ] && builds+=("before=$(cd "$BASELINE" && pwd)")
for entry in "${builds[@]}"; do
    label=${entry%%=*}; dir=${entry#*=}
    seed "$label-default" "$dir"
    seed "$label-loaded" "$dir"
    load "$label-loaded"
done

run() {   # run NAME COMMAND...
    echo "### round $r $1" >> "$OUT.details"
    "$HERE/panel-bench.sh" "$@" >> "$OUT" 2>> "$OUT.details"
}
for ((r = 1; r <= ROUNDS; r++)); do
    for entry in "${builds[@]}"; do
        label=${entry%%=*}; dir=${entry#*=}
        for v in default loaded; do
            PANEL_BENCH_SEED=$SEEDS/$label-$v run "$label-$v" -- "$dir/quorix"
        done
    done
    # The yardstick: what Qt Widgets alone cost for a docked window with a clock set every second.
    if [ "${YARDSTICK:-1}" = 1 ] && [ -x "$BUILD/bench/qt-label-clock" ]; then
        run qt-label-clock -- "$BUILD/bench/qt-label-clock"
    fi
    for peer in $PEERS; do
        command -v "$peer" >/dev/null || continue
        case "$peer" in
            xfce4-panel) run "$peer" -- dbus-run-session -- xfce4-panel ;;
            *) run "$peer" -- "$peer" ;;
        esac
    done
done

echo "load: $(uptime)"
"$HERE/summarize.sh" "$OUT"
echo "(medians (min-max) of $ROUNDS rounds; rss_kb sums the panel's process tree, self_rss_kb is"
echo " its own process; bus_daemons counts dbus-daemon/dbus-launch started for it; per-process"
echo " figures are in $OUT.details)"
"$HERE/summarize.sh" --goals "$OUT"
