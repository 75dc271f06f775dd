#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows window under Wine on a private virtual X server: the driver
# checks the window's facts and what it paints with English regional
# settings, the decimal comma with Dutch ones, the window in a dark colour
# scheme and at 120 and 144 dots per inch; the program's manifest is checked as Windows reads it. A
# pass that fails runs once more, and says so: under Wine a window now and
# then misses an event that a desktop delivers. Ends its own Wine server and
# X server.
# Usage: window_test.sh DRIVER.exe PROGRAM.exe PREFIX VERSION
set -euo pipefail
driver=$1 program=$2 prefix=$3 version=$4
source "$(dirname "$0")/../../../tools/wine-environment.sh"

# The manifest makes the program per-monitor DPI aware, which Wine does not
# show: it is read from the program itself.
manifest=$(wrestool -x --raw --type=24 "$program")
grep -q '<dpiAwareness[^>]*>PerMonitorV2<' <<<"$manifest" ||
    { echo "FAIL: the manifest does not make the program per-monitor DPI aware"; exit 1; }

# The program's icon: one group of three images.
icons=$(wrestool -l --type=3 "$program" | wc -l)
groups=$(wrestool -l --type=14 "$program" | wc -l)
[ "$icons" -eq 3 ] && [ "$groups" -eq 1 ] ||
    { echo "FAIL: the program holds $groups icon groups and $icons images, not 1 and 3"; exit 1; }

exec {displays}<> <(:)
Xvfb -displayfd "$displays" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 number <&"$displays" || { echo "FAIL: no virtual X server"; exit 1; }
export DISPLAY=":$number"
wine_prefix "$prefix"
cleanup() { wine_stop; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
wine_start

# pass NAME LOCALE MODE: one run of the driver, and a second when it fails.
status=0
pass() {
    local name=$1 locale=$2 mode=$3
    echo "== $name"
    LC_ALL=$locale wine "$driver" "$program" "$mode" "$version" && return 0
    echo "== $name: failed once; it runs again"
    LC_ALL=$locale wine "$driver" "$program" "$mode" "$version" || status=1
}
# The screen's resolution, as Wine takes it from the user's settings.
resolution() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        </dev/null >/dev/null 2>&1
}
# The desktop's colour scheme, as Wine takes it from the user's settings:
# Wine's own light one, or a dark one with a dark blue highlight.
colours='HKCU\Control Panel\Colors'
scheme() {
    local name
    for name in Window WindowText ButtonFace ButtonText Hilight MenuText; do
        wine reg delete "$colours" /v $name /f </dev/null >/dev/null 2>&1 || true
    done
    [ "$1" = dark ] || return 0
    local -A dark=([Window]="35 38 41" [WindowText]="239 240 241" [ButtonFace]="49 54 59"
        [ButtonText]="239 240 241" [Hilight]="0 0 128" [MenuText]="239 240 241")
    for name in "${!dark[@]}"; do
        wine reg add "$colours" /v $name /t REG_SZ /d "${dark[$name]}" /f </dev/null >/dev/null 2>&1
    done
}
resolution 96
scheme light
pass "English regional settings" en_US.UTF-8 english
pass "Dutch regional settings" nl_NL.UTF-8 dutch
scheme dark
pass "A dark colour scheme" en_US.UTF-8 dark
scheme light
for dpi in 120 144; do
    resolution $dpi
    pass "$dpi dots per inch" en_US.UTF-8 $dpi
done
resolution 96
exit $status
