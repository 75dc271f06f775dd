#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program natively on Wayland: a headless weston compositor, the program
# on Qt's wayland platform, and pictures of the compositor's screen until one
# shows both the window's light green and a result box's bright green.
# Usage: wayland_window.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")

runtime=$(mktemp -d) # the compositor's own XDG_RUNTIME_DIR, mode 0700
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime
socket=cijferwerf-test
cd "$runtime"

# Without --use-pixman the screenshooter hangs; --debug lets it take pictures.
weston --backend=headless-backend.so --use-pixman --socket=$socket --debug \
    --width=800 --height=600 >weston.log 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
[ -S "$socket" ] || { echo "FAIL: weston did not start"; cat weston.log; exit 1; }

WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$program" >program.log 2>&1 &
pids+=($!)

# How many pixels of a colour (#RRGGBB) a picture holds.
pixels() { convert "$1" -format %c histogram:info:- | { grep -i "#$2" || true; } | awk -F: '{ s += $1 } END { print s + 0 }'; }

for _ in $(seq 40); do
    sleep 0.25
    kill -0 "${pids[-1]}" 2>/dev/null || { echo "FAIL: the program ended"; cat program.log; exit 1; }
    rm -f wayland-screenshot-*.png
    WAYLAND_DISPLAY=$socket timeout 10 weston-screenshooter >/dev/null 2>&1 || continue
    shot=$(ls wayland-screenshot-*.png 2>/dev/null | head -n 1)
    [ -n "$shot" ] || continue
    light=$(pixels "$shot" 80FF80) bright=$(pixels "$shot" 00FF00)
    if [ "$light" -gt 10000 ] && [ "$bright" -gt 1000 ]; then
        echo "window on weston: $light light green and $bright bright green pixels"
        exit 0
    fi
done
echo "FAIL: no picture of the window on weston (last: ${light:-0} light, ${bright:-0} bright green pixels)"
cat program.log
exit 1
