#!/usr/bin/env bash
# Builds the libFuzzer target with clang-14 (the fuzz preset) and fuzzes the
# main window for a while, from the seed corpus in tests/fuzz/corpus. New
# inputs go to build/fuzz/corpus, failing ones to build/fuzz/artifacts; a
# failing input is replayed with: build/fuzz/tests/fuzz/numeriko_fuzz <file>
# Usage: scripts/fuzz.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/deps.sh clang-14 libclang-rt-14-dev
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus build/fuzz/artifacts
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
# Every input builds a window of its own; a smaller quarantine of freed
# memory keeps a long run's memory within libFuzzer's limit.
export ASAN_OPTIONS="quarantine_size_mb=64"
# Leaks are left to LeakSanitizer at the end of the run (and to the asan
# tests): looking for them after every input halves the speed.
build/fuzz/tests/fuzz/numeriko_fuzz -max_total_time="$seconds" -max_len=2048 -rss_limit_mb=4096 \
  -detect_leaks=0 -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/ \
  build/fuzz/corpus tests/fuzz/corpus
