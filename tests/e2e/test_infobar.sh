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

# The colour of one pixel of a screenshot as "r,g,b".
pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- \
        | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Meter i sits at x = 10 + 160 i, one pixel below the row's top; its border is its first visible
# line. The place of a fourth meter shows the row's own colour.
border_y=$((row + 2))
meter_colours() {
    local i
    for i in 0 1 2 3; do pixel "$1" $((10 + 160 * i + 75)) $border_y; done
    pixel "$1" 5 $border_y
}
# Three blue borders, then the green row where a fourth meter would be and in the margin.
expected="0,0,255 0,0,255 0,0,255 0,255,0 0,255,0"
meters_shown() { [[ "$(meter_colours "$1" | paste -sd' ')" == "$expected" ]]; }
# The marquee sits at the right end of the first row.
marquee_crop() {
    convert "$1" -crop "200x$row+$((sw - 200))+0" +repage -depth 8 rgb:- | md5sum
}
marquee_shows_text() {
    (( $(convert "$1" -crop "200x$row+$((sw - 200))+0" +repage -format %k info:) > 1 ))
}
first=$SCREEN_DIR/infobar-first.png
painted() { meters_shown "$1" && marquee_shows_text "$1"; }
wait_for_picture infobar-first painted 10 \
    || fail "meter border, fourth place and margin colours: $(meter_colours "$first" | paste -sd' '), expected $expected; or no marquee text"
pass "three meters in the second row"

# The clock shows another time a second later.
first_clock=$(marquee_crop "$first")
clock_changed() { [[ "$(marquee_crop "$1")" != "$first_clock" ]]; }
wait_for_picture infobar-second clock_changed 5 || fail "the marquee clock did not change"
pass "the marquee clock ticks"

kill -TERM "$QUORIX_PID"
wait_for_exit "$QUORIX_PID" 10 || fail "the bar did not close"
pass "closed cleanly"
