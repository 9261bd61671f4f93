# Sourced by the scripts that drive a program through the X server (tests/app/program.sh,
# scripts/windows-install-check.sh): its windows found by their titles.

# The ids of the shown windows of process PID whose whole title matches TITLE (a regex).
voxtrel_shown() { xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null; }

# voxtrel_window PID TITLE [EXCEPT]: waits up to a minute for such a window, but those whose
# ids match EXCEPT, and prints its id. Wine makes and destroys windows as a program starts,
# and a search that meets one as it goes ends with BadWindow: each search is one look,
# repeated until the window is there.
voxtrel_window() {
    local found
    for _ in $(seq 600); do
        found=$(voxtrel_shown "$1" "$2" | grep -vxE "${3:-}") || true
        [ -z "$found" ] || { echo "${found%%$'\n'*}"; return; }
        sleep 0.1
    done
    return 1
}
