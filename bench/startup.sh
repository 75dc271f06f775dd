#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up, from exec to the window mapped on an X server (Xvfb, no window
# manager), and peak resident memory, for the program beside a bare Qt window
# with 26 plain controls and beside xcalc. Prints medians of RUNS runs, after
# one warm-up round, the subjects taking turns, and the ratios to the bare
# Qt window.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
# Always on a virtual X server of its own, whatever display there is, which
# keeps running between the programs instead of resetting when the last
# client leaves.
if [ -z "${CIJFERWERF_ON_XVFB:-}" ]; then
    CIJFERWERF_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$0" "$@"
fi
build=$(realpath "${1:-build}")
runs=${2:-15}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export LC_ALL=C

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# once TITLE COMMAND...: one run, printed as "microseconds kilobytes".
once() {
    local title=$1
    shift
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss" "$@" 2>/dev/null &
    local timer=$!
    # Poll every few milliseconds: polling without pause would crowd the X
    # server that the program is talking to.
    local deadline=$((start + 20000000000))
    until xwininfo -name "$title" 2>/dev/null | grep -q IsViewable; do
        sleep 0.003
        [ "$(date +%s%N)" -lt "$deadline" ] || { echo "no $title window" >&2; exit 1; }
    done
    end=$(date +%s%N)
    sleep 0.5 # let it paint and settle before the peak is read
    pkill -TERM -P "$timer" || true
    wait "$timer" 2>/dev/null || true
    echo "$(((end - start) / 1000)) $(tail -n 1 "$work/rss")"
}

subjects=(cijferwerf minimal xcalc)
run_subject() {
    case $1 in
    cijferwerf) once Cijferwerf "$build/shell/qt/cijferwerf" ;;
    minimal) once Minimal "$build/bench/minimal_window" ;;
    xcalc) once Calculator xcalc ;;
    esac
}

# The subjects take turns, so that whatever else the machine does falls on
# all of them alike; round 0 only warms the caches.
for run in $(seq 0 "$runs"); do
    for subject in "${subjects[@]}"; do
        result=$(run_subject "$subject")
        [ "$run" -eq 0 ] || echo "$result" >>"$work/$subject"
    done
done

declare -A startup memory
for subject in "${subjects[@]}"; do
    startup[$subject]=$(cut -d' ' -f1 "$work/$subject" | median)
    memory[$subject]=$(cut -d' ' -f2 "$work/$subject" | median)
done

printf '%-12s %14s %12s %16s %12s\n' program "start-up (ms)" ratio "peak RSS (KiB)" ratio
for subject in cijferwerf minimal xcalc; do
    printf '%-12s %14.1f %12.2f %16d %12.2f\n' "$subject" \
        "$(echo "${startup[$subject]} / 1000" | bc -l)" \
        "$(echo "${startup[$subject]} / ${startup[minimal]}" | bc -l)" \
        "${memory[$subject]%.*}" \
        "$(echo "${memory[$subject]} / ${memory[minimal]}" | bc -l)"
done
