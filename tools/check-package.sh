#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the Debian package apart in a temporary folder and checks that it
# holds the program, the desktop entry, the metainfo and the icons, that its
# control fields are filled in, and that the unpacked program starts and maps
# its window; and that the changelog's newest entry is this version.
# Usage: check-package.sh PACKAGE_DIR VERSION APP_ID CHANGELOG
set -euo pipefail
dir=$1 version=$2 id=$3 changelog=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

shopt -s nullglob
debs=("$dir"/cijferwerf_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "FAIL: expected one cijferwerf_${version}_*.deb in $dir"; exit 1; }
deb=${debs[0]}
echo "package: $deb"

work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
dpkg-deb -x "$deb" "$work/root"
root=$work/root

[ -x "$root/usr/bin/cijferwerf" ] || fail "no program at usr/bin/cijferwerf"
for file in usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/cijferwerf.1.gz \
    usr/share/doc/cijferwerf/copyright usr/share/doc/cijferwerf/changelog.gz; do
    [ -s "$root/$file" ] || fail "missing $file"
done
for size in 16 32 48 64 128; do
    icon=usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -s "$root/$icon" ] || { fail "missing $icon"; continue; }
    # The PNG header holds width and height at bytes 16 to 23.
    dims=$(od -An -tu1 -j16 -N8 "$root/$icon" | tr -s ' ' | sed 's/^ //')
    [ "$dims" = "0 0 0 $size 0 0 0 $size" ] || fail "$icon is not $size x $size ($dims)"
done

newest=$(sed -n '1s/^cijferwerf (\([^)]*\)).*/\1/p' "$changelog")
[ "$newest" = "$version" ] || fail "the changelog's newest entry is ${newest:-none}, not $version"

# Found beside the system's own libraries, never through a path of its own.
if readelf -d "$root/usr/bin/cijferwerf" | grep -E 'R(UN)?PATH'; then
    fail "the program carries a library search path"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = cijferwerf ] || fail "package name"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
[ -n "$(field Description)" ] || fail "no description"
if field Description | grep -n '^ *;'; then fail "a description line starts with ;"; fi
[ "$(field Recommends)" = "qt6-wayland, qt6-translations-l10n" ] ||
    fail "recommends $(field Recommends), not qt6-wayland and the toolkit's translations"
depends=$(field Depends)
echo "depends: $depends"
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for needed in fonts-liberation libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
    grep -qxF "$needed" <<<"$names" || fail "does not depend on $needed"
done

# The unpacked program starts and keeps running on the offscreen platform ...
QT_QPA_PLATFORM=offscreen "$root/usr/bin/cijferwerf" &
pids+=($!)
sleep 2
kill -0 "${pids[-1]}" 2>/dev/null || fail "the program ended on the offscreen platform"

# ... and maps its window on an X server, with the class the desktop entry names.
if command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null; then
    if class=$(xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" \
        "$(dirname "$0")/show-window.sh" "$root/usr/bin/cijferwerf"); then
        wanted=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$id.desktop")
        grep -q "\"$wanted\"\$" <<<"$class" || fail "window class $class, the entry names $wanted"
    else
        fail "no Cijferwerf window mapped"
    fi
fi

echo "$failures failures"
[ $failures -eq 0 ]
