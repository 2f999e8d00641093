#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Removing a chain with the rest of its line (qvl_etf with "Rest der Zeile")
# on the inputs where no CR LF follows the hits: LF text (one CR at its start
# keeps the loader from turning its LFs into CR LF) and text without any
# line end. Without a CR LF each hit loses only the chain, so `sed` and `tr`
# do the same job; their bytes are compared. Median wall and CPU times of
# RUNS runs each, in turns, at 1, 10 and 100 MB.
#
# usage: line_rest.sh BRIMLET_CLI CORPUS_DIR [RUNS]
#   CORPUS_DIR holds lf.txt from generate.py (at least 100 MB); the inputs
#   are cut from it and written beside it.
set -euo pipefail

cli=$1
corpus=$2
runs=${3:-3}
work=$(mktemp -d -p "$corpus")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"
# shellcheck source=../median_timing.sh
source "$(dirname "$0")/../median_timing.sh"

brimlet() {  # brimlet INPUT CHAIN
  "$cli" --home "$work/home" --working "$1" --out "$work/out.txt" main_quorvel_Click \
    "qvl_erst_e1=$2" qvl_entf_z=1 qvl_entf_z_Click qvl_etf_Click
}
lf_peer() { sed 's/sch//g' "$1" >"$work/peer.txt"; }
bare_peer() { tr -d a <"$1" >"$work/peer.txt"; }

echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg)."
echo
echo "| Input | ours wall s | peer wall s | wall ratio | ours CPU s | peer CPU s | CPU ratio |"
echo "|---|---|---|---|---|---|---|"
for megabytes in 1 10 100; do
  size=$((megabytes * 1000000))
  lf=$work/lf-$megabytes.txt
  bare=$work/a-$megabytes.txt
  { printf '\r'; head -c $((size - 1)) "$corpus/lf.txt"; } >"$lf"
  head -c "$size" /dev/zero | tr '\0' a >"$bare"
  brimlet "$lf" sch && lf_peer "$lf"
  cmp -s "$work/out.txt" "$work/peer.txt" || echo "LF $megabytes MB: output differs from sed" >&2
  brimlet "$bare" a && bare_peer "$bare"
  cmp -s "$work/out.txt" "$work/peer.txt" || echo "a $megabytes MB: output differs from tr" >&2
  compare_in_turns "$runs" "$megabytes MB LF, chain sch (sed 's/sch//g')" \
    -- brimlet "$lf" sch -- lf_peer "$lf"
  compare_in_turns "$runs" "$megabytes MB of a, no line end, chain a (tr -d a)" \
    -- brimlet "$bare" a -- bare_peer "$bare"
  rm -f "$lf" "$bare"
done
echo
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)."
