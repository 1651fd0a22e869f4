#!/usr/bin/env bash
# Installs what Zorvane needs, builds it and runs every test headless.
source "$(dirname "$0")/scripts/common.sh"

install_missing
# The project's own checks treat every compiler warning as an error.
configure_and_build -DZORVANE_WERROR=ON

cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
