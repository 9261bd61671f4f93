#!/usr/bin/env bash
# The Windows build, checked under Wine: builds (or reuses) the Qt for Windows, the
# program, its tests and the zip with the windows preset, then, in a fresh Wine prefix
# on a private X server, runs the window test's stories and the unpacked zip's
# Voxtrel.exe as its user would (tests/app/program.sh: its window, a copy that another
# program reads, File > Exit and the close box with the farewell, status 0, the copy
# still there after the end), the fonts and looks stories on Qt's windows platform
# without the Linux narrow faces (scripts/wine-fonts.sh), and the installer.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --under-x ]; then
    source scripts/setup.sh
    # The icon is rendered and packed while building; Wine runs the program, xdotool
    # drives its window, xclip reads what it copied, beside a desktop's clipboard manager.
    voxtrel_install_packages librsvg2-bin icoutils wine wine64 xvfb xauth xdotool xclip \
        xfce4-settings python3-xlib dbus-bin
    # The installer is built with wixl and read back with msiinfo.
    voxtrel_install_packages wixl msitools
    bash scripts/qt-windows.sh
    cmake --preset windows ${VOXTREL_QT_WINDOWS:+"-DCMAKE_PREFIX_PATH=$VOXTREL_QT_WINDOWS"} >/dev/null
    cmake --build --preset windows
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" --under-x
fi

scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
source scripts/setup.sh
voxtrel_wine_prefix "$scratch/wine"

# The window test's stories, built for Windows, under Wine on the offscreen platform.
ctest --preset windows

# The zip as a user unpacks it, on a machine with nothing else of the program.
build=$PWD/build-windows
zip=voxtrel-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")-windows-x86_64
(cd "$scratch" && cmake -E tar xf "$build/$zip.zip")
bash tests/app/program.sh wine "$scratch/$zip/Voxtrel.exe"

# The faces Wine offers in place of Windows' own, at 96 and 192 dots per inch.
bash scripts/wine-fonts.sh

# The installer, in a Wine prefix of its own, against the zip's files.
bash scripts/windows-install-check.sh "$build/$zip.msi" "$scratch/$zip"
