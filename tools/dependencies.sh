# Installs the Debian packages that building, running and testing need, and
# only those that are missing, so that a second call costs nothing; and
# configures and builds a preset. Sourced by run.sh, test.sh and .ci/run.

cijferwerf_packages=(
    cmake ninja-build g++
    qt6-base-dev libgl-dev
    libgtest-dev libbenchmark-dev
    fonts-liberation
    xvfb xauth x11-utils imagemagick
    dbus at-spi2-core python3-pyatspi
    desktop-file-utils appstream dpkg-dev
    clang libclang-rt-14-dev
    time bc x11-apps
)

install_missing_packages() {
    local missing=() package
    for package in "${cijferwerf_packages[@]}" "$@"; do
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

# build_preset NAME BINARY_DIR: configures once, then builds what changed.
build_preset() {
    [ -f "$2/CMakeCache.txt" ] || cmake --preset "$1"
    cmake --build --preset "$1"
}
