# Sourced by ./run and ./test: installs what the build and the tests need from
# Debian's packages when it is missing, then configures and builds.
set -euo pipefail

VOXTREL_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    # The narrow face the small controls ask for, and the fallback.
    fonts-liberation fonts-dejavu-core
    xvfb xauth
    # The launcher icons are rendered from their drawing while building.
    librsvg2-bin
    # The print test runs a CUPS scheduler of its own and reads the printout back;
    # the test of the program's end drives its window through the X server.
    cups-daemon cups-client cups-core-drivers poppler-utils xdotool
    # Another program holding and reading the clipboard.
    xclip
    # The screen-reader test: a session bus with the accessibility bus, and a client.
    dbus-daemon dbus-bin at-spi2-core python3-pyatspi
)

# The asan build and its fuzz targets (cmake --preset asan, scripts/fuzz.sh): Clang
# with its sanitizer and libFuzzer runtimes.
VOXTREL_ASAN_PACKAGES=(clang libclang-rt-14-dev)

# What scripts/check-package.sh needs besides: CPack's dependency search and the
# validators of the Debian package, its launcher and its metainfo.
VOXTREL_PACKAGE_TOOLS=(dpkg-dev file desktop-file-utils appstream lintian)

voxtrel_install_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Missing packages: ${missing[*]}; run as root or install sudo." >&2
            exit 1
        }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

voxtrel_build() {
    cmake --preset default >/dev/null
    cmake --build --preset default
}
