#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing and cross-builds the Windows program and its
# installer package; prints where they are.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencies.sh

install_missing_packages "${windows_packages[@]}"
build_preset windows
version=$(sed -n 's/^project(cijferwerf VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)
echo "$PWD/build-windows/cijferwerf-$version-x64.msi"
echo "$PWD/build-windows/shell/win32/cijferwerf.exe"
