#!/usr/bin/env bash
# The program in a Wayland session on weston, started on the tests' X server with its
# X11 backend: with an X server too, the program takes X11 and opens centred; without
# one it is weston's client, and weston maximizing it neither ends it nor costs its
# size. Each time 255 typed and added shows FF and 11111111 in the copied list.
# wayland.sh PROGRAM
set -u
unset QT_QPA_PLATFORM
run=$(mktemp -d) && export XDG_RUNTIME_DIR=$run WAYLAND_DISPLAY=wayland-test XDG_SESSION_TYPE=wayland
fail() { echo "FAIL: $*"; exit 1; }
# Tries a check for up to 10 s while the program runs.
within() {
    for _ in $(seq 100); do
        eval "$2" && return
        kill -0 ${program:-$$} || fail "the program ended waiting for $1 $(grep -s error "$run/protocol")"
        sleep 0.1
    done
    fail "$1"
}
copied() { [ "$("$@" 2>/dev/null | tr -d '\r')" = "$(printf '\nThe result from Decimal is:\nDecimal   255\nHex          FF\nBinary      11111111\n%080d' 0 | tr 0 -)" ]; }
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
echo "X11: ${WIDTH}x$HEIGHT at $X,$Y on ${screen_width}x$screen_height"
[ "$WIDTH" = 476 ] && [ "$HEIGHT" -gt 198 ] || fail "window ${WIDTH}x$HEIGHT"
(((2 * X + WIDTH - screen_width) ** 2 <= 4 && (2 * Y + HEIGHT - screen_height) ** 2 <= 4)) ||
    fail "window not centred"
xdotool windowfocus --sync "$window" key --delay 50 2 5 5 F2 ctrl+a ctrl+c
within "255's block copied on X11" 'copied xclip -o -selection clipboard'
kill $program

xdotool windowfocus --sync "$output"
DISPLAY= WAYLAND_DEBUG=1 "$1" 2>"$run/protocol" & program=$!
geometry() { grep -o 'set_window_geometry(.*)' "$run/protocol" | "$1" -n 1; }
within "the keyboard on a window on weston" 'grep -q "wl_keyboard@[0-9]*\.enter(" "$run/protocol"'
xdotool key --delay 50 2 5 5 F2 super+shift+m
within "weston's maximize" 'grep -q "xdg_toplevel@[0-9]*\.configure([1-9]" "$run/protocol"'
within "the window's own size again" '[ "$(geometry tail)" = "$(geometry head)" ] && grep -q unset_maximized "$run/protocol"'
echo "Wayland: $(geometry head), maximized: $(grep -o 'xdg_toplevel@[0-9]*\.configure([1-9][^)]*)' "$run/protocol"), then $(geometry tail)"
xdotool key --delay 50 ctrl+a ctrl+c
within "255's block copied on Wayland" 'copied env -u DISPLAY wl-paste'
echo PASS
