#!/usr/bin/env bash
# Installs a build into a staging folder and checks what a desktop needs of
# it: the program, a valid desktop entry that starts it with its icon, that
# icon at every size of the hicolor theme, and valid AppStream metainfo that
# names the desktop entry; the worksheet program (when the build has it) and
# its valid metainfo that names it; the licence both metainfos declare, and
# the copyright file that states it; the worksheet program's manual page and
# bash completion.
# Usage: check_install.sh <build folder> <staging folder>
set -euo pipefail
build=$1
stage=$2

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in desktop-file-validate appstreamcli groff lexgrog; do
  command -v "$tool" > /dev/null || fail "$tool is not installed; scripts/deps.sh installs it"
done

rm -rf "$stage"
cmake --install "$build" --prefix "$stage" > /dev/null

# Each program: its desktop entry starts it with its icon at every size, and
# its metainfo validates and launches the entry.
check_program() {
  local id=$1 desktop=$stage/share/applications/$1.desktop metainfo=$stage/share/metainfo/$1.metainfo.xml
  [[ -f $desktop ]] || fail "no desktop entry at $desktop"
  [[ -f $metainfo ]] || fail "no metainfo at $metainfo"
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

  local program icon size png width height
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [[ -n $program && -x $stage/bin/$program ]] || fail "Exec=$program is not an installed program"
  grep -q "<binary>$program</binary>" "$metainfo" || fail "$metainfo does not name $program"

  icon=$(sed -n 's/^Icon=//p' "$desktop")
  for size in 16 32 48 64 128 256; do
    png=$stage/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [[ -f $png ]] || fail "no ${size}x${size} icon named $icon"
    # A PNG's width and height are big-endian words at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
      awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [[ $width == "$size" && $height == "$size" ]] || fail "$png is ${width}x${height}"
  done

  grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $(basename "$desktop")"
  grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo is not $id"
}

check_program io.github.numeriko.Numeriko
check_program io.github.numeriko.Worksheets
metainfo=$stage/share/metainfo/io.github.numeriko.Numeriko.metainfo.xml
worksheets_metainfo=$stage/share/metainfo/io.github.numeriko.Worksheets.metainfo.xml

for file in "$metainfo" "$worksheets_metainfo"; do
  grep -q "<project_license>GPL-3.0-or-later</project_license>" "$file" ||
    fail "$file does not declare GPL-3.0-or-later"
done
copyright=$stage/share/doc/numeriko/copyright
[[ -f $copyright ]] || fail "no copyright file at $copyright"
grep -q "^License: GPL-3+$" "$copyright" || fail "$copyright does not name GPL-3+"

# The manual page formats without a warning, man-db reads its NAME line, and
# it names every unit the program lists; the completion is valid bash that
# offers every unit after --unit, and the rest of a list after a comma.
page=$stage/share/man/man1/numeriko-worksheets.1.gz
completion=$stage/share/bash-completion/completions/numeriko-worksheets
[[ -f $page ]] || fail "no manual page at $page"
[[ -f $completion ]] || fail "no bash completion at $completion"
warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1) || fail "groff cannot format $page"
[[ -z $warnings ]] || fail "groff warns on $page: $warnings"
lexgrog "$page" | grep -q '"numeriko-worksheets - ' || fail "man-db reads no NAME line in $page"
text=$(zcat "$page" | groff -man -Tutf8 -P-cbou)
mapfile -t units < <(LANG=C.UTF-8 "$stage/bin/numeriko-worksheets" --list-units | awk '{ print $3 }')
[[ ${#units[@]} -gt 30 ]] || fail "numeriko-worksheets --list-units lists ${#units[@]} units"
bash -n "$completion" || fail "$completion is not valid bash"
# The words the completion offers after the words given.
offered() {
  bash -c '. "$1" && complete -p numeriko-worksheets > /dev/null || exit 1
    COMP_WORDS=(numeriko-worksheets "${@:2}") COMP_CWORD=$(($# - 1))
    _numeriko_worksheets && printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@" ||
    fail "$completion defines no completion of numeriko-worksheets"
}
unit_words=$(offered --unit '')
for unit in "${units[@]}"; do
  grep -Eq "^ +$unit( |$)" <<< "$text" || fail "the manual page does not name the unit $unit"
  grep -qx -- "$unit" <<< "$unit_words" || fail "the completion does not offer the unit $unit"
done
[[ $(offered --kind = add,sub) == add,subtract ]] || fail "the completion does not end a list of kinds"
echo "installed: the programs, desktop entries, icons, metainfos, copyright file, manual page and completion are in place and valid"
