#!/usr/bin/env bash
# With the info bar on and three objects (processor, memory, the disk "/"), the bar's second row
# shows three meters in their places and nothing after them; a clock marquee on the first row
# shows a time that changes from one second to the next.
source "$(dirname "$0")/lib.sh" "$@"
prepare_data_folder
read -r sw sh < <(screen_size)
row=22

set_setting menu-settings height $row
set_setting infobar enabled 1
set_setting infobar progressbar-autosize 0
set_setting infobar width 150
set_setting infobar margin 10
set_setting infobar-objects progress0000 'object:"0"; prefix:"CPU:"; interval:"1"; active:"1";'
set_setting infobar-objects progress0001 'object:"1"; prefix:"RAM:"; interval:"1"; active:"1";'
set_setting infobar-objects progress0002 'object:"C"; prefix:"HDD C:"; interval:"5"; active:"1";'
set_setting infobar-objects progress0003 'object:"2"; prefix:"Power:"; interval:"5"; active:"0";'
# Colours that are easy to tell apart: a green row, blue meter borders.
set_setting theme infobar_color 65280
set_setting theme infobar_progress_border_color 16711680
set_setting marquee line0 'Clock [Time()]'
set_setting marquee-settings showmarquee 1
set_setting marquee-settings marqueetimer 0
set_setting marquee-settings marqueeframelength 1
set_setting marquee-settings position 0
set_setting marquee-settings autosize 0
set_setting marquee-settings width 200

start_quorix
wait_for_bar || fail "the bar did not appear"
bar=$(bar_window)
wait_for "[[ \"\$(window_geometry $bar)\" == \"0 0 $sw $((2 * row))\" ]]" 10 \
    || fail "bar geometry $(window_geometry "$bar"), expected two rows of $row"
sleep 1.5
screenshot infobar-first
first=$SCREEN_DIR/infobar-first.png

# The colour of one pixel of a screenshot as "r,g,b".
pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- \
        | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Meter i sits at x = 10 + 160 i, one pixel below the row's top; its border is its first visible
# line. The place of a fourth meter shows the row's own colour.
border_y=$((row + 2))
for i in 0 1 2; do
    x=$((10 + 160 * i + 75))
    colour=$(pixel "$first" $x $border_y)
    [[ "$colour" == "0,0,255" ]] || fail "meter $i: border colour $colour at $x,$border_y"
done
colour=$(pixel "$first" $((10 + 160 * 3 + 75)) $border_y)
[[ "$colour" == "0,255,0" ]] || fail "a fourth meter or no info bar colour: $colour"
colour=$(pixel "$first" 5 $border_y)
[[ "$colour" == "0,255,0" ]] || fail "the margin does not show the info bar colour: $colour"
pass "three meters in the second row"

# The marquee sits at the right end of the first row; a clock changes within two seconds.
marquee_crop() {
    convert "$1" -crop "200x$row+$((sw - 200))+0" +repage -depth 8 rgb:- | md5sum
}
sleep 2
screenshot infobar-second
[[ "$(marquee_crop "$first")" != "$(marquee_crop "$SCREEN_DIR/infobar-second.png")" ]] \
    || fail "the marquee clock did not change"
pass "the marquee clock ticks"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not close"
pass "closed cleanly"
