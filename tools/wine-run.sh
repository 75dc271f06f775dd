#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows console program under Wine, for CTest and its test
# discovery: a Wine prefix of the build's own (made on first use), Wine's
# messages off, no Mono or Gecko installers, no menu entries written, and
# a scratch home. Wine's background processes are started first, detached
# from every output, so that they never keep a caller's pipe open.
#
# Now and then, with many programs started at once, Wine fails to start one
# at all: it ends at once with an error status and without a word of its
# own. Such a start is made once more, and standard error says so; a
# program that ran and failed is never run again.
# Usage: wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/wine-environment.sh"
wine_prefix "$1"
shift
unset DISPLAY
wine_start
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0
wine "$@" >"$out" 2>"$err" || status=$?
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
    echo "wine-run: Wine did not start $1 (status $status); it starts it once more" >&2
    status=0
    wine "$@" >"$out" 2>"$err" || status=$?
fi
cat "$out"
cat "$err" >&2
exit "$status"
