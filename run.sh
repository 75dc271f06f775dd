#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window. Without a display it
# runs the program under Xvfb, saves a screenshot and ends the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencies.sh

install_missing_packages
build_preset default build

program=build/shell/cijferwerf
if [ -n "${DISPLAY:-}" ]; then
    exec "$program"
fi

screenshot="$PWD/screenshots/cijferwerf.png"
mkdir -p "$(dirname "$screenshot")"
Xvfb -displayfd 4 -screen 0 800x600x24 -nolisten tcp 4>/tmp/cijferwerf-display.$$ &
xvfb=$!
trap 'kill "${app:-}" "$xvfb" 2>/dev/null || true; rm -f /tmp/cijferwerf-display.$$' EXIT
for _ in $(seq 100); do
    [ -s /tmp/cijferwerf-display.$$ ] && break
    sleep 0.1
done
export DISPLAY=":$(tr -d '\n' < /tmp/cijferwerf-display.$$)"

"$program" &
app=$!
for _ in $(seq 100); do
    xwininfo -name Cijferwerf >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1 # let the first paint finish
import -window root "$screenshot"
echo "$screenshot"
