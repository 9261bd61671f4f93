#!/usr/bin/env bash
# Builds, tests and packages Voxtrel on another Debian release, as a new user there
# would: in a root of that release made with debootstrap, from a fresh clone, ./test,
# then the package check (build, lintian, install, start); or, with "windows", the
# Windows build and its checks under Wine (scripts/windows-check.sh). Needs root.
#   scripts/release-check.sh trixie [windows]
# The root stays in build-release/CODENAME; a later run reuses it.
set -euo pipefail
cd "$(dirname "$0")/.."
release=${1:?usage: scripts/release-check.sh CODENAME [windows]}
checks='./test && bash scripts/check-package.sh'
[ "${2:-}" != windows ] || checks='bash scripts/windows-check.sh'
root=$PWD/build-release/$release
source scripts/setup.sh
voxtrel_install_packages debootstrap git

# The Debian archive apt already uses: the first whose suites name this machine's
# release (not its -updates or -security archive), from one-line and deb822 sources.
archive() {
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    {
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            sed 's/#.*//; s/\[[^]]*\]//' | awk -v c="$codename" '$1 == "deb" && $3 == c { print $2 }'
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v '^[[:space:]]*#' |
            awk -v c="$codename" 'BEGIN { RS = ""; FS = "\n" } {
                types = uris = suites = ""
                for (i = 1; i <= NF; i++) {
                    key = tolower($i); sub(/:.*/, "", key)
                    value = $i; sub(/^[^:]*:[ \t]*/, "", value)
                    if (key == "types") types = " " value " "
                    if (key == "uris") uris = value
                    if (key == "suites") suites = " " value " "
                    if (key == "enabled" && value ~ /^no/) types = ""
                }
                if (types ~ / deb / && suites ~ " " c " ") { split(uris, u, " "); print u[1] }
            }'
    } | head -n 1
}

mounted() { grep -q " $root/" /proc/mounts; }

# Ends what the run left running inside the root, then releases its mounts.
release_root() {
    local pid
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "${pid#/proc/}" 2>/dev/null
    done
    sleep 1
    for dir in proc sys dev; do
        ! mountpoint -q "$root/$dir" || umount -R "$root/$dir" || umount -R -l "$root/$dir"
    done
}

if [ ! -e "$root/.complete" ]; then
    if mounted; then
        echo "release-check: something is still mounted under $root; not removing it." >&2
        exit 1
    fi
    rm -rf "$root"
    mkdir -p "$root"
    mirror=$(archive)
    [ -n "$mirror" ] || { echo "release-check: apt's sources name no Debian archive." >&2; exit 1; }
    echo "release-check: making a $release root from $mirror"
    debootstrap --variant=minbase "$release" "$root" "$mirror" >"$root.log" 2>&1 ||
        { tail -20 "$root.log" >&2; exit 1; }
    # Packages installed inside start no services; the tests start what they need.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
    touch "$root/.complete"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
rm -rf "$root/voxtrel"
git clone -q "$PWD" "$root/voxtrel"

trap release_root EXIT
for dir in proc sys dev; do
    mount --rbind "/$dir" "$root/$dir"
    mount --make-rslave "$root/$dir"
done
start=$(date +%s)
# A fresh, empty HOME, as for a new user.
chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb \
    bash -c "export HOME=\$(mktemp -d) && cd /voxtrel && $checks"
echo "release-check: $release${2:+ $2} passed in $(($(date +%s) - start)) s"
