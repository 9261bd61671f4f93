# Sourced by ./run and ./test: installs what the build and the tests need from
# Debian's packages when it is missing, then configures and builds.
set -euo pipefail

VOXTREL_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    # The narrow face the small controls ask for, and the face of everything else.
    # Debian 13 ships Liberation Sans Narrow in a package of its own; before, it came
    # with the other Liberation faces.
    "fonts-liberation-sans-narrow|fonts-liberation" fonts-dejavu-core
    xvfb xauth
    # The launcher icons are rendered from their drawing while building.
    librsvg2-bin
    # The print test runs a CUPS scheduler of its own and reads the printout back;
    # the test of the program's end drives its window through the X server.
    cups-daemon cups-client cups-core-drivers poppler-utils xdotool
    # Another program holding and reading the clipboard, a desktop's clipboard manager
    # that keeps what programs hand it as they end, and X's own protocol from Python.
    xclip xfce4-settings python3-xlib
    # The screen-reader test: a session bus with the accessibility bus, and a client.
    # Its status is kept in the desktop settings, as on a desktop, with dconf.
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi dconf-gsettings-backend
    # A Wayland session: a compositor, Qt's Wayland platform, and a clipboard client.
    weston qt6-wayland wl-clipboard
)

# The asan build and its fuzz targets (cmake --preset asan, scripts/fuzz.sh): Clang
# with its sanitizer and libFuzzer runtimes.
VOXTREL_ASAN_PACKAGES=(clang libclang-rt-dev)

# What scripts/check-package.sh needs besides: CPack's dependency search and the
# validators of the Debian package, its launcher and its metainfo.
VOXTREL_PACKAGE_TOOLS=(dpkg-dev file desktop-file-utils appstream lintian)

# Installs the packages named that are missing; of "a|b", the first the release has.
voxtrel_install_packages() {
    local sudo=() missing=() updated=no pkg choice
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    update() {
        if [ ${#sudo[@]} -gt 0 ] && ! command -v sudo >/dev/null; then
            echo "Missing packages: ${missing[*]:-$*}; run as root or install sudo." >&2
            exit 1
        fi
        "${sudo[@]}" apt-get update -qq
        updated=yes
    }
    for pkg in "$@"; do
        while [[ $pkg == *'|'* ]]; do
            choice=
            for choice in ${pkg//|/ } ''; do
                apt-cache show "$choice" >/dev/null 2>&1 && break
            done
            [ -n "$choice" ] && pkg=$choice && break
            [ $updated = no ] || { echo "No package of $pkg in this release." >&2; exit 1; }
            update "$pkg"
        done
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    [ $updated = yes ] || update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

voxtrel_build() {
    cmake --preset default >/dev/null
    cmake --build --preset default
}

# Makes a new Wine prefix in DIR and sets it for Wine from here on, for the checks of the
# Windows build: without Mono or Gecko (Wine would offer to download them), and without
# launchers on the host for the shortcuts that an installer puts in the Start menu.
voxtrel_wine_prefix() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    wineboot -i >/dev/null 2>&1
    wineserver -w
}
