#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The workshop's line sort against `LC_ALL=C sort` on the same CR LF text,
# each as one whole process writing its result to a file beside the text,
# timed in turns (bench/median_timing.sh): binary order, text order and
# binary descending against `sort` and `sort -r`. The peer keeps the CR as
# part of each line, so its bytes differ where a line holds a byte below CR;
# both do the same work.
#
# usage: sort_in_turns.sh BRIMLET_CLI TEXT [RUNS]
#   ONLY=REGEX   only the rows whose label matches
set -euo pipefail

cli=$(realpath "$1")
text=$(realpath "$2")
runs=${3:-5}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../median_timing.sh"
ours=$(dirname "$text")/sort-ours.txt
peer=$(dirname "$text")/sort-peer.txt
trap 'rm -f "$ours" "$peer"' EXIT

row() {  # LABEL "OUR SETTINGS" "PEER OPTIONS"
  [[ $1 =~ ${ONLY:-.} ]] || return 0
  # shellcheck disable=SC2086  # the settings are words on purpose
  compare_in_turns "$runs" "$1" -- "$cli" --defaults --working "$text" --out "$ours" \
    main_quorvel_Click $2 qvl_srt_Click -- env LC_ALL=C sort $3 -o "$peer" "$text"
}

echo "$(wc -c <"$text") bytes, $(wc -l <"$text") lines; load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| command | ours wall s | sort wall s | wall ratio | ours CPU s | sort CPU s | CPU ratio |"
echo "|---|---|---|---|---|---|---|"
row "binary" "qvl_srt_b=1 qvl_srt_b_Click" ""
row "text order" "" ""
row "binary, descending (\`sort -r\`)" "qvl_srt_b=1 qvl_srt_b_Click qvl_srt_d=1 qvl_srt_d_Click" "-r"
echo
echo "load at the end $(cut -d' ' -f1-3 /proc/loadavg)"
