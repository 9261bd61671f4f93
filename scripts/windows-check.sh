#!/usr/bin/env bash
# The Windows build, checked under Wine: builds (or reuses) the Qt for Windows, the
# program and the zip with the windows preset, then, in a fresh Wine prefix on a
# private X server, runs the unpacked zip's Voxtrel.exe as its user would: the window
# shows, File > Exit bids farewell, and the process ends with status 0.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --under-x ]; then
    source scripts/setup.sh
    # The icon is rendered and packed while building; Wine runs the program, xdotool
    # drives its window.
    voxtrel_install_packages librsvg2-bin icoutils wine wine64 xvfb xauth xdotool
    bash scripts/qt-windows.sh
    cmake --preset windows >/dev/null
    cmake --build --preset windows
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" --under-x
fi

scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/wine WINEDEBUG=-all
# No Mono or Gecko: Wine would offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
wineserver -w

# The zip as a user unpacks it, on a machine with nothing else of the program.
zip=voxtrel-1.0.0-windows-x86_64
build=$PWD/build-windows
(cd "$scratch" && cmake -E tar xf "$build/$zip.zip")
wine "$scratch/$zip/Voxtrel.exe" &
program=$!
window() {
    timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" | head -1
}
main=$(window Quindle)
echo "windows-check: the window \"Quindle\" shows"
xdotool windowfocus --sync "$main"
xdotool key alt+f
sleep 1
xdotool key x
farewell=$(window voxtrel.org)
echo "windows-check: File > Exit shows the farewell box"
xdotool windowfocus --sync "$farewell"
xdotool key Return
# A minute to end; a program still running then is ended, and fails the check.
for _ in $(seq 600); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill "$program" 2>/dev/null || true
status=0
wait "$program" || status=$?
echo "windows-check: Voxtrel.exe ended with status $status"
[ "$status" -eq 0 ]
