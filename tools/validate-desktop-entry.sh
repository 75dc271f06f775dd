#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entry: the validator must pass it without a single
# message, warnings and hints included.
set -uo pipefail
output=$(desktop-file-validate "$1" 2>&1)
status=$?
[ -z "$output" ] || printf '%s\n' "$output"
[ $status -eq 0 ] && [ -z "$output" ]
