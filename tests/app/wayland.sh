#!/usr/bin/env bash
# The program in a Wayland session on weston (its X11 backend on the tests' X server): with an
# X server it takes X11 and opens centred; without, weston maximizing it neither ends it nor
# costs its size or list. 255 typed and added shows FF and 11111111. wayland.sh PROGRAM
set -u && unset QT_QPA_PLATFORM
run=$(mktemp -d) && export XDG_RUNTIME_DIR=$run WAYLAND_DISPLAY=wayland-test XDG_SESSION_TYPE=wayland
fail() { echo "FAIL: $*"; exit 1; }
within() { # tries a check for up to 10 s while the program runs
    for _ in $(seq 100); do
        eval "$2" && return
        kill -0 ${program:-$$} || fail "the program ended waiting for $1 $(grep -s error "$run/protocol")"
        sleep 0.1
    done
    fail "$1"
}
block=$(printf '\r\nThe result from Decimal is:\r\nDecimal   255\r\nHex          FF\r\nBinary      11111111\r\n%080d' 0 | tr 0 -)
weston --no-config --backend=x11-backend.so --use-pixman --socket=$WAYLAND_DISPLAY \
    --width=1024 --height=768 --idle-time=0 --log="$run/weston.log" & weston=$!
trap 'kill $weston ${program:-} 2>/dev/null; rm -rf "$run"' EXIT
output=$(timeout 10 xdotool search --sync --classname '^weston') ||
    { echo "SKIP: weston cannot start: $(tail -n 3 "$run/weston.log")"; exit 77; }
within "weston's socket" '[ -S "$run/$WAYLAND_DISPLAY" ]'

"$1" & program=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --pid $program --name '^Quindle$') ||
    fail "no X11 window: the program did not take X11 beside Wayland"
eval "$(xdotool getwindowgeometry --shell "$window")"
read -r screen_width screen_height <<<"$(xdotool getdisplaygeometry)"
placed="${WIDTH}x$HEIGHT at $X,$Y on ${screen_width}x$screen_height"
[ "$WIDTH" = 476 ] && [ "$HEIGHT" -gt 198 ] && (((2 * X + WIDTH - screen_width) ** 2 <= 4 &&
    (2 * Y + HEIGHT - screen_height) ** 2 <= 4)) || fail "window $placed, not centred or not its size"
xdotool windowsize "$window" 800 600 # as a window manager heedless of size hints does
within "the X11 window's own size again" \
    '[ "$(xdotool getwindowgeometry "$window" | grep -o "[0-9]*x[0-9]*")" = "${WIDTH}x$HEIGHT" ]'
kill $program
# A platform the user names is kept, in the environment or on the command line.
toplevel='xdg_toplevel[@#][0-9]*\.configure('
WAYLAND_DEBUG=1 QT_QPA_PLATFORM=wayland "$1" 2>"$run/named" & program=$!
WAYLAND_DEBUG=1 "$1" -platform wayland 2>"$run/argument" & program="$program $!"
within "windows on weston when asked for" 'grep -q "$toplevel" "$run/named" && grep -q "$toplevel" "$run/argument"'
kill $program

xdotool windowfocus --sync "$output"
env -u DISPLAY WAYLAND_DEBUG=1 "$1" 2>"$run/protocol" & program=$!
geometry() { grep -o 'set_window_geometry(.*)' "$run/protocol" | "$1" -n 1; }
within "the keyboard on a window on weston, named as its launcher" 'grep -q "wl_keyboard[@#][0-9]*\.enter(" "$run/protocol" &&
    grep -q "set_app_id(\"org.voxtrel.Voxtrel\")" "$run/protocol"'
xdotool key --delay 50 2 5 5 F2 super+shift+m
within "weston's maximize" 'maximized=$(grep -o "$toplevel[1-9][0-9]*, [0-9]*" "$run/protocol" | grep -o "[0-9]*, [0-9]*$")'
# Maximized at the size weston gave, as it requires; then at the window's own again.
within "the window's own size again" '[ "$(geometry tail)" = "$(geometry head)" ] &&
    grep -q "set_window_geometry(0, 0, $maximized)" "$run/protocol"'
xdotool key --delay 50 ctrl+a ctrl+c
# wl-paste takes the keyboard for a moment to read the clipboard: only once the program copied.
within "the program's copy" 'grep -q "wl_data_device[@#][0-9]*\.set_selection(wl_data_source" "$run/protocol"'
within "255's block copied on Wayland" '[ "$(env -u DISPLAY wl-paste -n 2>/dev/null; echo .)" = "$block." ]'
echo "PASS: X11 window $placed; Wayland $(geometry head), maximized to $maximized, then $(geometry tail)"
