#!/usr/bin/env bash
# Installs what Zorvane needs, builds it and runs every test headless.
source "$(dirname "$0")/scripts/common.sh"

install_missing
configure_and_build

cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
