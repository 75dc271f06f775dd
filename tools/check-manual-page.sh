#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders a manual page as Debian's package checker does, and fails on any
# warning of the formatter, or when a section is missing.
# Usage: check-manual-page.sh PAGE
set -euo pipefail
page=$1
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || { printf '%s\n' "$warnings"; exit 1; }
text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT; do
    grep -qx "$section" <<<"$text" || { echo "no $section section"; exit 1; }
done
for word in --help --version LC_ALL LC_NUMERIC LANG; do
    grep -q -- "$word" <<<"$text" || { echo "the page does not mention $word"; exit 1; }
done
