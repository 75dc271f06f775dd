# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What every use of Wine here shares; sourced by wine-run.sh and the Windows
# window's tests.

# wine_prefix DIR: this prefix, made on first use (one maker at a time),
# with the fonts that Wine brings, so that captions and messages are drawn.
wine_prefix() {
    export WINEPREFIX
    WINEPREFIX=$(mkdir -p "$1" && cd "$1" && pwd)
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export HOME="$WINEPREFIX/home"
    mkdir -p "$HOME"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            wine wineboot -i </dev/null >/dev/null 2>&1
            wineserver -w
            mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
            cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
    ) 9>"$WINEPREFIX.lock"
}

# wine_start: a lasting Wine server, and Wine's background processes
# started once for it, none of them holding the caller's standard input,
# output or error. One caller at a time starts them; the others wait for
# it and find them running. Neither the server nor the background
# processes, which outlive it, inherit the lock.
wine_start() {
    (
        flock 9
        if wineserver -p30 </dev/null >/dev/null 2>&1 9>&-; then
            wine_run cmd /c exit </dev/null >/dev/null 9>&-
        fi
    ) 9>"$WINEPREFIX.lock"
}

# wine_run PROGRAM.exe [ARGUMENT...]: runs it, and passes on its output,
# its error output and its exit status.
#
# Now and then Wine fails to start a program at all: it ends at once with
# an error status and without a word of its own. Such a start is made once
# more, and standard error says so; a program that ran and failed is never
# run again.
wine_run() {
    local out err status=0
    out=$(mktemp) err=$(mktemp)
    wine "$@" >"$out" 2>"$err" || status=$?
    if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
        echo "wine: Wine did not start $1 (status $status); it starts it once more" >&2
        status=0
        wine "$@" >"$out" 2>"$err" || status=$?
    fi
    cat "$out"
    cat "$err" >&2
    rm -f "$out" "$err"
    return "$status"
}

# wine_stop: ends this prefix's Wine server and every program in it.
wine_stop() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
}
