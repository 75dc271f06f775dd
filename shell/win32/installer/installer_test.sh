#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows Installer package under Wine: what it holds, then a silent
# install (the program in Program Files\Cijferwerf, a Start-menu shortcut,
# an entry to remove it) and a silent removal that leaves none of them.
# Usage: installer_test.sh PACKAGE.msi PREFIX VERSION MSI_VERSION UPGRADE_CODE
set -euo pipefail
msi=$1 prefix=$2 version=$3 msi_version=$4 upgrade_code=$5
source "$(dirname "$0")/../../../tools/wine-environment.sh"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

property() { msiinfo export "$msi" Property | sed -n "s/^$1\t//p" | tr -d '\r'; }
[ "$(property ProductVersion)" = "$msi_version" ] || fail "product version $(property ProductVersion)"
[ "$(property UpgradeCode)" = "{$upgrade_code}" ] ||
    fail "upgrade code $(property UpgradeCode)"
[ "$(property ALLUSERS)" = 1 ] || fail "not for every user of the computer"
grep -q "Cijferwerf $version" <(msiinfo suminfo "$msi") || fail "the package does not name version $version"

wine_prefix "$prefix"
unset DISPLAY
trap wine_stop EXIT
wine_start
program="$WINEPREFIX/drive_c/Program Files/Cijferwerf/cijferwerf.exe"
# Wine puts a per-machine shortcut in the common Start menu or, where it
# takes the user for no administrator, in the user's own.
shortcuts() {
    find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
        "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Cijferwerf.lnk' 2>/dev/null
}
uninstall_entry() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | grep -c 'DisplayName    REG_SZ    Cijferwerf$' || true
}

wine msiexec /i "$(winepath -w "$msi")" /qn </dev/null || fail "msiexec /i ended with $?"
[ -s "$program" ] || fail "no program in Program Files\\Cijferwerf"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
[ "$(uninstall_entry)" = 1 ] || fail "no uninstall entry"

wine msiexec /x "$(winepath -w "$msi")" /qn </dev/null || fail "msiexec /x ended with $?"
[ ! -e "$program" ] || fail "the program stays after removal"
[ -z "$(shortcuts)" ] || fail "the shortcut stays after removal"
[ "$(uninstall_entry)" = 0 ] || fail "the uninstall entry stays after removal"

echo "$failures failures"
[ "$failures" -eq 0 ]
