#!/usr/bin/env bash
# Builds the benchmarks in a Release build and prints one table of every
# measure against its budget. Timings depend on the machine and its load:
# run on a quiet machine (the load averages are printed with the table).
# Usage: bench/run.sh [start-up runs of each program, 15 unless given]
# The drill window's and the worksheet window's start-ups run on an Xvfb of
# their own; TuxMath, KBruch and GCompris, where installed, are timed beside
# the drill window.
# The build goes to build/bench, or to $NUMERIKO_BENCH_BUILD.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
build=${NUMERIKO_BENCH_BUILD:-build/bench}

scripts/deps.sh libbenchmark-dev libx11-dev libxdamage-dev xvfb >&2
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNUMERIKO_BENCH=ON >&2
cmake --build "$build" --target numeriko_bench numeriko_startup_compare numeriko_worksheet_batch \
  numeriko numeriko_bare_window numeriko-worksheets numeriko_preview_baseline numeriko_worksheets_preview >&2

# Qt asks for a runtime folder; a private one keeps its warning out of the table.
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

echo "$(nproc) cores; load averages before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| Measure | Result | Budget | Held |"
echo "|---|---|---|---|"
"$build/bench/numeriko_startup_compare" --runs "$runs"
bench/drill_startup.sh "$build" "$runs"
"$build/bench/numeriko_bench" --table
"$build/bench/numeriko_worksheet_batch"
bench/worksheets_startup.sh "$build" "$runs"
"$build/bench/numeriko_worksheets_preview"
echo
echo "Load averages after: $(cut -d' ' -f1-3 /proc/loadavg)"
