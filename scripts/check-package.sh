#!/usr/bin/env bash
# Builds the Debian package, validates it, and tries it as a user would: installs it,
# starts the installed program on a private X server, opens its manual with F1, and
# purges the package again, whatever failed. Needs root for apt-get; .ci/run calls it
# after ./test.
set -euo pipefail
cd "$(dirname "$0")/.."

# Under xvfb-run: the installed program's window, and the manual that F1 shows. The
# help window takes its title from the manual's <title>; a file that cannot be read
# leaves it at "Help".
if [ "${1:-}" = --on-display ]; then
    /usr/bin/voxtrel &
    pid=$!
    trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true' EXIT
    window_of() {
        timeout 20 xdotool search --all --sync --limit 1 --onlyvisible --pid "$pid" "$@" ||
            { echo "No window ($*) within 20 seconds." >&2; exit 1; }
    }
    main=$(window_of --name '^Quindle$')
    # The launcher's StartupWMClass names this class.
    window_of --class '^Voxtrel$' >/dev/null
    xdotool windowfocus --sync "$main"
    xdotool key F1
    window_of --name '^Quindle Help$' >/dev/null
    exit 0
fi

step="installing the tools"
installed=no
contents=
finish() {
    local status=$?
    [ -z "$contents" ] || rm -rf "$contents"
    if [ "$installed" = yes ]; then
        apt-get purge -y -qq voxtrel >/dev/null || { echo "Purging voxtrel failed." >&2; status=1; }
    fi
    if [ "$status" -eq 0 ]; then
        echo "check-package: PASSED: $deb built, validated, installed, started with its help, purged"
    else
        echo "check-package: FAILED while $step"
    fi
    exit "$status"
}
trap finish EXIT

source scripts/setup.sh
voxtrel_install_packages "${VOXTREL_PACKAGES[@]}" "${VOXTREL_PACKAGE_TOOLS[@]}"
step="building"
voxtrel_build
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
deb=build/voxtrel_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
(cd build && cpack -G DEB >/dev/null)

step="validating $deb"
contents=$(mktemp -d)
dpkg-deb -x "$deb" "$contents"
desktop-file-validate "$contents"/usr/share/applications/org.voxtrel.Voxtrel.desktop
appstreamcli validate --no-net "$contents"/usr/share/metainfo/org.voxtrel.Voxtrel.metainfo.xml
lintian --fail-on error "$deb"

step="installing $deb"
installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
step="running /usr/bin/voxtrel"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" --on-display
