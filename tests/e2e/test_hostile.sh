#!/usr/bin/env bash
# A hostile home: a data folder and menu folders seeded with every kind of damage anyone could put
# there (FIFOs named like desktop entries, icons, shortcuts and bookmark lists, a desktop entry of a
# gigabyte, thousands of entries, a custom-menu chain two thousand deep, absurd numbers in
# settings.ini, a run history with a line of megabytes). The bar starts, every menu opens within a
# second, SIGTERM ends the bar, and every file it did not mean to change is byte for byte as it was.
source "$(dirname "$0")/lib.sh" "$@"

prepare_data_folder
WORK=$TEST_HOME/work
FAVORITES=$XDG_DATA_HOME/Brenmoor/Quorix/Favorites
mkdir -p "$WORK" "$FAVORITES" "$TEST_HOME/docs"

# --- the damage -----------------------------------------------------------------------------------
mkfifo "$WORK/pipe-icon.png" "$WORK/trap.desktop" "$FAVORITES/pipe.url" "$TEST_HOME/docs/photo.jpg.desktop"
printf '[Desktop Entry]\nType=Application\nName=Aaa pipe icon\nExec=true\nIcon=%s\n' "$WORK/pipe-icon.png" \
    > "$WORK/aaa-pipe-icon.desktop"
chmod +x "$WORK/aaa-pipe-icon.desktop"    # trusted, so its Icon= is used
truncate -s 1G "$WORK/aab-giant.desktop"          # sparse: a gigabyte that costs no disk
# A picture that is a desktop entry, a script named as a picture, a name that is no UTF-8.
printf '[Desktop Entry]\nType=Application\nName=Holiday photo.jpg\nExec=touch %s\nIcon=image-x-generic\n' \
    "$TEST_HOME/launched.marker" > "$WORK/photo.jpg.desktop"
printf '#!/bin/sh\ntouch %s\n' "$TEST_HOME/launched.marker" > "$WORK/holiday.jpg"
chmod +x "$WORK/holiday.jpg"
: > "$WORK/$(printf 'caf\xe9.txt')"
# The bar's own data file of hotkeys replaced by a FIFO nobody writes to.
rm -f "$DATA/hotkeys.dat" && mkfifo "$DATA/hotkeys.dat"
python3 - "$WORK" <<'PY'
import os, sys
for i in range(5000):
    with open(f"{sys.argv[1]}/entry{i:05d}.desktop", "w") as f:
        f.write(f"[Desktop Entry]\nType=Application\nName=Entry {i:05d}\nExec=true\n")
    os.chmod(f"{sys.argv[1]}/entry{i:05d}.desktop", 0o755)
PY
truncate -s 1G "$FAVORITES/giant.url"
printf '[InternetShortcut]\nURL=https://example.org/\n' > "$FAVORITES/Example.url"
# Recently used: a bookmark on a FIFO named like a desktop entry, among many others.
python3 - "$XDG_DATA_HOME/recently-used.xbel" "$TEST_HOME/docs" <<'PY'
import sys
path, docs = sys.argv[1:]
with open(path, "w") as f:
    f.write('<?xml version="1.0"?>\n<xbel version="1.0">\n')
    f.write(f'<bookmark href="file://{docs}/photo.jpg.desktop" modified="2030-01-01T00:00:00Z"/>\n')
    for i in range(20000):
        f.write(f'<bookmark href="file://{docs}/gone{i}.txt" modified="2024-01-01T00:00:00Z"/>\n')
    f.write('</xbel>\n')
