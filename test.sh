#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencies.sh

install_missing_packages "${test_packages[@]}"
build_preset default
ctest --preset default
