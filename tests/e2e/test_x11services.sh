#!/usr/bin/env bash
# The X11 services test program (window list, polite close, global hotkeys, substitute taskbar)
# needs a real X server with a window manager: run it on the virtual display.
source "$(dirname "$0")/lib.sh" "$@"
tests=$BUILD_DIR/tests
QT_QPA_PLATFORM=xcb "$tests/tst_x11services" || fail "tst_x11services failed under X"
pass "X11 services under openbox"