PY
# A run history with a 10 MB line and text from Windows.
{ printf 'first\r\n'; head -c 10000000 /dev/zero | tr '\0' a; printf '\r\ncaf\xe9\r\n'; } > "$DATA/runhisto.dat"
# Sizes no screen can use.
for key in runwidth height; do set_setting menu-settings "$key" 2147483647; done
set_setting menu-settings showrun 1
set_setting infobar width 2147483647
set_setting marquee-settings width 2147483647
# The menus: the folder, the recent files, the web shortcuts, and a custom-menu chain.
{
    printf '[header]\nversion=01030000\n\n[menu]\n'
    printf 'item0000=active:"1"; itemtype:"0"; name:"&Work"; path:"%s"; mask:"*.*"; maxitems:"-1"; expanded:"0";\n' "$WORK"
    printf 'item0001=active:"1"; itemtype:"0"; name:"&Recent"; path:"$RECENTFILES$"; maxitems:"-1"; expanded:"0";\n'
    printf 'item0002=active:"1"; itemtype:"0"; name:"&Urls"; path:"$URLS$"; maxitems:"-1"; expanded:"0";\n'
    printf 'item0003=active:"1"; itemtype:"0"; name:"&Deep"; path:"$CUSMENUS$/m0"; maxitems:"-1"; expanded:"0";\n'
    for i in $(seq 0 1999); do
        printf '[m%d]\nitem0000=active:"1"; itemtype:"1"; name:"x%d"; path:"x";\n' "$i" "$i"
        printf 'item0001=active:"1"; itemtype:"0"; path:"$CUSMENUS$/m%d"; expanded:"1";\n' $((i + 1))
        printf 'item0002=active:"1"; itemtype:"0"; path:"$CUSMENUS$/m%d"; expanded:"1";\n' $((i + 1))
    done
} > "$DATA/menusettings.ini"

# Every file the bar has no reason to change, and what it holds (FIFOs by type only).
snapshot() {
    find "$TEST_HOME" \( -path "$XDG_RUNTIME_DIR" -o -path "$XDG_STATE_HOME" -o -path "$XDG_CACHE_HOME" \) -prune \
        -o \( -type f -o -type p \) -print | grep -av -e '/settings.ini$' -e '/registry.ini$' -e '/quorix.log$' | sort |
        while read -r file; do
            if [[ -p "$file" ]]; then echo "fifo $file"; else echo "$(cksum < "$file") $file"; fi
        done
}
before=$(snapshot)
(( $(wc -l <<< "$before") > 5000 )) || fail "the snapshot missed files"

# --- the bar starts and every menu opens at once --------------------------------------------------
start_quorix
wait_for_bar || fail "the bar did not appear"
bar=$(bar_window)
read -r bx by bw bh < <(window_geometry "$bar")
(( bh < 600 )) || fail "the bar is $bh pixels high"
pass "the bar started with a sane height ($bh)"

# The menu row is the top of the bar, however high the bar is.
click_to_open $((bx + 36)) $((by + 11)) || fail "Main did not open"
left=$(popup_left)
xdotool key Right
wait_for "[[ \$(popup_left) -gt $left ]]" 1 || fail "the Work menu did not open within a second"
screenshot hostile-Work
pass "the Work menu opened within a second"
# A menu of many columns takes Right for itself: close it, step to the next title and open that.
for menu in Recent Urls Deep; do
    xdotool key Escape
    wait_for '[[ -z "$(popup_left)" ]]' 5 || fail "the menu before $menu did not close"
    xdotool key Right Down
    wait_for '[[ -n "$(popup_left)" ]]' 1 || fail "the $menu menu did not open within a second"
    screenshot "hostile-$menu"
    pass "the $menu menu opened within a second"
done
xdotool key Escape Escape
kill -0 "$QUORIX_PID" 2>/dev/null || fail "the bar ended"

# --- SIGTERM ends the bar, and nothing it did not mean to change has changed ------------------------
kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "SIGTERM did not end the bar"
after=$(snapshot)
# Files the bar makes for itself (a new notes file) may appear; none that was there may change.
changed=$(comm -23 <(sort <<< "$before") <(sort <<< "$after"))
[[ -z "$changed" ]] || fail "files changed: $(head -n 10 <<< "$changed" | tr '\n' ' ')"
grep -q '^runwidth=2147483647' "$DATA/settings.ini" || fail "the typed run width was written over"
[[ ! -e "$TEST_HOME/launched.marker" ]] || fail "something was launched"
pass "SIGTERM ended the bar and every other file is as it was"
