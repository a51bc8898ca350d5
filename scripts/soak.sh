#!/usr/bin/env bash
# A long soak of the main window: millions of random events, each checked
# (CI runs 200,000 of them in soak_test). A failure prints the seed and the
# event count that repeat it.
# Usage: scripts/soak.sh [events] [seed]   (default 5,000,000 events, a seed
# from the clock)
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-5000000}
seed=${2:-$(date +%s)}

scripts/deps.sh
cmake --preset dev
cmake --build --preset dev --target soak_test
QT_QPA_PLATFORM=offscreen NUMERIKO_SOAK_SEED="$seed" NUMERIKO_SOAK_EVENTS="$events" \
  build/dev/tests/soak_test
