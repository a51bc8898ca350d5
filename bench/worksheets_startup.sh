#!/usr/bin/env bash
# Start-up of the worksheet window (numeriko-worksheets --gui) on a real X
# server against a bare Qt window holding one print preview
# (numeriko_preview_baseline): the time from the start of the process to the
# first drawing in its window, and its peak resident set size once drawing has
# been quiet for 300 ms, as shared/tools/firstframe.c measures them, on an Xvfb
# of this script's own (bench/xvfb_session.sh). Each program runs once to warm
# the caches, then both in turn, N times each (15 unless given), and the
# medians are compared: the window is held to 1.5 times the bare window's
# time. Each run starts with empty settings in a temporary home. Prints two
# rows of the table.
# Usage: bench/worksheets_startup.sh BUILD_FOLDER [runs]
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_FOLDER [runs]}")
runs=${2:-15}
program=$build/worksheets/numeriko-worksheets
bare=$build/bench/numeriko_preview_baseline
budget=1.5

for file in "$program" "$bare"; do
  [[ -e $file ]] || { echo "$0: $file is missing" >&2; exit 1; }
done
source "$(dirname "$0")/xvfb_session.sh"

firstFrame /dev/null "$bare"
firstFrame /dev/null "$program" --gui
for ((i = 0; i < runs; i++)); do
  # Alternating, so that a change in the machine's load touches both alike.
  firstFrame "$work/bare" "$bare"
  firstFrame "$work/program" "$program" --gui
done

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
