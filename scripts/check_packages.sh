#!/usr/bin/env bash
# Checks that the package list in scripts/common.sh covers everything the build's configure step
# reads from the system: every file CMake reads or finds outside the source and build folders is
# mapped to its Debian package, and each such package must be in the list or a hard dependency
# (Depends/PreDepends, recursively) of one in it. Recommended packages do not count: the scripts
# install with --no-install-recommends, as a fresh machine would.
#
#   scripts/check_packages.sh                 check the list as it stands
#   scripts/check_packages.sh --without PKG   check the list without PKG (shows the check bites)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

without=()
while (($#)); do
  case "$1" in
    --without) without+=("$2"); shift 2 ;;
    *) echo "usage: scripts/check_packages.sh [--without PACKAGE]..." >&2; exit 2 ;;
  esac
done

listed=()
for package in "${PICKORA_PACKAGES[@]}"; do
  skip=false
  for w in "${without[@]}"; do [[ "$package" == "$w" ]] && skip=true; done
  $skip || listed+=("$package")
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# 1. A fresh configure with a trace of every CMake file it runs and the cache of what it found.
cmake -S "$ROOT" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  --trace-format=json-v1 --trace-redirect="$work/trace.json" >"$work/configure.log" 2>&1 || {
  cat "$work/configure.log" >&2
  echo "check_packages: the configure step failed" >&2
  exit 1
}

# 2. The system files among them: the traced CMake scripts, every absolute path the trace passes
#    as an argument, and the programs, libraries and headers recorded in the cache.
python3 - "$work/trace.json" "$work/build/CMakeCache.txt" >"$work/paths" <<'PY'
import json, os, re, sys
paths = set()
def add(p):
    if p.startswith("/usr/") or p.startswith("/lib") or p.startswith("/bin/") or p.startswith("/sbin/"):
        if os.path.isfile(p):
            paths.add(os.path.realpath(p) if not os.path.exists(p) else p)
with open(sys.argv[1], encoding="utf-8", errors="replace") as trace:
    for line in trace:
        try:
            entry = json.loads(line)
        except ValueError:
            continue
        if "file" in entry:
            add(entry["file"])
        for arg in entry.get("args", []):
            for piece in re.split(r"[;\s]", arg):
                if piece.startswith("/"):
                    add(piece)
with open(sys.argv[2], encoding="utf-8", errors="replace") as cache:
    for line in cache:
        m = re.match(r"^[A-Za-z0-9_.+-]+:(FILEPATH|PATH|STRING|UNINITIALIZED)=(/.+)$", line.strip())
        if m:
            for piece in m.group(2).split(";"):
                add(piece)
for p in sorted(paths):
    print(p)
PY

# 3. Their packages, asked of dpkg in one go (a path dpkg does not know under /usr may be known
#    through the /usr-merged /lib or /bin, or under its resolved name).
python3 - "$work/paths" >"$work/needed" <<'PY'
import os, subprocess, sys
paths = [line.rstrip("\n") for line in open(sys.argv[1], encoding="utf-8") if line.strip()]
def owners(candidates):
    found = {}
    if not candidates:
        return found
    out = subprocess.run(["dpkg", "-S", *candidates], capture_output=True, text=True).stdout
    for line in out.splitlines():
        packages, _, path = line.partition(": ")
        if path:
            found.setdefault(path, packages.split(",")[0].strip().split(":")[0])
    return found
direct = owners(paths)
for path in paths:
    owner = direct.get(path)
    if owner is None:
        alternatives = {os.path.realpath(path)}
        if path.startswith("/usr/"):
            alternatives.add(path[4:])
        for alt, pkg in owners(sorted(alternatives)).items():
            owner = pkg
            break
    if owner:
        print(f"{owner}\t{path}")
PY

# 4. What the list brings in: the packages and their hard dependencies, recursively (apt's package
#    lists are needed for that; a machine that never ran apt-get update has none).
if ! apt-cache show cmake >/dev/null 2>&1; then
  apt-get update >/dev/null
fi
apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
  --no-replaces --no-enhances "${listed[@]}" 2>/dev/null |
  sed -n -E 's/^([a-z0-9][a-z0-9.+-]*)(:[a-z0-9]+)?$/\1/p; s/^ *\|?(Pre)?Depends: <?([a-z0-9][a-z0-9.+-]*)(:[a-z0-9]+)?>?$/\2/p' |
  sort -u >"$work/covered"
printf '%s\n' "${listed[@]}" >>"$work/covered"
# Essential packages are on every Debian system.
dpkg-query -W -f='${Package} ${Essential}\n' | awk '$2 == "yes" {print $1}' >>"$work/covered"
sort -u -o "$work/covered" "$work/covered"

# CMake's FindOpenGL also looks for EGL and GLU and records them when the machine happens to have
# them, but needs neither: a fresh machine without them configures the same.
optional_finds=(libegl-dev libglu1-mesa-dev)
printf '%s\n' "${optional_finds[@]}" >>"$work/covered"
sort -u -o "$work/covered" "$work/covered"

missing="$(cut -f1 "$work/needed" | sort -u | comm -23 - "$work/covered")"
if [[ -n "$missing" ]]; then
  echo "check_packages: the build reads files of packages that scripts/common.sh does not install:" >&2
  while IFS= read -r package; do
    example="$(awk -F'\t' -v p="$package" '$1 == p {print $2; exit}' "$work/needed")"
    echo "  $package (for example $example)" >&2
  done <<<"$missing"
  exit 1
fi
echo "check_packages: all $(cut -f1 "$work/needed" | sort -u | wc -l) packages the configure step reads are installed by the list"
