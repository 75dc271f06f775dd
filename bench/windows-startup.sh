#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows window's start-up under Wine on a virtual X server, beside a
# bare Win32 window with 26 controls, taking turns in the same run.
# Usage: bench/windows-startup.sh [BUILD_DIR [RUNS]]
set -euo pipefail
build=$(cd "${1:-build-windows}" && pwd) runs=${2:-21}
source "$(dirname "$0")/../tools/wine-environment.sh"
exec {displays}<> <(:)
Xvfb -displayfd "$displays" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb=$!
read -r -t 30 number <&"$displays"
export DISPLAY=":$number"
wine_prefix "$build/wine-bench"
trap 'wine_stop; kill "$xvfb" 2>/dev/null || true' EXIT
wine_start
wine "$build/bench/windows/startup.exe" "$runs" \
    "$(winepath -w "$build/shell/win32/cijferwerf.exe")" Cijferwerf.Form1 \
    "$(winepath -w "$build/bench/windows/bare_window.exe")" Bare.Window
