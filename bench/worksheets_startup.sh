#!/usr/bin/env bash
# Start-up of the worksheet window (numeriko-worksheets --gui) on a real X
# server against a bare Qt window holding one print preview
# (numeriko_preview_baseline): the time from the start of the process to the
# first drawing in its window, and its peak resident set size once drawing has
# been quiet for 300 ms, as shared/tools/firstframe.c measures them, on an Xvfb
# of this script's own. Each program runs once to warm the caches, then both
# in turn, N times each (15 unless given), and the medians are compared: the
# window is held to 1.5 times the bare window's time. Each run starts with
# empty settings in a temporary home. Prints two rows of the table.
# Usage: bench/worksheets_startup.sh BUILD_FOLDER [runs]
# Needs libx11-dev, libxdamage-dev and xvfb, which bench/run.sh installs.
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_FOLDER [runs]}")
runs=${2:-15}
here=$(cd "$(dirname "$0")" && pwd)
source=${NUMERIKO_FIRSTFRAME_SOURCE:-$here/../../shared/tools/firstframe.c}
program=$build/worksheets/numeriko-worksheets
bare=$build/bench/numeriko_preview_baseline
budget=1.5

for file in "$source" "$program" "$bare"; do
  [[ -e $file ]] || { echo "$0: $file is missing" >&2; exit 1; }
done
firstframe=$build/bench/firstframe
[[ $firstframe -nt $source ]] || cc -O2 -o "$firstframe" "$source" -lX11 -lXdamage

work=$(mktemp -d "${TMPDIR:-/tmp}/numeriko-startup-XXXXXX")
xvfb=
cleanup() {
  if [[ -n $xvfb ]]; then
    kill -TERM "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display itself and names it once it takes connections.
: >"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for ((tries = 0; tries < 100; tries++)); do
  [[ $(wc -l <"$work/display") -ge 1 ]] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
if [[ $(wc -l <"$work/display") -lt 1 ]]; then
  echo "$0: Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi

DISPLAY=:$(<"$work/display")
export DISPLAY
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
mkdir -p "$XDG_CACHE_HOME" "$XDG_DATA_HOME"

# Appends "first_frame_ms peak_rss_kB" of one run to the file $1 names.
run() {
  local into=$1 line map first settled rss
  shift
  rm -rf "$XDG_CONFIG_HOME"
  mkdir -p "$XDG_CONFIG_HOME"
  if ! line=$("$firstframe" -q 300 -t 30000 -- "$@" 2>"$work/stderr"); then
    echo "$0: $1 showed no window:" >&2
    cat "$work/stderr" >&2
    return 1
  fi
  read -r map first settled rss <<<"$line"
  if [[ $first == -* || $rss == -* ]]; then
    echo "$0: $1 did not draw its window (map $map ms, settled $settled ms):" >&2
    cat "$work/stderr" >&2
    return 1
  fi
  echo "$first $rss" >>"$into"
}

run /dev/null "$bare"
run /dev/null "$program" --gui
for ((i = 0; i < runs; i++)); do
  # Alternating, so that a change in the machine's load touches both alike.
  run "$work/bare" "$bare"
  run "$work/program" "$program" --gui
done

median() { # of column $2 of the file $1
  cut -d' ' -f"$2" "$1" | sort -g |
    awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
awk -v runs="$runs" -v budget="$budget" \
  -v ours="$(median "$work/program" 1)" -v base="$(median "$work/bare" 1)" \
  -v ourRss="$(median "$work/program" 2)" -v baseRss="$(median "$work/bare" 2)" 'BEGIN {
  ratio = ours / base
  printf "| Worksheet window start-up to first frame on Xvfb (median of %d alternating runs each) " \
         "| %.1f ms; bare window with a print preview %.1f ms: ×%.2f " \
         "| ≤ %.1f × bare window with a print preview | %s |\n",
         runs, ours, base, ratio, budget, ratio <= budget ? "yes" : "NO"
  printf "| Peak RSS of the worksheet window at start-up on Xvfb (median) " \
         "| %.1f MiB; bare window with a print preview %.1f MiB: %+.1f MiB | – | – |\n",
         ourRss / 1024, baseRss / 1024, (ourRss - baseRss) / 1024
}'
