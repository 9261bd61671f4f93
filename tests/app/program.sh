#!/usr/bin/env bash
# The program itself driven through the X server: its window "Quindle" shows; 255 added and
# copied over another program's clipboard text, a third reads the block; File > Exit brings the
# farewell box, Enter ends the program with status 0. program.sh COMMAND (or wine PROGRAM.exe)
[ -n "${DISPLAY:-}" ] || { echo "SKIP: no X server (DISPLAY is not set)"; exit 77; }
"$@" & program=$!
trap 'kill $program 2>/dev/null' EXIT
window() { # a shown window of the program's, by its title
    timeout 60 xdotool search --all --sync --onlyvisible --pid $program --name "^$1\$" | grep -m 1 . ||
        { echo "FAIL: no window \"$1\"" >&2; return 1; }
}
clipboard() { # waits up to 10 s for the clipboard's text (line breaks as on X11)
    for _ in $(seq 100); do [ "$(xclip -o -selection clipboard | tr -d '\r')" = "$1" ] && return; sleep 0.1; done
    echo "FAIL: the clipboard holds \"$(xclip -o -selection clipboard)\", not \"$1\"" >&2 && exit 1
}
main=$(window Quindle) || exit 1
printf theirs | xclip -selection clipboard && clipboard theirs
xdotool windowfocus --sync "$main" key --delay 50 2 5 5 F2 ctrl+a ctrl+c
clipboard "$(printf '\nThe result from Decimal is:\nDecimal   255\nHex          FF\nBinary      11111111\n%080d' 0 | tr 0 -)"
# The menu opens from the event loop; under Wine it takes a while.
xdotool key alt+f sleep 1 key x && box=$(window 'voxtrel\.org') && xdotool windowfocus --sync "$box" key Return || exit 1
timeout 60 tail --pid=$program -f /dev/null || { echo "FAIL: still running a minute later"; exit 1; }
wait $program; status=$?
echo "PASS: copied across; the program ended with status $status" && [ $status = 0 ]
