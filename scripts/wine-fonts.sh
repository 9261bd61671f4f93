#!/usr/bin/env bash
# The fonts and looks stories of the Windows build on Qt's windows platform under Wine,
# where the program gets the faces Wine offers, as on a Windows machine without the
# Linux narrow faces, at 96 and 192 dots per inch (Windows' display scaling of 100 and
# 200 %, as Windows keeps it in LogPixels, where Wine reads it). Prints the face and
# size lblBinary gets, then the stories' results. Run after a windows build:
#   scripts/wine-fonts.sh (scripts/windows-check.sh runs it)
# Wine takes the host's faces from the folders fontconfig names, not through
# fontconfig's choice (a file that rejects faces changes nothing for Wine), and keeps
# what it found in its prefix. So a fontconfig file of the script's own names one
# folder holding all of the host's faces but Liberation Sans Narrow, Nimbus Sans
# Narrow and DejaVu Sans Condensed, and a Wine prefix is made with it.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi
scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

faces=('Liberation Sans Narrow' 'Nimbus Sans Narrow' 'DejaVu Sans Condensed')
mkdir "$scratch/fonts"
comm -23 <(fc-list : file | sed 's/: *$//' | sort) \
    <(for face in "${faces[@]}"; do fc-list "$face" file; done | sed 's/: *$//' | sort) |
    while read -r file; do ln -s "$file" "$scratch/fonts/${file//\//_}"; done
printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
    "$scratch/fonts" "$scratch/cache" >"$scratch/fonts.conf"
export FONTCONFIG_FILE=$scratch/fonts.conf
for face in "${faces[@]}"; do
    [ -z "$(fc-list "$face")" ] || { echo "FAIL: $face is not hidden" >&2; exit 1; }
done
source scripts/setup.sh
voxtrel_wine_prefix "$scratch/wine"

IFS=';' read -r -a run < <(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:STRING=//p' build-windows/CMakeCache.txt)
# A story that expects no face shows, in its failure, the one lblBinary got.
echo 'face | => fit:lblBinary=?' >"$scratch/face.rows"
status=0
for dpi in 96 192; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null
    wineserver -w
    face=$({ QT_QPA_PLATFORM=windows VOXTREL_ROWS=$scratch/face.rows "${run[@]}" \
        build-windows/tst_window.exe scenario -o -,tap || true; } | tr -d "\r" | sed -n 's/^ *found: "\(.*\)" (shown)$/\1/p')
    echo "At $dpi dots per inch, lblBinary: $face"
    QT_QPA_PLATFORM=windows VOXTREL_ROWS=$PWD/tests/app/fonts.rows "${run[@]}" \
        build-windows/tst_window.exe scenario:fonts scenario:looks -o -,tap || status=1
done
exit $status
