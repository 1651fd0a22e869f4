#!/usr/bin/env bash
# Installs what Zorvane needs, builds it and starts it.
source "$(dirname "$0")/scripts/common.sh"

install_missing
configure_and_build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Zorvane is built, but it cannot start here: this session has no graphical display." >&2
    exit 1
fi
exec "$BUILD_DIR/bin/zorvane" "$@"
