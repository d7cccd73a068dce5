#!/usr/bin/env bash
# Sets up, builds the program (only what it needs to run) and starts the bar. Without a display it
# starts one (Xvfb with openbox) and a private home, opens the bar's "Main" menu, saves a
# screenshot and says where it is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# The program and its default data files beside it; the tests are built by scripts/run-tests.sh.
scripts/build.sh build --target quorix
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

quorix_windows() { xdotool search --onlyvisible --class quorix 2>/dev/null | wc -l; }
bar_shown() { xdotool search --onlyvisible --name '^QuorixMainMenu$'; }
popup_open() { (($(quorix_windows) > 1)); }
screenshot=$PWD/build/quorix-screenshot.png
# Painted once the picture has more than the background in it where the menu opened.
popup_painted() {
    import -window root "$screenshot" &&
        (($(convert "$screenshot" -crop 200x100+30+30 +repage -format %k info:) > 2))
}
wait_until 30 bar_shown || { echo "the bar did not appear on $DISPLAY" >&2; exit 1; }
# "Main" is the second title of the menu row, right of the icon button.
xdotool mousemove --sync 60 10 click 1
wait_until 10 popup_open && wait_until 10 popup_painted || import -window root "$screenshot"
echo "Quorix ran on the virtual display $DISPLAY; screenshot: $screenshot"
