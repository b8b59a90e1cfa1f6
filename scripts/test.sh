#!/usr/bin/env bash
# Builds everything in build/ and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
configure_and_build "$ROOT/build"
cd "$ROOT/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
