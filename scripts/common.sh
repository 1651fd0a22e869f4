# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${ZORVANE_BUILD_DIR:-$ROOT/build}

PACKAGES=(
    cmake ninja-build g++ pkg-config liberfa-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    fonts-dejavu-core
    xvfb xauth xdotool x11-utils imagemagick poppler-utils libx11-dev libxext-dev zlib1g-dev
    dbus at-spi2-core python3-gi gir1.2-atspi-2.0
    desktop-file-utils dpkg-dev file openbox bc
    appstream lintian man-db weston qt6-wayland
)

install_missing() {
    local missing=() installed
    # One query for them all: a query per package took a second.
    installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${PACKAGES[@]}" 2>/dev/null |
        awk '/ install ok installed$/ {print $1}') || true
    for p in "${PACKAGES[@]}"; do
        grep -qxF "$p" <<<"$installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Whether every setting given (-DNAME=VALUE) already holds in the build folder's cache.
settings_hold() {
    local setting name
    for setting in "$@"; do
        [[ $setting == -D*=* ]] || return 1
        name=${setting#-D}
        name=${name%%=*}
        grep -qxE "${name}(:[A-Z]+)?=${setting#*=}" "$BUILD_DIR/CMakeCache.txt" 2>/dev/null || return 1
    done
}

# Settings given as arguments (-DNAME=VALUE) are applied to the build folder whenever it does not
# hold them yet.
configure_and_build() {
    if [ ! -f "$BUILD_DIR/build.ninja" ] || ! settings_hold "$@"; then
        cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    fi
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}
