#!/usr/bin/env bash
# Fails, naming the files, when clang-format would change any C++ file of the project (it never
# rewrites them: run `clang-format -i FILE` yourself). Installs clang-format when it is missing.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

if ! command -v clang-format >/dev/null 2>&1; then
  if [[ "$(id -u)" -ne 0 ]]; then
    echo "clang-format is missing: sudo apt-get install clang-format" >&2
    exit 1
  fi
  apt-get update >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends clang-format </dev/null >/dev/null
fi

mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' \
  'bench/*.h' 'tools/*.cpp' 'tools/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
different=()
for file in "${files[@]}"; do
  if ! clang-format --style=file "$file" | cmp -s - "$file"; then
    different+=("$file")
  fi
done
if ((${#different[@]})); then
  echo "check_format: clang-format would change ${#different[@]} file(s):" >&2
  printf '  %s\n' "${different[@]}" >&2
  exit 1
fi
echo "check_format: ${#files[@]} files are formatted as .clang-format says"
