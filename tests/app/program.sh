#!/usr/bin/env bash
# The program through the X server, beside a desktop's clipboard manager (Xfce's), ended by File >
# Exit, then by its close box: 255 added and copied, a third program reads the block exactly; the
# farewell, Enter, status 0; the block still there to read. program.sh COMMAND (or wine X.exe)
[ -n "${DISPLAY:-}" ] || { echo "SKIP: no X server (DISPLAY is not set)"; exit 77; }
# A session bus for the manager's settings, and a home of its own where its services keep them.
[ -n "${VOXTREL_BUS:-}" ] || { home=$(mktemp -d); env VOXTREL_BUS=1 HOME="$home" XDG_CONFIG_HOME="$home" XDG_CACHE_HOME="$home" \
    XDG_DATA_HOME="$home" dbus-run-session -- bash "$0" "$@"; status=$?; rm -rf "$home"; exit $status; }
fail() { echo "FAIL: $*" >&2; exit 1; }
x() { /usr/bin/python3 -c "from Xlib import X, display, protocol; d = display.Display(); a = d.intern_atom; $1"; }
source "$(dirname "$0")/../../scripts/x-windows.sh"
window() { voxtrel_window $program "$@" || fail "no window $1 within a minute"; } # title [but those]
clip() { timeout 2 xclip -o -selection clipboard; } # an owner that left may never answer
holds() { # holds TEXT WHEN: waits up to 10 s for the clipboard to hold TEXT, byte for byte
    for _ in $(seq 100); do [ "$(clip; echo .)" = "$1." ] && return; sleep 0.1; done
    fail "$2: the clipboard holds: $(clip | od -An -c | tr -s ' \n' ' ')"; }
# Under Wine the session outlives each program, as on Windows, where a copy stays on the clipboard
# after its program ends; Wine's server would end, and its clipboard with it, soon after the last one.
[ "$1" = wine ] && wineserver -p
xfsettingsd --disable-wm-check --sm-client-disable 2>/dev/null & manager=$! tries=100
trap 'kill $manager ${program:-} 2>/dev/null; [ "$1" != wine ] || wineserver -k' EXIT
until x 'exit(not d.get_selection_owner(a("CLIPBOARD_MANAGER")))'; do
    kill -0 $manager 2>/dev/null && ((--tries)) && sleep 0.1 || fail "no clipboard manager within 10 s"
done
block=$(printf '\r\nThe result from Decimal is:\r\nDecimal   255\r\nHex          FF\r\nBinary      11111111\r\n%080d' 0 | tr 0 -)
[ "$1" = wine ] && block=${block//$'\r'/} # Wine gives X programs text with LF line ends
# Wine hands a copy over as its program ends only at times (four runs in five here when idle, one in
# three when busy): under Wine each ending has five tries, which an end that never hands it over fails.
attempts=$([ "$1" = wine ] && echo 5 || echo 1)
for ending in "File > Exit" "the close box"; do for attempt in $(seq $attempts); do
    "$@" 2>/dev/null & program=$!
    main=$(window Quindle) || exit 1
    printf theirs | xclip -selection clipboard && holds theirs "another program's copy"
    xdotool windowfocus --sync "$main" key --delay 50 2 5 5 F2 ctrl+a ctrl+c && holds "$block" "$ending: Copy"
    if [ "$ending" = "File > Exit" ]; then # the menu opens from the event loop, a window of its own
        before=$(voxtrel_shown $program '.*' | paste -sd '|')
        xdotool key alt+f && window '.*' "$before" >/dev/null && xdotool key x
    else x "w = d.create_resource_object('window', $main); w.send_event(protocol.event.ClientMessage(window=w,
    client_type=a('WM_PROTOCOLS'), data=(32, [a('WM_DELETE_WINDOW'), X.CurrentTime, 0, 0, 0]))); d.flush()"; fi
    box=$(window 'voxtrel\.org') && xdotool windowfocus --sync "$box" key Return || exit 1
    timeout 60 tail --pid=$program -f /dev/null || fail "$ending: still running a minute later"
    wait $program; status=$?
    [ $status = 0 ] || fail "$ending: the program ended with status $status"
    (holds "$block" "$ending: after the end, try $attempt of $attempts") && break
    [ $attempt = $attempts ] && exit 1
done; echo "PASS: $ending: copied, status 0, the copy outlives the program"; done
