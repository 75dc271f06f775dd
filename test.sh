#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: the Linux program,
# then the Windows program cross-built and tested under Wine, then the logic
# built for the browser and tested under node, and the page in three
# browsers. `./test.sh linux`, `./test.sh windows` or `./test.sh web` does
# one of them, installing only what that one needs.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencies.sh

linux() {
    install_missing_packages "${test_packages[@]}"
    build_preset default
    ctest --preset default
}
windows() {
    install_missing_packages "${windows_packages[@]}"
    build_preset windows
    ctest --preset windows
}
web() {
    install_missing_packages "${web_packages[@]}"
    build_preset web
    ctest --preset web
}

case "${1:-all}" in
linux | windows | web) "$1" ;;
all)
    install_missing_packages "${test_packages[@]}" "${windows_packages[@]}" "${web_packages[@]}"
    linux
    windows
    web
    ;;
*)
    echo "usage: $0 [linux|windows|web]" >&2
    exit 2
    ;;
esac
