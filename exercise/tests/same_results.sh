#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The logic built natively and for WebAssembly writes the same results for
# the same seeded inputs; the first lines that differ are shown.
# Usage: same_results.sh NATIVE_PROGRAM WEBASSEMBLY_PROGRAM.js [required]
# Without the native build's program the check is skipped (exit 77), or
# fails when every check is required.
set -euo pipefail
native=$1 web=$2 required=${3:-}
if [ ! -x "$native" ]; then
    echo "$native missing: build the native preset (./test.sh linux) to compare with it"
    [ -n "$required" ] && { echo "FAIL: every check is required"; exit 1; }
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$native" >"$work/native"
/usr/bin/node --no-experimental-fetch "$web" >"$work/web"
lines=$(wc -l <"$work/native")
if ! cmp -s "$work/native" "$work/web"; then
    diff "$work/native" "$work/web" | head -n 20
    echo "FAIL: the native and the WebAssembly results differ"
    exit 1
fi
echo "$lines lines the same"
