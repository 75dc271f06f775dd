#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on the X server in DISPLAY, waits for its window, prints
# the window's class, saves a picture of the window alone when given a path,
# and ends the program. Fails with a message when no window appears within
# ten seconds.
# Usage: show-window.sh PROGRAM [PICTURE.png]
set -euo pipefail
program=$1 picture=${2:-}

"$program" &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 100); do
    window=$(xwininfo -name Cijferwerf 2>/dev/null | grep -q IsViewable &&
        xwininfo -name Cijferwerf | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p' || true)
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || { echo "$program ended before its window appeared" >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "no Cijferwerf window appeared within ten seconds" >&2; exit 1; }

xprop -id "$window" WM_CLASS
if [ -n "$picture" ]; then
    sleep 1 # let the first paint finish
    import -window "$window" "$picture"
fi
