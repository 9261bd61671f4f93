#!/usr/bin/env bash
# Builds the Qt for Windows that the windows preset uses: Debian's qt6-base source,
# cross-compiled with Debian's MinGW-w64 (POSIX threads) against the installed host Qt
# of the same version, into /var/cache/voxtrel/qt-windows-VERSION, and points
# /var/cache/voxtrel/qt-windows, where the preset looks, at it; or into
# VOXTREL_QT_WINDOWS, left for the caller to name to CMake. A folder already there is
# reused.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
source scripts/setup.sh

VOXTREL_WINDOWS_PACKAGES=(
    cmake ninja-build dpkg-dev
    qt6-base-dev qt6-base-dev-tools
    g++-mingw-w64-x86-64-posix
)
voxtrel_install_packages "${VOXTREL_WINDOWS_PACKAGES[@]}"

# The host Qt's version names the folder: the host tools must match the target's.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
link=/var/cache/voxtrel/qt-windows
prefix=${VOXTREL_QT_WINDOWS:-$link-$qt_version}
finished() {
    [ -n "${VOXTREL_QT_WINDOWS:-}" ] || ln -sfn "$(basename "$prefix")" "$link"
    echo "Qt $qt_version for Windows: $prefix"
    exit 0
}
# The stamp is written last: a build that stopped half-way is not reused.
[ ! -f "$prefix/voxtrel-complete" ] || finished
# The folder is emptied before the build is installed into it: only a folder this script
# made, which holds its mark, or an empty one.
mark=voxtrel-qt-windows
if [ -e "$prefix" ] && [ ! -f "$prefix/$mark" ] && [ -n "$(ls -A "$prefix" 2>/dev/null || echo x)" ]; then
    echo "$prefix is not a folder scripts/qt-windows.sh made; not building Qt into it." >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/qt-windows.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The source comes from the archive apt already uses: each of its "deb" entries for
# this release, as "deb-src", in a source list and package lists of the script's own,
# leaving the machine's apt set-up as it was.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
mkdir -p "$work/apt/lists/partial" "$work/apt/parts"
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] || continue
    sed -nE "s/^deb[[:space:]]+((\[[^]]*\][[:space:]]+)?[^[:space:]]+[[:space:]]+$codename[[:space:]])/deb-src \1/p" \
        "$list" >>"$work/apt/parts/sources.list"
done
for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] || continue
    # deb822: stanzas separated by blank lines; keep those of type deb naming this release.
    awk -v codename="$codename" 'BEGIN { RS = ""; ORS = "\n\n" }
        $0 ~ "(^|\n)Types:[^\n]*deb( |\n|$)" && $0 ~ "(^|\n)Suites:[^\n]*[ ]" codename "( |\n|$)" &&
            $0 !~ "(^|\n)Enabled: *no" {
            sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); print }' "$list" \
        >>"$work/apt/parts/voxtrel.sources"
done
apt_options=(-o Dir::Etc::SourceList="$work/apt/parts/sources.list"
    -o Dir::Etc::SourceParts="$work/apt/parts" -o Dir::State::Lists="$work/apt/lists" -o APT::Sandbox::User=root)
touch "$work/apt/parts/sources.list"
apt-get "${apt_options[@]}" update -qq
(cd "$work" && apt-get "${apt_options[@]}" source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >/dev/null)

# Only what the program and its tests use: Core, Gui, Widgets, PrintSupport, Test and
# the windows and offscreen platforms. Debian's source leaves out wintab, so tablet
# events are off; Direct2D stays on, since the Windows print engine needs the
# DirectWrite font engine that only comes with it.
mkdir "$work/build"
cd "$work/build"
"$work"/qt6-base-*/configure -prefix "$prefix" -release -xplatform win32-g++ \
    -qt-host-path /usr -no-pkg-config -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-vulkan \
    -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent \
    -no-feature-tabletevent \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
    -- -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" >"$work/configure.log" 2>&1 ||
    { tail -40 "$work/configure.log"; exit 1; }
nice cmake --build . --parallel >"$work/build.log" 2>&1 || { tail -40 "$work/build.log"; exit 1; }
rm -rf "$prefix"
mkdir -p "$prefix"
touch "$prefix/$mark"
cmake --install . >/dev/null
touch "$prefix/voxtrel-complete"
finished
