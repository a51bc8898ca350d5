#!/usr/bin/env bash
# Renders a problem page and its answer page for every paper (upright and
# turned), size, heading script (kana or kanji) and sheet format of the
# worksheet program, and lays them out as one contact sheet to look at as a
# teacher would: one row of thumbnails for each paper and orientation.
# Usage: scripts/contact-sheet.sh [output.png] [program]
#   output: contact-sheet.png unless given
#   program: build/dev/worksheets/numeriko-worksheets unless given
# Needs poppler-utils and ImageMagick (both in scripts/deps.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
output=$(realpath -m "${1:-contact-sheet.png}")
program=$(realpath "${2:-build/dev/worksheets/numeriko-worksheets}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

papers=(a4 b5 a5 letter b4)
sizes=(large medium small)
formats=(inline)
# What each size is for: a grade-1 sheet, a mix with missing numbers, and
# divisions with remainders for older children.
declare -A kinds=(
  [large]="--kind add --max 9"
  [medium]="--kind subtract --kind missing-addend --max 99"
  [small]="--kind divide-remainder --kind missing-factor"
)

rows=()
for paper in "${papers[@]}"; do
  for turn in upright landscape; do
    cells=()
    for format in "${formats[@]}"; do
      for size in "${sizes[@]}"; do
        for script in kana no-kana; do
          name="$paper-$turn-$format-$size-$script"
          options=(--paper "$paper" --format "$format" --size "$size" "--$script"
            --name-field --class-field --date-field --score-field --numbers --title ""
            --answers --seed 7 -o "$work/$name.pdf")
          [[ $turn == landscape ]] && options+=(--landscape)
          # shellcheck disable=SC2086 # the kinds are words of their own
          if ! "$program" ${kinds[$size]} "${options[@]}" 2> "$work/$name.err"; then
            # A size that fits no item on the paper is refused, saying what fits.
            convert -size 300x212 xc:white -gravity center -pointsize 14 \
              -annotate 0 "$name\n$(tail -1 "$work/$name.err" | cut -c22-80)" "$work/$name.png"
            cells+=("$work/$name.png")
            continue
          fi
          pages=$(pdfinfo "$work/$name.pdf" | awk '/^Pages:/ { print $2 }')
          # The first problem page and the first answer page.
          pdftoppm -r 30 -png -f 1 -l 1 -singlefile "$work/$name.pdf" "$work/$name-p"
          pdftoppm -r 30 -png -f $((pages / 2 + 1)) -l $((pages / 2 + 1)) -singlefile \
            "$work/$name.pdf" "$work/$name-a"
          montage "$work/$name-p.png" "$work/$name-a.png" -tile 2x1 -geometry +2+2 \
            -title "$format $size $script" -pointsize 10 "$work/$name.png"
          cells+=("$work/$name.png")
        done
      done
    done
    montage "${cells[@]}" -tile "${#cells[@]}x1" -geometry +6+6 \
      -title "$paper $turn" -pointsize 14 "$work/row-$paper-$turn.png"
    rows+=("$work/row-$paper-$turn.png")
  done
done
convert "${rows[@]}" -background white -gravity west -append "$output"
echo "$output"
