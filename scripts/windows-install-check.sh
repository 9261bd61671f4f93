#!/usr/bin/env bash
# The installer as a Windows user meets it, under Wine, in a Wine prefix of its own, new,
# on the X server that scripts/windows-check.sh runs it on:
#   windows-install-check.sh MSI TREE   (TREE: the zip's folder, unpacked)
# msiexec installs it for the user, quietly; the zip's files, and only those, are in the
# user's programs folder, the Start menu holds the shortcut to the program and the
# registry the uninstall entry; the installed program shows its window, F1 its help,
# and File > Exit ends it with status 0 (tests/app/program.sh); msiexec removes it
# again, leaving the prefix's files as they were before and no registry entry of it.
set -euo pipefail
cd "$(dirname "$0")/.."
msi=$(realpath "$1")
tree=$2
scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
source scripts/setup.sh
source scripts/x-windows.sh
voxtrel_wine_prefix "$scratch/wine"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# A folder as Windows names it.
folder() { wine cmd /c echo "%$1%" | tr -d '\r'; }
# The product's keys and values in the registry, once Wine has written it out.
registry() {
    wineserver -w
    grep -i -h -e voxtrel -e "$product" -e "$packed" "$WINEPREFIX"/*.reg || true
}
version=$(msiinfo export "$msi" Property | sed -n 's/^ProductVersion\t//p' | tr -d '\r')
product=$(msiinfo export "$msi" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r')
# The form the installer's own keys name the product by: each group of the code
# reversed, the last two by bytes.
packed=$(echo "$product" | tr -d '{}' | awk -F- '{
    s = ""; for (i = 1; i <= 3; i++) for (j = length($i); j > 0; j--) s = s substr($i, j, 1)
    rest = $4 $5; for (j = 1; j < length(rest); j += 2) s = s substr(rest, j + 1, 1) substr(rest, j, 1)
    print s }')
exe="$(folder LOCALAPPDATA)\Programs\Voxtrel\Voxtrel.exe"
programs=$(dirname "$(winepath -u "$exe")")
link="$(folder APPDATA)\Microsoft\Windows\Start Menu\Programs\Voxtrel.lnk"
shortcut=$(winepath -u "$link")
# Files and links: msiexec keeps folders of its own (its cache) from its first run on.
(cd "$WINEPREFIX/drive_c" && find . ! -type d | sort) >"$scratch/before"
[ -z "$(registry)" ] || fail "the registry names Voxtrel before the install"

wine msiexec /i "$msi" /qn || fail "msiexec /i ended with status $?"
echo "Installed for the user into ${exe%\\*}:"
diff -r "$tree" "$programs" || fail "the installed files differ from the zip's"
(cd "$programs" && find . -type f | sort | sed 's/^/    /')
# Settings > Apps lists what the uninstall key holds, with the product's icon. Windows
# keeps a product installed for one user under HKEY_CURRENT_USER, Wine under
# HKEY_LOCAL_MACHINE.
uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall'
entry=$(wine reg query "HKCU\\$uninstall\\$product" 2>/dev/null ||
    wine reg query "HKLM\\$uninstall\\$product") || fail "no uninstall entry $product"
echo "$entry" | tr -d '\r' | grep -E 'HKEY|DisplayName|DisplayVersion|Publisher|UninstallString'
for value in "DisplayName +REG_SZ +Voxtrel" "DisplayVersion +REG_SZ +$version" \
    "Publisher +REG_SZ +voxtrel.org" "UninstallString +REG_EXPAND_SZ +MsiExec.exe /X$product"; do
    echo "$entry" | tr -d '\r' | grep -q -E "^ +$value\$" || fail "the uninstall entry lacks $value"
done
icon=$(wine reg query "HKCU\\Software\\Microsoft\\Installer\\Products\\$packed" /v ProductIcon |
    tr -d '\r' | sed -n 's/^ *ProductIcon *REG_SZ *//p')
[ -f "$(winepath -u "$icon")" ] || fail "the product's icon $icon is missing"
echo "Its icon: $icon"
[ -f "$shortcut" ] || fail "no Start menu shortcut $shortcut"
strings -a "$shortcut" | grep -q -x -F "$exe" || fail "the shortcut does not start $exe"
strings -a -e l "$shortcut" | grep -q -F "$icon" || fail "the shortcut's icon is not $icon"
echo "Start menu: $link, starting $exe, with that icon"

# The installed program: its window, F1's help, then as tests/app/program.sh drives it.
wine "$programs/Voxtrel.exe" &
pid=$!
main=$(voxtrel_window $pid Quindle) ||
    fail "the installed program shows no window \"Quindle\" within a minute"
xdotool windowfocus --sync "$main" key F1
voxtrel_window $pid "Quindle Help" >/dev/null ||
    fail "F1 shows no window \"Quindle Help\" within a minute"
echo "The installed program shows \"Quindle\", and F1 its help"
kill $pid && wait $pid 2>/dev/null || true
wineserver -w
bash tests/app/program.sh wine "$programs/Voxtrel.exe"

wine msiexec /x "$msi" /qn || fail "msiexec /x ended with status $?"
wineserver -w
(cd "$WINEPREFIX/drive_c" && find . ! -type d | sort) | diff "$scratch/before" - ||
    fail "the uninstall left the files above"
[ ! -e "$programs" ] && [ ! -e "$(dirname "$programs")" ] || fail "the uninstall left $programs"
left=$(registry)
[ -z "$left" ] || fail "the uninstall left in the registry: $left"
echo "PASS: installed, started with its help, ended, uninstalled, nothing left"
