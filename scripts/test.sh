#!/usr/bin/env bash
# Installs what is missing, builds Numeriko and runs every test, headless,
# and with the dev preset Qt's static checks (clazy) as well.
# Usage: scripts/test.sh [preset]   (dev, the default, or asan: the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}

scripts/deps.sh
# CUPS is installed now: a test that cannot start its scheduler fails, not skips.
export NUMERIKO_REQUIRE_CUPS=1
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
# The asan build compiles the same sources, so clazy runs once, on dev's.
[[ "$preset" != dev ]] || scripts/check-clazy.sh
