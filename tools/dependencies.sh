# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages of a set, only those that are missing, so that
# a second call costs nothing; and configures and builds a preset. Sourced by
# run.sh, test.sh and .ci/run.

# What building and running the program need.
program_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation qt6-translations-l10n)
# What running it without a display adds: a virtual X server and a picture
# of the window.
headless_packages=(xvfb xauth x11-utils imagemagick)
# What the tests and the benchmarks add.
test_packages=(
    "${program_packages[@]}" "${headless_packages[@]}"
    libgtest-dev libbenchmark-dev
    dbus at-spi2-core python3-pyatspi
    # the screen reader that hears the window, on a desktop of its own
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng dbus-x11 xdotool openbox zenity
    weston qt6-wayland qt6ct
    desktop-file-utils appstream dpkg-dev lintian reuse man-db
    time bc x11-apps
    # every locale of the C library, for the sweep over regional settings
    locales-all
)
# What the Windows build adds: the MinGW-w64 cross compiler (the -posix one,
# whose library has threads), Wine to run and test it on a virtual X server,
# and the tools for the installer package and the program's resources
# (faketime holds the clock at the source's time while the package is made).
windows_packages=(
    cmake ninja-build g++-mingw-w64-x86-64-posix libgtest-dev
    wine wine64 xvfb xauth wixl msitools icoutils faketime
)
# What building the page needs: emscripten, node, which runs its tools, the
# free fonts with Arial's metrics and the tools that make the page's font of
# them, and ImageMagick for the page's icons.
site_packages=(cmake ninja-build emscripten nodejs fonts-liberation2 python3-fonttools python3-brotli
    imagemagick)
# What the browser's tests add: GoogleTest for the logic's tests under node,
# and for the page's three engines driven through WebDriver: headless
# Chromium with its driver, WebKit's MiniBrowser with its driver on a
# virtual X server in every locale, and Firefox ESR, spoken to over a
# WebSocket; Selenium, and Pillow to compare what is painted (npm, which
# comes with node, brings the accessibility audit's tool).
web_packages=("${site_packages[@]}" libgtest-dev chromium chromium-driver python3-selenium
    webkit2gtk-driver xvfb locales-all firefox-esr python3-websocket python3-pil
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng at-spi2-core python3-pyatspi
    dbus-x11 xdotool openbox zenity)
# What the check that two builds are the same byte for byte needs: the
# presets' builds, and diffoscope to show a difference.
reproducible_packages=("${test_packages[@]}" "${windows_packages[@]}" "${web_packages[@]}"
    diffoscope-minimal)
# What CI adds: clang and its runtime for the fuzzers, and the check above.
ci_packages=("${reproducible_packages[@]}" clang libclang-rt-14-dev)

# install_missing_packages PACKAGE... (npm only where node did not bring it)
install_missing_packages() {
    local missing=() package
    for package in "$@"; do
        [ "$package" = nodejs ] && ! command -v npm >/dev/null && missing+=(npm)
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq </dev/null
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" </dev/null
}

# build_preset NAME: configures (cheap when nothing changed, and a changed
# preset always reaches the build) and builds what changed. Configure's
# progress is not shown, its warnings are: a check left out for a missing
# tool among them.
build_preset() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}
