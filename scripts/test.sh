#!/usr/bin/env bash
# Installs what is missing, builds Numeriko and runs every test, headless.
# Usage: scripts/test.sh [preset]   (dev, the default, or asan: the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}

scripts/deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
