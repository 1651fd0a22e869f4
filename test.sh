#!/usr/bin/env bash
# Installs what Zorvane and its tests need, builds everything and runs every test headless.
source "$(dirname "$0")/scripts/common.sh"
BUILD_DIR=${ZORVANE_BUILD_DIR:-$ROOT/build}

PACKAGES+=("${TEST_PACKAGES[@]}")
install_missing
# The project's own checks treat every compiler warning as an error.
configure_and_build "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DZORVANE_WERROR=ON

cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
