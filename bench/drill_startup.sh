#!/usr/bin/env bash
# Start-up of the drill window (numeriko) on a real X server against a bare
# Qt window with one label of the same size (numeriko_bare_window): the time
# from the start of the process to the first drawing in its window, and its
# peak resident set size once drawing has been quiet for 300 ms, as
# shared/tools/firstframe.c measures them, on an Xvfb of this script's own
# (bench/xvfb_session.sh). Each program runs once to warm the caches, then
# both in turn, N times each (15 unless given), and the medians are compared:
# the window is held to 1.2 times the bare window's time and 5 MiB above its
# memory. An X server reports the first drawing in a window as soon as it
# maps it, before the program's own first frame is drawn, so the row also
# gives the last drawing before drawing went quiet: when the program's own
# first frame was done. The programs a family might pick instead (TuxMath,
# KBruch, GCompris) run in the same rounds when they are installed, each
# against the drill window's time; GCompris takes seconds, so it runs three
# rounds only.
# Each run starts with empty settings in a temporary home. Prints two rows of
# the table and one for each peer installed.
# Usage: bench/drill_startup.sh BUILD_FOLDER [runs]
set -euo pipefail
build=$(realpath "${1:?usage: $0 BUILD_FOLDER [runs]}")
runs=${2:-15}
program=$build/app/numeriko
bare=$build/bench/numeriko_bare_window
budget=1.2
memoryBudgetMib=5

for file in "$program" "$bare"; do
  [[ -e $file ]] || { echo "$0: $file is missing" >&2; exit 1; }
done
source "$(dirname "$0")/xvfb_session.sh"

peers=()
declare -A peerCommand peerRounds
addPeer() { # name, rounds, command...
  local name=$1 rounds=$2
  shift 2
  [[ -x $1 ]] || return 0
  peers+=("$name")
  peerCommand[$name]="$*"
  peerRounds[$name]=$rounds
}
addPeer TuxMath "$runs" /usr/games/tuxmath --windowed
addPeer KBruch "$runs" /usr/bin/kbruch
addPeer GCompris 3 /usr/games/gcompris-qt

firstFrame /dev/null "$bare"
firstFrame /dev/null "$program"
for ((i = 0; i < runs; i++)); do
  # Alternating, so that a change in the machine's load touches all alike.
  firstFrame "$work/bare" "$bare"
  firstFrame "$work/program" "$program"
  for peer in "${peers[@]}"; do
    ((i < peerRounds[$peer])) || continue
    # A peer that fails to show its window loses its row, not the table.
    read -ra command <<<"${peerCommand[$peer]}"
    firstFrame "$work/peer-$peer" "${command[@]}" || true
  done
done

ours=$(median "$work/program" 1)
base=$(median "$work/bare" 1)
awk -v runs="$runs" -v budget="$budget" -v memoryBudget="$memoryBudgetMib" \
  -v ours="$ours" -v base="$base" \
  -v ourLast="$(median "$work/program" 3)" -v baseLast="$(median "$work/bare" 3)" \
  -v ourRss="$(median "$work/program" 2)" -v baseRss="$(median "$work/bare" 2)" 'BEGIN {
  ratio = ours / base
  extra = (ourRss - baseRss) / 1024
  printf "| Drill window start-up to first frame on Xvfb (median of %d alternating runs each) " \
         "| %.1f ms; bare window %.1f ms: ×%.2f (drawing done at %.1f ms and %.1f ms) " \
         "| ≤ %.1f × bare window | %s |\n",
         runs, ours, base, ratio, ourLast, baseLast, budget, ratio <= budget ? "yes" : "NO"
  printf "| Peak RSS of the drill window at start-up on Xvfb (median) " \
         "| %.1f MiB; bare window %.1f MiB: %+.1f MiB | ≤ bare window + %d MiB | %s |\n",
         ourRss / 1024, baseRss / 1024, extra, memoryBudget, extra <= memoryBudget ? "yes" : "NO"
}'
for peer in "${peers[@]}"; do
  file=$work/peer-$peer
  if [[ ! -s $file ]]; then
    echo "| $peer start-up to first frame on Xvfb | did not draw a window | later than the drill window | – |"
    continue
  fi
  awk -v peer="$peer" -v count="$(wc -l <"$file")" -v ours="$ours" -v base="$base" \
    -v theirs="$(median "$file" 1)" -v rss="$(median "$file" 2)" 'BEGIN {
    printf "| %s start-up to first frame on Xvfb (median of %d runs, in the same rounds) " \
           "| %.1f ms: ×%.2f bare window; peak RSS %.1f MiB | later than the drill window | %s |\n",
           peer, count, theirs, theirs / base, rss / 1024, (theirs > ours ? "yes" : "NO")
  }'
done
