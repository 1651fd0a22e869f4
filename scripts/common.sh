# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${ZORVANE_BUILD_DIR:-$ROOT/build}

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    fonts-dejavu-core
    xvfb xauth xdotool x11-utils imagemagick poppler-utils libx11-dev libxext-dev
    dbus at-spi2-core python3-gi gir1.2-atspi-2.0
    desktop-file-utils dpkg-dev file openbox bc
    appstream lintian man-db weston qt6-wayland
)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Settings given as arguments (-DNAME=VALUE) are applied to the build folder every time.
configure_and_build() {
    if [ ! -f "$BUILD_DIR/build.ninja" ] || [ $# -gt 0 ]; then
        cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    fi
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}
