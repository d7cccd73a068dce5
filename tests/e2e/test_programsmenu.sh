#!/usr/bin/env bash
# The Programs menu as a Linux user expects it: the applications grouped in category submenus,
# both from the desktop's menu file and, where there is none, by main category; nothing but
# applications listed (no mimeinfo.cache); the user's copy of an entry in place of the system's;
# choosing an entry starts its program. The menus are read through the accessibility tree.
source "$(dirname "$0")/lib.sh" "$@"

/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi (python3-pyatspi)"; exit 0; }
use_accessibility # a session bus of the test's own, for the accessibility tree

prepare_data_folder
printf '%s\n' '[header]' 'version=01030000' '' '[menu]' \
    'item0000=active:"1"; itemtype:"0"; name:"&Programs"; path:"$PROGRAMS$"; mask:"*.*"; maxitems:"-1"; expanded:"0";' \
    > "$DATA/menusettings.ini"

# Twenty applications in three categories; each leaves a marker named after it when it runs.
SYSTEM=$TEST_HOME/system
APPS=$SYSTEM/applications
mkdir -p "$APPS" "$TEST_HOME/bin" "$XDG_DATA_HOME/applications"
printf '#!/bin/sh\ntouch "%s/ran-$1"\n' "$TEST_HOME" > "$TEST_HOME/bin/mark"
chmod +x "$TEST_HOME/bin/mark"
entry() { # file name category folder
    printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s/bin/mark %s\nCategories=%s;\n' \
        "$2" "$TEST_HOME" "$1" "$3" > "$4/$1.desktop"
}
for i in 1 2 3 4 5 6 7 8; do entry "office$i" "Office Tool $i" Office "$APPS"; done
for i in 1 2 3 4 5 6 7; do entry "game$i" "Game $i" Game "$APPS"; done
for i in 1 2 3 4 5; do entry "dev$i" "Dev Tool $i" Development "$APPS"; done
printf '[MIME Cache]\ntext/plain=office1.desktop;\n' > "$APPS/mimeinfo.cache"
# The user's own copy of one of them.
entry game3 "My Game 3" Game "$XDG_DATA_HOME/applications"
export XDG_DATA_DIRS=$SYSTEM

open_entries() { $MENUTREE items | tr '\t\n' '|;'; }
# Waits until an open menu has the entry; fails with what is open. (grep reads to the end:
# with pipefail, a grep -q that stops early fails the pipeline.)
expect_entry() { # menu entry kind
    wait_for "$MENUTREE items | grep -xF '$1	$2	$3' >/dev/null" 10 || fail "no entry '$2' ($3) in '$1'; open: $(open_entries)"
}
count_in() { $MENUTREE items | awk -F'\t' -v menu="$1" '$1 == menu' | wc -l; }

check_programs() { # label office-folder development-folder
    local label=$1 office=$2 dev=$3
    start_quorix
    wait_for_bar || fail "$label: the bar did not appear"
    wait_for "$MENUTREE items" 15 || fail "$label: the bar has no accessibility tree"
    wait_for "$MENUTREE open Programs" 10 || fail "$label: could not open Programs"
    expect_entry Programs "$office" submenu
    expect_entry Programs Games submenu
    expect_entry Programs "$dev" submenu
    [[ $(count_in Programs) -eq 3 ]] || fail "$label: Programs holds more than the categories: $(open_entries)"
    ! $MENUTREE items | grep mimeinfo >/dev/null || fail "$label: the cache file is listed"
    pass "$label: Programs shows the three categories and nothing else"

    $MENUTREE open Games || fail "$label: could not open Games"
    expect_entry Games "My Game 3" entry
    expect_entry Games "Game 7" entry
    ! $MENUTREE items | grep -F "Games	Game 3	" >/dev/null || fail "$label: the system's copy of game3 is listed too"
    [[ $(count_in Games) -eq 7 ]] || fail "$label: Games does not hold its 7 entries: $(open_entries)"
    pass "$label: a category lists its applications; the user's copy hides the system's"
    screenshot "programsmenu-$label"

    $MENUTREE press "My Game 3" || fail "$label: could not choose My Game 3"
    wait_for '[[ -e "$TEST_HOME/ran-game3" ]]' 10 || fail "$label: choosing My Game 3 did not start it"
    rm -f "$TEST_HOME/ran-game3"
    pass "$label: choosing an entry starts it"

    kill -TERM "$QUORIX_PID"
    wait_for_exit "$QUORIX_PID" 10 || fail "$label: the bar did not end"
}

# Without a menu file: grouped by main category.
export XDG_CONFIG_DIRS=$TEST_HOME/no-menus
unset XDG_MENU_PREFIX
check_programs categories Office Programming

# With the desktop's menu file (the one gnome-menus ships; without its .directory files the
# folders show their menu names).
if [[ -f /etc/xdg/menus/gnome-applications.menu ]]; then
    export XDG_CONFIG_DIRS=/etc/xdg XDG_MENU_PREFIX=gnome-
    check_programs menufile Office Development
fi
