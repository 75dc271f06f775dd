#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program, and opens its window. Without
# a display it runs the program on a virtual X server, saves a picture of the
# window and ends the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencies.sh

program=build-app/shell/qt/cijferwerf
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    install_missing_packages "${program_packages[@]}"
    build_preset app
    exec "$program"
fi

install_missing_packages "${program_packages[@]}" "${headless_packages[@]}"
build_preset app
screenshot="$PWD/screenshots/cijferwerf.png"
mkdir -p "$(dirname "$screenshot")"
xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" \
    tools/show-window.sh "$program" "$screenshot" >/dev/null
echo "$screenshot"
