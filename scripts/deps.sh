# SPDX-License-Identifier: MIT
# Installs the Debian packages the game needs to build, run and test, when any is missing.
# Sourced by scripts/run and scripts/test.

QZ_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 ghostscript locales
    clang libclang-rt-14-dev
    xvfb xauth xdotool
    at-spi2-core dbus-daemon python3-gi gir1.2-atspi-2.0
    desktop-file-utils appstream
    poppler-utils chromium
)

qz_install_missing() {
    local missing=()
    local pkg
    for pkg in "${QZ_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
