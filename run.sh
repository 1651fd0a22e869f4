#!/usr/bin/env bash
# Installs what building and running Zorvane need, builds the program alone and starts it.
source "$(dirname "$0")/scripts/common.sh"
# Its own folder: ./test.sh builds with other settings in build/.
BUILD_DIR=$ROOT/build-run

install_missing
# A release without debug information: the compiler takes a quarter less time over each file.
configure_and_build "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Zorvane is built, but it cannot start here: this session has no graphical display." >&2
    exit 1
fi
exec "$BUILD_DIR/bin/zorvane" "$@"
