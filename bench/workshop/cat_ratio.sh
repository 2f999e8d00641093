#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process time of the single-pass workshop operations against
# `cat IN > OUT` of the same file, taken in turns in the same run so that the
# machine's load falls on both alike. One table row per operation: median
# wall time and median CPU time (user + system) of each side over RUNS runs,
# and the ratios of the medians.
#
# usage: cat_ratio.sh BRIMLET_CLI CORPUS_DIR [RUNS]
#   CORPUS_DIR holds crlf.txt and lf.txt from generate.py; qvl_unx_Click
#   reads lf.txt, every other operation crlf.txt, and cat copies the same
#   file. Both sides write into CORPUS_DIR, so on the same file system.
#   ONLY=REGEX in the environment measures just the operations whose handler
#   matches.
set -euo pipefail

cli=$1
corpus=$2
runs=${3:-7}
work=$(mktemp -d -p "$corpus")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"
# shellcheck source=../median_timing.sh
source "$(dirname "$0")/../median_timing.sh"

# "none" loads and saves the text with no operation between.
operations=(none qvl_unx_Click qvl_dos_Click qvl_ltr_Click qvl_trim_Click qvl_rtr_Click
            qvl_mlz_Click qvl_lcse_Click qvl_ucse_Click qvl_1bs_Click qvl_sdz_Click qvl_ntz_Click
            qvl_tz_Click qvl_nve_Click qvl_nke_Click qvl_lz_Click qvl_zf_Click qvl_null_Click
            qvl_1313_Click qvl_131313_Click)

input_of() { [[ $1 == qvl_unx_Click ]] && echo "$corpus/lf.txt" || echo "$corpus/crlf.txt"; }

copy() { cat "$1" >"$work/cat.txt"; }

brimlet() {  # brimlet INPUT OPERATION
  local steps=(main_quorvel_Click)
  [[ $2 == none ]] || steps+=("$2")
  "$cli" --home "$work/home" --working "$1" --out "$work/out.txt" "${steps[@]}"
}

echo "Input: crlf.txt $(stat -c %s "$corpus/crlf.txt") bytes, lf.txt $(stat -c %s "$corpus/lf.txt") bytes; $runs runs each, cat and the operation in turns."
echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg)."
echo
echo "| Operation | wall s | cat wall s | wall ratio | CPU s | cat CPU s | CPU ratio |"
echo "|---|---|---|---|---|---|---|"
for operation in "${operations[@]}"; do
  [[ $operation =~ ${ONLY:-.} ]] || continue
  input=$(input_of "$operation")
  compare_in_turns "$runs" "$operation" -- brimlet "$input" "$operation" -- copy "$input"
done
echo
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)."
