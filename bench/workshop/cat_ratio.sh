#!/usr/bin/env bash
# Whole-process time of the single-pass workshop operations against
# `cat IN > OUT` of the same file, taken in turns in the same run so that the
# machine's load falls on both alike. Prints one table row per operation:
# median wall time and median CPU time (user + system) of each side over
# RUNS runs, and the ratio of the medians.
#
# usage: cat_ratio.sh BRIMLET_CLI INPUT [RUNS]
#   INPUT is a CR LF text, e.g. crlf.txt from generate.py. Both sides write
#   into a folder beside INPUT, so on the same file system. ONLY=REGEX in the
#   environment measures just the operations whose handler matches.
set -euo pipefail

cli=$1
input=$2
runs=${3:-7}
work=$(mktemp -d -p "$(dirname "$input")")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"

# "none" loads and saves the text with no operation between.
operations=(none qvl_unx_Click qvl_dos_Click qvl_ltr_Click qvl_trim_Click qvl_rtr_Click qvl_mlz_Click
            qvl_lcse_Click qvl_ucse_Click qvl_1bs_Click qvl_sdz_Click qvl_ntz_Click qvl_tz_Click
            qvl_nve_Click qvl_nke_Click qvl_lz_Click qvl_zf_Click qvl_null_Click qvl_1313_Click
            qvl_131313_Click)

TIMEFORMAT='%3R %3U %3S'
timed() {  # prints "wall cpu" of "$@"
  local line
  line=$({ time "$@" >/dev/null 2>&1; } 2>&1)
  read -r wall user system <<<"$line"
  echo "$wall $(echo "$user + $system" | bc)"
}

median() {  # median of the numbers on stdin
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

copy() { cat "$input" >"$work/cat.txt"; }

brimlet() {  # brimlet OPERATION
  local steps=(main_quorvel_Click)
  [[ $1 == none ]] || steps+=("$1")
  "$cli" --home "$work/home" --working "$input" --out "$work/out.txt" "${steps[@]}"
}

echo "Input: $(stat -c %s "$input") bytes; $runs runs each, cat and the operation in turns."
echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg)."
echo
echo "| Operation | wall s | cat wall s | wall ratio | CPU s | cat CPU s | CPU ratio |"
echo "|---|---|---|---|---|---|---|"
for operation in "${operations[@]}"; do
  [[ $operation =~ ${ONLY:-.} ]] || continue
  brimlet "$operation" >/dev/null 2>&1  # warm-up
  : >"$work/ours" && : >"$work/cat"
  for ((i = 0; i < runs; i++)); do
    timed copy >>"$work/cat"
    timed brimlet "$operation" >>"$work/ours"
  done
  ours_wall=$(cut -d' ' -f1 "$work/ours" | median)
  ours_cpu=$(cut -d' ' -f2 "$work/ours" | median)
  cat_wall=$(cut -d' ' -f1 "$work/cat" | median)
  cat_cpu=$(cut -d' ' -f2 "$work/cat" | median)
  printf '| %s | %.3f | %.3f | %.2f | %.3f | %.3f | %.2f |\n' "$operation" "$ours_wall" "$cat_wall" \
    "$(echo "$ours_wall / $cat_wall" | bc -l)" "$ours_cpu" "$cat_cpu" "$(echo "$ours_cpu / $cat_cpu" | bc -l)"
done
echo
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)."
