#!/usr/bin/env bash
# Builds the program in build/ and starts it.
#   scripts/run.sh          the program in build/app/, with its own database
#   scripts/run.sh --demo   a copy in build/demo/ whose database holds generated draws
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

demo=false
for argument in "$@"; do
  case "$argument" in
    --demo) demo=true ;;
    -h|--help)
      echo "usage: scripts/run.sh [--demo]"
      exit 0
      ;;
    *)
      echo "unknown argument: $argument (usage: scripts/run.sh [--demo])" >&2
      exit 2
      ;;
  esac
done

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  suffix=""
  if $demo; then suffix=" --demo"; fi
  echo "There is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Run the program under a virtual X server instead:" >&2
  echo "  xvfb-run -a scripts/run.sh$suffix" >&2
  exit 1
fi

ensure_packages
build="$ROOT/build"
configure_and_build "$build"

if ! $demo; then
  exec "$build/app/pickora"
fi

# The demo folder: a fresh copy of the program and its folders, but its own database (with its
# journal and temporaries), which is kept from run to run. build/app/数据库 is only read here, and
# its database files not even that.
demo_dir="$build/demo"
mkdir -p "$demo_dir"
(
  cd "$build/app"
  skip=(-path './数据库/彩票数据.mdb*' -prune)
  find . -mindepth 1 "${skip[@]}" -o -type d -print0 |
    while IFS= read -r -d '' folder; do mkdir -p "$demo_dir/$folder"; done
  find . -mindepth 1 "${skip[@]}" -o ! -type d -print0 |
    while IFS= read -r -d '' file; do cp -pf "$file" "$demo_dir/$file"; done
)
"$build/tools/pickora_demo_database" "$demo_dir"
exec "$demo_dir/pickora"
