#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 (the fuzz preset) and fuzzes one
# for a while from its seed corpus: the main window (tests/fuzz/corpus) or
# the worksheet program's core (worksheets/tests/fuzz/corpus). New inputs go
# to build/fuzz/corpus (build/fuzz/corpus-worksheets), failing ones to
# build/fuzz/artifacts (and one over a second, for the worksheets, as
# slow-unit-*); a failing input is replayed with the target itself:
# build/fuzz/tests/fuzz/numeriko_fuzz <file>, or
# build/fuzz/worksheets/tests/fuzz/numeriko_worksheets_fuzz <file>
# Usage: scripts/fuzz.sh [seconds] [window|worksheets]   (default 60 window)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
target=${2:-window}
case "$target" in
  window)
    fuzzer=build/fuzz/tests/fuzz/numeriko_fuzz
    seeds=tests/fuzz/corpus
    corpus=build/fuzz/corpus
    options=()
    ;;
  worksheets)
    fuzzer=build/fuzz/worksheets/tests/fuzz/numeriko_worksheets_fuzz
    seeds=worksheets/tests/fuzz/corpus
    corpus=build/fuzz/corpus-worksheets
    # One input is meant to take milliseconds: keep any over a second.
    options=(-timeout=10 -report_slow_units=1)
    ;;
  *)
    echo "usage: scripts/fuzz.sh [seconds] [window|worksheets]" >&2
    exit 2
    ;;
esac

scripts/deps.sh clang-14 libclang-rt-14-dev
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p "$corpus" build/fuzz/artifacts
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
# Every input builds a window of its own; a smaller quarantine of freed
# memory keeps a long run's memory within libFuzzer's limit.
export ASAN_OPTIONS="quarantine_size_mb=64"
# Leaks are left to LeakSanitizer at the end of the run (and to the asan
# tests): looking for them after every input halves the speed.
"$fuzzer" -max_total_time="$seconds" -max_len=2048 -rss_limit_mb=4096 \
  -detect_leaks=0 -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/ "${options[@]}" \
  "$corpus" "$seeds"
