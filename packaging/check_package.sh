#!/usr/bin/env bash
# Builds the Debian package of a build and checks it: its name, that it
# declares the libraries and the font the program needs, and that it holds
# the installed files under /usr, the copyright file, the worksheet
# program's manual page and its bash completion among them.
# Usage: check_package.sh <build>/CPackConfig.cmake <output folder>
set -euo pipefail
config=$1
out=$2
build=$(dirname "$config")

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in cpack dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" > /dev/null || fail "$tool is not installed; scripts/deps.sh installs it"
done

rm -rf "$out"
cpack --config "$config" -B "$out" > "$out.log" 2>&1 || { cat "$out.log" >&2; fail "cpack failed"; }
debs=("$out"/numeriko_*.deb)
[[ -f ${debs[0]} ]] || fail "cpack made no numeriko_*.deb in $out"
deb=${debs[0]}

[[ $(dpkg-deb -f "$deb" Package) == numeriko ]] || fail "the package is not named numeriko"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6printsupport6 libqt6gui6 libjpeg62-turbo fonts-ipafont-gothic \
  fonts-klee fonts-morisawa-bizud-gothic; do
  grep -Eq "(^|, )$needed( |,|$)" <<< "$depends" || fail "the package does not depend on $needed"
done

contents=$(dpkg-deb -c "$deb")
paths=(./usr/bin/numeriko
  ./usr/share/applications/io.github.numeriko.Numeriko.desktop
  ./usr/share/metainfo/io.github.numeriko.Numeriko.metainfo.xml
  ./usr/share/metainfo/io.github.numeriko.Worksheets.metainfo.xml
  ./usr/share/applications/io.github.numeriko.Worksheets.desktop
  ./usr/share/icons/hicolor/256x256/apps/io.github.numeriko.Worksheets.png
  ./usr/share/icons/hicolor/16x16/apps/io.github.numeriko.Numeriko.png
  ./usr/share/icons/hicolor/256x256/apps/io.github.numeriko.Numeriko.png
  ./usr/share/doc/numeriko/copyright)
# The worksheet program is built in a later step than its metainfo is packaged.
if [[ -e $build/worksheets/numeriko-worksheets ]]; then
  paths+=(./usr/bin/numeriko-worksheets
    ./usr/share/man/man1/numeriko-worksheets.1.gz
    ./usr/share/bash-completion/completions/numeriko-worksheets)
fi
for path in "${paths[@]}"; do
  grep -q " $path\$" <<< "$contents" || fail "the package does not hold $path"
done
echo "package: $deb"
