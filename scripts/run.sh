#!/usr/bin/env bash
# Installs what is missing, builds the program alone (no tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset release
cmake --build --preset release --target numeriko
exec build/release/app/numeriko "$@"
