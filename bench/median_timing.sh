# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the whole-process comparisons that take medians of commands
# run in turns: `timed CMD...` prints "wall cpu" seconds of one run (output
# thrown away), `median` the median of the numbers on stdin.
TIMEFORMAT='%3R %3U %3S'

timed() {
  local line wall user system
  line=$({ time "$@" >/dev/null 2>&1; } 2>&1)
  read -r wall user system <<<"$line"
  echo "$wall $(echo "$user + $system" | bc)"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# compare_in_turns RUNS LABEL -- OURS... -- PEER...: one table row with the
# median wall and CPU times of both sides over RUNS runs and their ratios.
compare_in_turns() {
  local runs=$1 label=$2 ours=() peer=() side=0 samples
  shift 2
  for word in "$@"; do
    if [[ $word == -- ]]; then side=$((side + 1)); continue; fi
    if ((side == 1)); then ours+=("$word"); else peer+=("$word"); fi
  done
  samples=$(mktemp -d)
  "${ours[@]}" >/dev/null 2>&1 || true  # warm-up
  for ((i = 0; i < runs; i++)); do
    timed "${peer[@]}" >>"$samples/peer"
    timed "${ours[@]}" >>"$samples/ours"
  done
  local ow oc pw pc
  ow=$(cut -d' ' -f1 "$samples/ours" | median)
  oc=$(cut -d' ' -f2 "$samples/ours" | median)
  pw=$(cut -d' ' -f1 "$samples/peer" | median)
  pc=$(cut -d' ' -f2 "$samples/peer" | median)
  rm -rf "$samples"
  printf '| %s | %.3f | %.3f | %.2f | %.3f | %.3f | %.2f |\n' "$label" "$ow" "$pw" \
    "$(echo "$ow / $pw" | bc -l)" "$oc" "$pc" "$(echo "$oc / $pc" | bc -l)"
}
