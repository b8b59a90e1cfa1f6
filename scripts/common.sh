# Shared by scripts/run.sh and scripts/test.sh: the packages the build needs and the build itself.
# shellcheck shell=bash

set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian 12 packages: the compiler and build tools, Qt 6 (Widgets, Sql with its SQLite driver,
# Charts; the offscreen and xcb platform plugins are in libqt6gui6), libjpeg for the splash
# picture, SQLite's own library for backup and restore, chmcmd (in fp-utils) for the help book,
# the test and benchmark libraries, a Chinese font, and Xvfb for running the program without a
# desktop.
PICKORA_PACKAGES=(
  cmake g++ make ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev libqt6svg6
  qt6-translations-l10n
  libqt6gui6 qt6-qpa-plugins libgl-dev
  libjpeg-dev libsqlite3-dev fp-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei xvfb xauth
)

missing_packages() {
  local package status
  for package in "${PICKORA_PACKAGES[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)"
    if [[ "$status" != "install ok installed" ]]; then
      printf '%s\n' "$package"
    fi
  done
}

ensure_packages() {
  local missing
  mapfile -t missing < <(missing_packages)
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  if [[ "$(id -u)" -ne 0 ]]; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them as root, e.g.: sudo apt-get install ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing missing packages: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" \
    </dev/null
}

# configure_and_build <builddir> [extra cmake arguments...]
configure_and_build() {
  local dir="$1"
  shift
  export CCACHE_DIR="${CCACHE_DIR:-${HOME:-/root}/.cache/ccache}"
  # Share cached objects between clones in other folders (CI builds a fresh clone each time).
  export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=true
  local args=(-S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  if [[ "${CI:-}" == "true" ]]; then
    args+=(-DPICKORA_WERROR=ON)
  fi
  cmake "${args[@]}" "$@"
  cmake --build "$dir" -j"$(nproc)"
}
