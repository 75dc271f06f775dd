#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: the Linux program,
# then the Windows program cross-built and tested under Wine, then the logic
# built for the browser and tested under node.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencies.sh

install_missing_packages "${test_packages[@]}" "${windows_packages[@]}" "${web_packages[@]}"
build_preset default
ctest --preset default
build_preset windows
ctest --preset windows
build_preset web
ctest --preset web
