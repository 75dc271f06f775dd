#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows Installer package under Wine, as a school's IT admin uses it:
# what it holds; that made again from the same files it is the same package,
# and from other files has other codes; a silent install over an older
# version, which it replaces (the program in Program Files\Cijferwerf, a
# Start-menu shortcut, one entry to remove it, its folder recorded); the
# same package again, which leaves one entry; another build of the same
# version that replaces it; an older version that is refused; a silent
# removal that leaves nothing; and an install into a folder of the admin's
# choice, with a blank and an e with diaeresis in its name, that starts and
# is removed again from there.
# Usage: installer_test.sh PACKAGE.msi STAGE PREFIX VERSION MSI_VERSION UPGRADE_CODE EPOCH [FAKETIME]
set -euo pipefail
msi=$1 stage=$2 prefix=$3 version=$4 msi_version=$5 upgrade_code=$6 epoch=$7 faketime=${8:-}
source "$(dirname "$0")/../../../tools/wine-environment.sh"
export LC_ALL=C.UTF-8
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

property() { msiinfo export "$1" Property | sed -n "s/^$2\t//p" | tr -d '\r'; }
[ "$(property "$msi" ProductVersion)" = "$msi_version" ] ||
    fail "product version $(property "$msi" ProductVersion)"
[ "$(property "$msi" UpgradeCode)" = "{$upgrade_code}" ] ||
    fail "upgrade code $(property "$msi" UpgradeCode)"
[ "$(property "$msi" ALLUSERS)" = 1 ] || fail "not for every user of the computer"
grep -q "Cijferwerf $version" <(msiinfo suminfo "$msi") || fail "the package does not name version $version"

# The package made again from the same files; another build of the same
# version, whose program differs by one byte; and an older version: each
# made from the package's source as the build makes it.
work=$(mktemp -d)
cp "$stage/cijferwerf.wxs.in" "$stage/cijferwerf.exe" "$stage/cijferwerf.ico" "$work/"
later=()
package() {
    "${later[@]}" cmake -DSOURCE="$work/$1" -DOUTPUT="$work/$2" -DEPOCH="$epoch" \
        -DNAMESPACE="$upgrade_code" -DFAKETIME="$faketime" -P "$(dirname "$0")/package.cmake"
}
# Made again with the clock a day on, so that a package that records when it
# was made is always another one, not only when the two fall in different
# seconds.
[ -n "$faketime" ] && later=("$faketime" -f +1d)
package cijferwerf.wxs.in again.msi 2> >(grep -v 'libfaketime environment' >&2)
later=()
cmp -s "$msi" "$work/again.msi" || fail "made again from the same files, another package"
# Every version the package names (its own, and the one just above it
# where its upgrade rule ends) one release lower.
above="${msi_version%.*}.1"
sed -e "s/\"$msi_version\"/\"0.9.0\"/g" -e "s/\"$above\"/\"0.9.1\"/g" \
    "$stage/cijferwerf.wxs.in" >"$work/older.wxs.in"
package older.wxs.in older.msi
printf '\0' >>"$work/cijferwerf.exe"
package cijferwerf.wxs.in rebuild.msi
package_code() { msiinfo suminfo "$1" | sed -n 's/^Revision number (UUID): //p'; }
[ "$(property "$work/rebuild.msi" ProductCode)" != "$(property "$msi" ProductCode)" ] ||
    fail "another build keeps the product code"
[ "$(package_code "$work/rebuild.msi")" != "$(package_code "$msi")" ] ||
    fail "another build keeps the package code"

