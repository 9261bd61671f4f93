#!/usr/bin/env bash
# CTest's emulator in the windows build: wine-run.sh DIR:DIR... PROGRAM ARGS runs a test
# built for Windows under Wine, with the folders of its libraries on Wine's PATH; where
# there is no Wine, the test skips (status 77) and says why. Wine keeps the host's QT_
# variables from Windows programs; a test's own are handed on under Wine's prefix.
command -v wine >/dev/null || { echo "SKIP: no Wine to run $2"; exit 77; }
export WINEPATH="${1//:/;}"
shift
# Qt's offscreen platform reads the faces of one folder on Windows: the host's, gathered.
if [ -z "${QT_QPA_FONTDIR:-}" ]; then
    export QT_QPA_FONTDIR="${TMPDIR:-/tmp}/voxtrel-wine-fonts"
    mkdir -p "$QT_QPA_FONTDIR"
    ln -sf /usr/share/fonts/truetype/*/*.[ot]tf "$QT_QPA_FONTDIR/" 2>/dev/null || true
fi
for name in $(compgen -e | grep '^QT_'); do
    export "WINE$name=${!name}"
done
status=0
wine "$@" || status=$?
# What the test started (Notepad, the system-information tool) would hold its output
# open, and CTest would wait for it.
wineserver -k 2>/dev/null || true
exit $status
