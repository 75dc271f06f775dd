#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds what the project delivers a second time, from a copy of the source
# in another folder, in another time zone, under another umask and another
# locale, and compares the two byte for byte: the Debian package,
# cijferwerf.exe, the Windows Installer package and the site folder. A
# difference is shown by diffoscope and fails the check.
#
# Without arguments the first build is the project's own (build/,
# build-windows/, build-web/; what is missing there is built). With
# arguments, each is compared with the second build instead: a published
# .deb, .exe or .msi, or a copy of the site folder.
# Usage: tools/check-reproducible.sh [PACKAGE.deb] [cijferwerf.exe] [PACKAGE.msi] [SITE-FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/dependencies.sh
install_missing_packages "${reproducible_packages[@]}"

top=$PWD
version=$(sed -n 's/^project(cijferwerf VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)
# Both builds take their time as any build does: SOURCE_DATE_EPOCH when it
# is set, else the last commit's (the copy lies inside this repository).

# build_deliverables SOURCE: what is compared, and nothing more, in the
# presets' folders of SOURCE.
build_deliverables() (
    cd "$1"
    cmake --preset default >/dev/null
    cmake --build --preset default --target cijferwerf compressed_documents
    cpack --config build/CPackConfig.cmake -B build/package >/dev/null
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target installer
    cmake --preset web >/dev/null
    cmake --build --preset web --target site
)

# The path of each deliverable under a build's source folder.
deliverable() {
    case $2 in
        deb) echo "$1/build/package/cijferwerf_${version}_amd64.deb" ;;
        exe) echo "$1/build-windows/shell/win32/cijferwerf.exe" ;;
        msi) echo "$1/build-windows/cijferwerf-$version-x64.msi" ;;
        site) echo "$1/build-web/site" ;;
    esac
}

declare -A first
if [ $# -eq 0 ]; then
    echo "== The first build, in $top"
    build_deliverables "$top"
    for kind in deb exe msi site; do first[$kind]=$(deliverable "$top" "$kind"); done
else
    for given in "$@"; do
        case $given in
            *.deb) first[deb]=$(realpath "$given") ;;
            *.exe) first[exe]=$(realpath "$given") ;;
            *.msi) first[msi]=$(realpath "$given") ;;
            *) [ -d "$given" ] || { echo "$given: not a .deb, .exe, .msi or folder" >&2; exit 2; }
               first[site]=$(realpath "$given") ;;
        esac
    done
fi

# The second build: the source as it stands (new files, changes and
# all, what git ignores left out), copied into a folder of another name and depth.
second=$top/build-reproducible/elsewhere/cijferwerf-source
rm -rf "$top/build-reproducible"
mkdir -p "$second"
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xf - -C "$second"

# Another locale, if the machine has one; C.UTF-8 is always there.
# What the second build varies: the file mode mask, the time zone and the
# locale, each other than the first build's.
settings() { echo "umask $(umask), time zone $(date +%z), locale $(locale | sed -n 's/^LC_CTYPE="*\([^"]*\)"*/\1/p')"; }
first_settings=$(settings)
current=$(locale | sed -n 's/^LC_CTYPE="*\([^"]*\)"*/\1/p')
locale=""
locales=$(locale -a 2>/dev/null || true)
for candidate in nl_NL.utf8 de_DE.utf8 fr_FR.utf8 C.UTF-8; do
    if grep -qx "$candidate" <<<"$locales" && [ "$candidate" != "$current" ]; then
        locale=$candidate
        break
    fi
done
[ -n "$locale" ] || { echo "FAIL: no locale other than $current to build in" >&2; exit 1; }
[ "$(umask)" = 0022 ] && mask=0002 || mask=0022
echo "== The second build, in $second"
(
    umask "$mask"
    export TZ='<+14>-14' LANG=$locale LC_ALL=$locale
    second_settings=$(settings)
    echo "first build:  $first_settings"
    echo "second build: $second_settings"
    IFS=, read -r -a one <<<"$first_settings"
    IFS=, read -r -a two <<<"$second_settings"
    for i in 0 1 2; do
        [ "${one[$i]}" != "${two[$i]}" ] ||
            { echo "FAIL: the second build keeps the first one's ${one[$i]# }" >&2; exit 1; }
    done
    build_deliverables "$second"
)

# The files of a deliverable with their SHA-256 sums, a folder file by file.
sums() {
    if [ -d "$1" ]; then
        (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
    else
        sha256sum <"$1" | sed 's/ .*//'
    fi
}

failures=0
for kind in deb exe msi site; do
    [ -n "${first[$kind]:-}" ] || continue
    one=${first[$kind]}
    two=$(deliverable "$second" "$kind")
    if [ "$(sums "$one")" = "$(sums "$two")" ]; then
        if [ -d "$one" ]; then
            echo "identical: $kind, $(sums "$one" | wc -l) files"
        else
            echo "identical: $kind, SHA-256 $(sums "$one")"
        fi
        continue
    fi
    echo "DIFFERENT: $kind ($one, $two)"
    # What a folder's files hold, not when or under which umask they were
    # written.
    diffoscope --no-progress --exclude-directory-metadata=recursive \
        --max-text-report-size 300000 --text - "$one" "$two" || true
    failures=$((failures + 1))
done
echo "$failures of ${#first[@]} differ"
[ "$failures" -eq 0 ]