# A prefix of its own, new for every run, so that nothing an earlier run
# installed is found.
[ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k </dev/null >/dev/null 2>&1 || true
rm -rf "$prefix"
wine_prefix "$prefix"
exec {displays}<> <(:)
Xvfb -displayfd "$displays" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 number <&"$displays" || { echo "FAIL: no virtual X server"; exit 1; }
cleanup() { wine_stop; kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export DISPLAY=":$number"
wine_start

default_folder="$WINEPREFIX/drive_c/Program Files/Cijferwerf"
# Wine puts a per-machine shortcut in the common Start menu or, where it
# takes the user for no administrator, in the user's own.
shortcuts() {
    find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
        "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Cijferwerf.lnk' 2>/dev/null
}
# The uninstall entries, as reg writes them: in the console's code page.
uninstall_list() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        iconv -f CP850 -t UTF-8 | tr -d '\r'
}
uninstall_entries() { uninstall_list | grep -c 'DisplayName    REG_SZ    Cijferwerf$' || true; }
install_location() {
    uninstall_list | grep -A30 'DisplayName    REG_SZ    Cijferwerf$' |
        sed -n 's/^ *InstallLocation    REG_SZ    //p' | head -n 1
}
# msiexec PACKAGE OPTION [PROPERTY...]: its exit status, quietly.
msiexec() {
    local package=$1 option=$2
    shift 2
    local status=0
    wine msiexec "$option" "$(winepath -w "$package")" /qn "$@" </dev/null >/dev/null 2>&1 ||
        status=$?
    echo "$status"
}

echo "== An older version, this one over it, it again, another build of it, the older again"
[ "$(msiexec "$work/older.msi" /i)" = 0 ] || fail "the older version does not install"
[ "$(msiexec "$msi" /i)" = 0 ] || fail "msiexec /i did not succeed"
[ "$(uninstall_entries)" = 1 ] || fail "after the upgrade $(uninstall_entries) uninstall entries"
uninstall_list | grep -q 'DisplayVersion    REG_SZ    0.9.0' && fail "the older version stays"
[ -s "$default_folder/cijferwerf.exe" ] || fail "no program in Program Files\\Cijferwerf"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
[ "$(uninstall_entries)" = 1 ] || fail "$(uninstall_entries) uninstall entries, not 1"
[ "$(install_location)" = 'C:\Program Files\Cijferwerf\' ] ||
    fail "the uninstall entry's folder is '$(install_location)'"
again=$(msiexec "$msi" /i)
[ "$again" = 0 ] || fail "the same package again: status $again"
[ "$(uninstall_entries)" = 1 ] || fail "after the same package again $(uninstall_entries) entries"
[ "$(msiexec "$work/rebuild.msi" /i)" = 0 ] || fail "the rebuild does not install"
[ "$(uninstall_entries)" = 1 ] || fail "after the rebuild $(uninstall_entries) uninstall entries"
[ -s "$default_folder/cijferwerf.exe" ] || fail "no program after the rebuild"
# Refused as Windows Installer refuses, with 1603 or 1638, which reach the
# shell as their last eight bits: 67 or 102.
older=$(msiexec "$work/older.msi" /i)
[ "$older" = 67 ] || [ "$older" = 102 ] || fail "an older version installs (status $older)"
[ "$(uninstall_entries)" = 1 ] || fail "after the older version $(uninstall_entries) entries"

[ "$(msiexec "$work/rebuild.msi" /x)" = 0 ] || fail "msiexec /x did not succeed"
[ ! -e "$default_folder/cijferwerf.exe" ] || fail "the program stays after removal"
[ -z "$(shortcuts)" ] || fail "the shortcut stays after removal"
[ "$(uninstall_entries)" = 0 ] || fail "the uninstall entry stays after removal"

echo "== Into a folder of the admin's choice"
folder="C:\\Schoolprogramma's\\Rekenën voor groep 5\\"
unix_folder="$WINEPREFIX/drive_c/Schoolprogramma's/Rekenën voor groep 5"
[ "$(msiexec "$msi" /i "INSTALLDIR=$folder")" = 0 ] || fail "msiexec /i INSTALLDIR did not succeed"
[ -s "$unix_folder/cijferwerf.exe" ] || fail "no program in $folder"
[ ! -e "$default_folder/cijferwerf.exe" ] || fail "a program in Program Files too"
[ "$(install_location)" = "$folder" ] || fail "the uninstall entry's folder is '$(install_location)'"
wine "$(winepath -w "$unix_folder/cijferwerf.exe")" </dev/null >/dev/null 2>&1 &
started=$!
sleep 3
kill -0 "$started" 2>/dev/null || fail "the program does not start from $folder"
wine taskkill /f /im cijferwerf.exe </dev/null >/dev/null 2>&1 || true
wait "$started" 2>/dev/null || true
[ "$(msiexec "$msi" /x)" = 0 ] || fail "msiexec /x did not succeed"
[ ! -e "$unix_folder/cijferwerf.exe" ] || fail "the program stays in $folder after removal"
[ "$(uninstall_entries)" = 0 ] || fail "the uninstall entry stays after removal"

echo "$failures failures"
[ "$failures" -eq 0 ]
