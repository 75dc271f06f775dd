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

# wine_start: a lasting Wine server and Wine's background processes, none of
# them holding the caller's standard input, output or error.
wine_start() {
    wineserver -p30 </dev/null >/dev/null 2>&1 || true
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

# wine_stop: ends this prefix's Wine server and every program in it.
wine_stop() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
}
