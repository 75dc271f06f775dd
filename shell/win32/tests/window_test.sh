#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows window under Wine on a private virtual X server: the driver
# checks the window's facts with English regional settings and the decimal
# comma with Dutch ones; the program's manifest is checked as Windows reads
# it. Ends its own Wine server and X server.
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
Xvfb -displayfd "$displays" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 number <&"$displays" || { echo "FAIL: no virtual X server"; exit 1; }
export DISPLAY=":$number"
wine_prefix "$prefix"
cleanup() { wine_stop; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
wine_start

status=0
echo "== English regional settings"
LC_ALL=en_US.UTF-8 wine "$driver" "$program" english "$version" || status=1
echo "== Dutch regional settings"
LC_ALL=nl_NL.UTF-8 wine "$driver" "$program" dutch "$version" || status=1
exit $status
