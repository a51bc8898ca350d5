#!/usr/bin/env bash
# Fails when clazy (levels 0 to 2) finds anything in the production sources or
# the project headers they include. Tests, benchmarks and tools are left out.
# Needs the dev build: its compile database and the moc files it generates.
# Usage: scripts/check-clazy.sh [build directory, build/dev by default]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
database=$build/compile_commands.json
[[ -f "$database" ]] || {
  echo "No $database: build the dev preset first." >&2
  exit 1
}
# The source directory exactly as the compile database spells its paths.
root=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")

production='(app|problems|drill|print|assets|worksheets)'
rootPattern=$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$root")
mapfile -t sources < <(
  grep -o '"file": *"[^"]*\.cpp"' "$database" | sed 's/^"file": *"//; s/"$//' |
    grep -E "^$rootPattern/$production/" | grep -Ev "^$rootPattern/$production/(.*/)?tests/" | sort -u
)
[[ ${#sources[@]} -gt 0 ]] || {
  echo "No production sources in $database." >&2
  exit 1
}

# The build's -Werror would turn the first finding into an error that cuts
# the rest of the checks short, so findings stay warnings and are counted.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
printf '%s\0' "${sources[@]}" |
  xargs -0 -n1 -P2 clazy-standalone -p "$build" --checks=level0,level1,level2 \
    --extra-arg=-Wno-error \
    --header-filter="^$rootPattern/$production/" \
    --ignore-dirs="^$rootPattern/(.*/)?tests/" >"$output" 2>&1 || status=$?

findings=$(grep -E ': (warning|error): .*\[-Wclazy-' "$output" | sort -u || true)
if [[ -n "$findings" ]]; then
  echo "$findings"
  echo "clazy: $(wc -l <<<"$findings") finding(s) in the production sources." >&2
  exit 1
fi
if [[ $status -ne 0 ]]; then
  cat "$output"
  echo "clazy-standalone failed on a production source." >&2
  exit 1
fi
