#!/usr/bin/env bash
# Renders every window of the program offscreen, at sizes that fit a 1024 x 768 screen, over the
# demo database (seeded draws ending on 2026-12-09) into docs/screens/ as PNG. Run it after
# scripts/test.sh (which builds build/), and again whenever a window changes.
# Exits non-zero when a window does not fit or one of its controls is cut off (listed on stderr).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

build="$ROOT/build"
if [[ ! -d "$build" ]]; then
  echo "No build/ folder: run scripts/test.sh first." >&2
  exit 1
fi
export CCACHE_DIR="${CCACHE_DIR:-${HOME:-/root}/.cache/ccache}"
export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=true
# The program target lays out build/app/ (pictures, credit texts, help, wheels).
cmake --build "$build" -j"$(nproc)" --target pickora pickora_screenshots

screens="$ROOT/docs/screens"
mkdir -p "$screens"
rm -f "$screens"/*.png
QT_QPA_PLATFORM=offscreen "$build/tools/pickora_screenshots" "$build/app" "$screens"
