#!/usr/bin/env bash
# Installs the Debian packages Numeriko needs to build, run and test, and
# only those that are missing, so a second run costs a few dpkg queries.
# Beyond the build: the desktop entry and metainfo validators, the manual
# page's formatter and reader, an X server with input and screenshot tools
# for the test of the real program, and what CPack needs to make the Debian
# package; the CUPS scheduler, its clients and the generic PDF printer's PPD
# and filters for the test that prints through a print spooler of its own
# (the machine's printing set-up is left alone); valgrind for the memory
# check of a ten-problem run; clang-format and clazy for the source checks.
# Usage: scripts/deps.sh [extra packages...]
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libjpeg62-turbo-dev libcups2-dev libfontconfig-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  fonts-ipafont-gothic fonts-klee fonts-morisawa-bizud-gothic
  poppler-utils
  cups-daemon cups-client cups-filters
  desktop-file-utils appstream groff-base man-db
  xvfb xdotool imagemagick libxcb1-dev
  dpkg-dev file
  valgrind clang-format clazy
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
