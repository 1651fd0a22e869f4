# Shared by run.sh and test.sh: install what is missing, then configure and build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building and running the program need: all that ./run.sh installs. The font's metrics are
# the ones the fixed layout is measured in; the Wayland plugin lets the program run natively on
# a Wayland desktop.
PACKAGES=(
    cmake ninja-build g++ pkg-config liberfa-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    fonts-dejavu-core qt6-wayland
)
# What the tests and the package check add; ./test.sh installs these as well.
TEST_PACKAGES=(
    xvfb xauth xdotool x11-utils imagemagick poppler-utils libx11-dev libxext-dev zlib1g-dev
    dbus at-spi2-core python3-gi gir1.2-atspi-2.0
    desktop-file-utils shared-mime-info dpkg-dev file openbox bc
    appstream lintian man-db weston devscripts
)

# Installs those of PACKAGES that are missing.
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

# Whether every setting given (-DNAME=VALUE) already holds in the cache of the build folder $1.
settings_hold() {
    local dir=$1
    shift
    local setting name
    for setting in "$@"; do
        [[ $setting == -D*=* ]] || return 1
        name=${setting#-D}
        name=${name%%=*}
        grep -qxE "${name}(:[A-Z]+)?=${setting#*=}" "$dir/CMakeCache.txt" 2>/dev/null || return 1
    done
}

# configure_and_build DIR [-DNAME=VALUE...]: the settings are applied to the build folder DIR
# whenever it does not hold them yet. ./run.sh and ./test.sh differ in their settings, so each has
# a folder of its own: switching one folder back and forth would rebuild nearly everything.
configure_and_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ] || ! settings_hold "$dir" "$@"; then
        cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    fi
    cmake --build "$dir" -j"$(nproc)"
}
