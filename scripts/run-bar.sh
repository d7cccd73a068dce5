#!/usr/bin/env bash
# Sets up, builds and starts the bar. Without a display it starts one (Xvfb with openbox) and a
# private home, saves a screenshot and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
program=$PWD/build/quorix

if [[ -n "${DISPLAY:-}" ]]; then
    exec "$program" "$@"
fi

source scripts/xsession.sh
start_virtual_display
home=$(mktemp -d)
# The bar closes cleanly (SIGTERM) before its display goes away.
trap '[[ -n "${bar:-}" ]] && kill "$bar" 2>/dev/null && wait "$bar"; stop_virtual_display; rm -rf "$home"' EXIT
# A private home that has been started before: no first-use question over the picture.
mkdir -p "$home/.local/share/Brenmoor/Quorix/Data"
sed 's/^firstuse=1/firstuse=0/' resources/Default/Data/settings.ini \
    >"$home/.local/share/Brenmoor/Quorix/Data/settings.ini"
HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home \
    "$program" "$@" &
bar=$!
sleep "${QUORIX_SHOW_SECONDS:-3}"
xdotool search --name QuorixMainMenu >/dev/null && xdotool mousemove 60 10 click 1 || true
sleep 1
screenshot=$PWD/build/quorix-screenshot.png
import -window root "$screenshot"
echo "Quorix ran on the virtual display $DISPLAY; screenshot: $screenshot"
