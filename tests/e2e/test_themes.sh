#!/usr/bin/env bash
# Two contrasting named themes, each copied into the current theme: the bar takes the theme's
# background, the hot item of an open menu shows the theme's gradient from its left to its right
# end, and the popup's border is the theme's border colour.
source "$(dirname "$0")/lib.sh" "$@"

# "r,g,b" of a colour value as themes store it (0x00BBGGRR).
rgb() { local v=$1; echo "$((v & 255)),$(((v >> 8) & 255)),$(((v >> 16) & 255))"; }

# theme_value THEME KEY: a key of a named theme in the shipped themes.ini.
theme_value() {
    awk -v section="[$1]" -v key="$2" '$0 == section {inside = 1; next} /^\[/ {inside = 0}
        inside && index($0, key "=") == 1 {print substr($0, length(key) + 2); exit}' "$DATA/themes.ini"
}

# A row of a screenshot as "x:r,g,b" lines for x in [from, to).
row_pixels() {
    convert "$1" -crop "$(($3 - $2))x1+$2+$4" +repage -depth 8 txt:- \
        | sed -n 's/^\([0-9]*\),0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1:\2,\3,\4/p'
}

# Colour distance check: each channel within 24.
near() {
    local IFS=,; local a=($1) b=($2) i
    for i in 0 1 2; do (( ${a[i]} - ${b[i]} > 24 || ${b[i]} - ${a[i]} > 24 )) && return 1; done
    return 0
}

# themed_as_expected PICTURE [report]: the bar's background is the theme's, the hot item's row
# runs from the gradient's start to its end colour, and the popup's border is the theme's; with
# "report" the first fault fails the test.
themed_as_expected() {
    local shot=$1 report=${2:-}
    local background; background=$(row_pixels "$shot" 700 701 $((row / 2)) | cut -d: -f2)
    if ! near "$background" "$menu_background"; then
        [[ -n "$report" ]] && fail "$theme: bar background $background"
        return 1
    fi
    # The hot item's row: the first and last pixels of the highlight inside the popup.
    local pixels line colour
    mapfile -t pixels < <(row_pixels "$shot" 0 400 $((bh + 12)))
    first="" last=""
    for line in "${pixels[@]}"; do
        colour=${line#*:}
        if [[ -z "$first" ]] && near "$colour" "$from"; then first=${line%%:*}; fi
        if near "$colour" "$to"; then last=${line%%:*}; fi
    done
    if ! [[ -n "$first" && -n "$last" && "$last" -gt "$first" ]]; then
        [[ -n "$report" ]] && fail "$theme: no gradient from $from to $to on the hot item (first=$first last=$last)"
        return 1
    fi
    for line in "${pixels[@]}"; do
        near "${line#*:}" "$border" && return 0
    done
    [[ -n "$report" ]] && fail "$theme: no popup border in $border"
    return 1
}

check_theme() {
    local theme=$1
    prepare_data_folder
    local key
    for key in menu_color menu_font_color menu_select_color menu_select_font_color menu_popup_color \
               menu_popup_font_color menu_popup_select_color menu_popup_select_end_color \
               menu_popup_select_font_color menu_border_color infobar_color infobar_progress_color \
               infobar_progress_border_color infobar_progress_color_start infobar_progress_color_end \
               infobar_progress_font_color infobar_progress_font_styles; do
        set_setting theme "$key" "$(theme_value "$theme" "$key")"
    done
    set_setting infobar enabled 1
    set_setting infobar-objects progress0000 'object:"1"; prefix:"RAM: "; interval:"1"; active:"1";'
    set_setting infobar-objects progress0001 'object:"C"; prefix:"Disk: "; interval:"1"; active:"1";'
    start_quorix
    wait_for_bar || fail "$theme: the bar did not appear"
    local bar; bar=$(bar_window)
    read -r bx by bw bh < <(window_geometry "$bar")
    local row=$((bh / 2))
    # Open "Main" and rest the pointer on its first entry.
    click_to_open 36 $((row / 2)) || fail "$theme: Main did not open"
    xdotool mousemove --sync 60 $((bh + 12))
    local shot=$SCREEN_DIR/themes-$theme.png
    # The theme's colours as "r,g,b".
    menu_background=$(rgb "$(theme_value "$theme" menu_color)")
    from=$(rgb "$(theme_value "$theme" menu_popup_select_color)")
    to=$(rgb "$(theme_value "$theme" menu_popup_select_end_color)")
    border=$(rgb "$(theme_value "$theme" menu_border_color)")
    # The picture is right once the hot item has been painted: the screen is waited on until it
    # shows everything, and the last picture tells what is missing.
    wait_for_picture "themes-$theme" themed_as_expected 10 || true
    themed_as_expected "$shot" report
    pass "$theme: background, gradient $first..$last and border"
    xdotool key Escape Escape
    kill -TERM "$QUORIX_PID"
    wait_for_exit "$QUORIX_PID" 10 || fail "$theme: the bar did not close"
    rm -rf "$DATA"
}

check_theme Ocean
check_theme Graphite
