#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs each for the given
# number of seconds (default 60), one after the other. Every target listed in
# build-fuzz/fuzz/targets.txt runs (fuzz/CMakeLists.txt writes it: one line a target).
#   scripts/fuzz.sh [seconds]
# A target's corpus lives in build-fuzz/corpus/<target>/ and grows from run to run; it starts
# from the target's seed folders. A finding stops the script with the target's output and the
# crashing input in build-fuzz/findings/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds < 1)); then
  echo "usage: scripts/fuzz.sh [seconds per target]" >&2
  exit 2
fi

if ! command -v clang++ >/dev/null 2>&1; then
  if [[ "$(id -u)" -ne 0 ]]; then
    echo "clang is missing: install it as root, e.g.: sudo apt-get install clang" >&2
    exit 1
  fi
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends clang </dev/null
fi

build="$ROOT/build-fuzz"
export CCACHE_DIR="${CCACHE_DIR:-${HOME:-/root}/.cache/ccache}"
export CCACHE_BASEDIR="$ROOT" CCACHE_NOHASHDIR=true
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPICKORA_CORE_ONLY=ON -DPICKORA_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target pickora_fuzz

mkdir -p "$build/findings"
status=0
while IFS='|' read -r -a fields; do
  ((${#fields[@]} > 0)) || continue
  target="${fields[0]}"
  dictionary="${fields[1]:-}"
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  arguments=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$build/findings/$target-")
  if [[ -n "$dictionary" ]]; then
    arguments+=(-dict="$dictionary")
  fi
  seeds=()
  for folder in "${fields[@]:2}"; do
    [[ -n "$folder" && -d "$folder" ]] && seeds+=("$folder")
  done
  echo "== $target: ${seconds}s, seeds: ${seeds[*]:-none}, dictionary: ${dictionary:-none}"
  log="$build/findings/$target.log"
  if "$build/fuzz/$target" "${arguments[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    grep -E '^#[0-9]+.*DONE' "$log" | tail -1 || true
  else
    echo "!! $target found a problem (log: $log):" >&2
    tail -40 "$log" >&2
    status=1
  fi
done <"$build/fuzz/targets.txt"
exit "$status"
