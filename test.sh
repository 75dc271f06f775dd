#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/dependencies.sh

install_missing_packages "${test_packages[@]}"
build_preset default
ctest --preset default
