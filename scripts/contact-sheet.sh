#!/usr/bin/env bash
# Renders a problem page and its answer page for every paper (upright and
# turned), size and heading script (kana or kanji) of the inline form, and
# for every operation and guide of the column form and every operation and
# number of cells of 百ます and every way of splitting of さくらんぼ on A4 and
# B5, and lays them out as one contact sheet to look at as a teacher would.
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
# What each size is for: a grade-1 sheet, a mix with missing numbers, and
# divisions with remainders for older children.
declare -A kinds=(
  [large]="--kind add --max 9"
  [medium]="--kind subtract --kind missing-addend --max 99"
  [small]="--kind divide-remainder --kind missing-factor"
)

# One cell: a problem page beside its answer page, or the refusal of a size
# that fits no item on the paper, saying what fits.
cell() {
  local name=$1 caption=$2
  shift 2
  if ! "$program" "$@" --answers --seed 7 -o "$work/$name.pdf" 2> "$work/$name.err"; then
    convert -size 300x212 xc:white -gravity center -pointsize 14 \
      -annotate 0 "$name\n$(tail -1 "$work/$name.err" | cut -c22-80)" "$work/$name.png"
  else
    pages=$(pdfinfo "$work/$name.pdf" | awk '/^Pages:/ { print $2 }')
    # The first problem page and the first answer page.
    pdftoppm -r 30 -png -f 1 -l 1 -singlefile "$work/$name.pdf" "$work/$name-p"
    pdftoppm -r 30 -png -f $((pages / 2 + 1)) -l $((pages / 2 + 1)) -singlefile \
      "$work/$name.pdf" "$work/$name-a"
    montage "$work/$name-p.png" "$work/$name-a.png" -tile 2x1 -geometry +2+2 \
      -title "$caption" -pointsize 10 "$work/$name.png"
  fi
  cells+=("$work/$name.png")
}

row() {
  montage "${cells[@]}" -tile "${#cells[@]}x1" -geometry +6+6 \
    -title "$1" -pointsize 14 "$work/row-${#rows[@]}.png"
  rows+=("$work/row-${#rows[@]}.png")
  cells=()
}

rows=()
cells=()
for paper in "${papers[@]}"; do
  for turn in upright landscape; do
    for size in "${sizes[@]}"; do
      for script in kana no-kana; do
        options=(--paper "$paper" --size "$size" "--$script" --name-field --class-field
          --date-field --score-field --numbers --title "")
        [[ $turn == landscape ]] && options+=(--landscape)
        # shellcheck disable=SC2086 # the kinds are words of their own
        cell "$paper-$turn-$size-$script" "inline $size $script" ${kinds[$size]} "${options[@]}"
      done
    done
    row "$paper $turn"
  done
done

# Column form: every operation at each guide, on the papers a school prints.
declare -A operations=(
  [add]="--kind add --first 10..999 --second 1..999"
  [subtract]="--kind subtract --first 100..999 --second 10..999"
  [multiply-1]="--kind multiply --first 100..999 --second 2..9"
  [multiply-2]="--kind multiply --first 10..999 --second 11..99"
  [divide]="--kind divide-remainder --first 100..999 --second 2..9"
)
for paper in a4 b5; do
  for operation in add subtract multiply-1 multiply-2 divide; do
    for guide in boxes squares none; do
      # shellcheck disable=SC2086 # the kinds are words of their own
      cell "$paper-$operation-$guide" "column $operation, $guide" ${operations[$operation]} \
        --format column --guide "$guide" --paper "$paper" --name-field --date-field --numbers
    done
    row "$paper column $operation"
  done
done
# 百ます: each operation at each number of cells, on A4 and B5.
for paper in a4 b5; do
  for kind in add subtract multiply; do
    for size in 100 25 10; do
      cell "$paper-grid-$kind-$size" "grid $kind, $size cells" --kind "$kind" --format grid \
        --cells "$size" --paper "$paper" --name-field --date-field --numbers
    done
    row "$paper grid $kind"
  done
done
# さくらんぼ: each way of splitting, on A4 and B5.
for paper in a4 b5; do
  for split in second first smaller minuend subtrahend; do
    kind=add
    [[ $split == minuend || $split == subtrahend ]] && kind=subtract
    cell "$paper-cherry-$split" "cherry, $split" --kind "$kind" --format cherry --split "$split" \
      --paper "$paper" --name-field --numbers
  done
  row "$paper cherry"
done
# Three numbers: the first grade's, each pair of signs, and beside two numbers.
for paper in a4 b5; do
  cell "$paper-three" "three, within 10" --kind three --size large --paper "$paper" --name-field
  cell "$paper-three-20" "three to 20" --kind three --max 10 --result 0..20 --paper "$paper"
  for signs in ++ -- +- -+; do
    cell "$paper-three-$signs" "three, $signs" --kind three --signs "$signs" --max 20 \
      --result 0..20 --paper "$paper" --numbers
  done
  cell "$paper-three-mix" "three and add" --kind three,add --max 50 --paper "$paper"
  row "$paper three"
done
convert "${rows[@]}" -background white -gravity west -append "$output"
echo "$output"
