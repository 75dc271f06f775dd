#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows console program under Wine, for CTest and its test
# discovery: a Wine prefix of the build's own (made on first use), Wine's
# messages off, no Mono or Gecko installers, no menu entries written, and
# a scratch home. Wine's background processes are started first, detached
# from every output, so that they never keep a caller's pipe open.
#
# Background processes are started once for each Wine server, and a start
# that Wine fails without a word is made once more (wine-environment.sh).
# Usage: wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/wine-environment.sh"
wine_prefix "$1"
shift
unset DISPLAY
wine_start
wine_run "$@"
