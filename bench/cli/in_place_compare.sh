#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# brimlet-cli --in-place against one `sed -i` over the same COUNT small
# files (20 lines each), trimming trailing blanks on both sides. Each side
# has its own copy of the folder; before every timed run everything is
# flushed, so both start from files that are on disk, as a user's are.
# brimlet-cli flushes each file before it replaces the old one, sed does
# not flush at all. Prints the median wall times of RUNS runs in turns and
# their ratio.
#
# usage: in_place_compare.sh BRIMLET_CLI WORK_DIR [COUNT] [RUNS]
set -euo pipefail

cli=$1
work=$2
count=${3:-10000}
runs=${4:-3}
here=$(dirname "$0")
source "$here/../median_timing.sh"

rm -rf "$work/ours" "$work/sed"
mkdir -p "$work/ours" "$work/sed"
python3 - "$work/ours" "$count" <<'PY'
import random, sys
random.seed(1)
folder, count = sys.argv[1], int(sys.argv[2])
for i in range(count):
    with open(f"{folder}/f{i:05d}.txt", "w") as f:
        f.write("".join(f"line {random.randint(0, 99999)}  \n" for _ in range(20)))
PY
cp "$work/ours/"*.txt "$work/sed/"

for ((i = 0; i < runs; i++)); do
  sync
  timed sed -i 's/ *$//' "$work/sed/"*.txt >>"$work/sed.times"
  sync
  timed "$cli" --defaults qvl_rtr_Click --in-place "$work/ours/"*.txt >>"$work/ours.times"
done
cmp -s "$work/ours/f00001.txt" "$work/sed/f00001.txt" || echo "the results differ"
ours=$(cut -d' ' -f1 "$work/ours.times" | median)
peer=$(cut -d' ' -f1 "$work/sed.times" | median)
ours_cpu=$(cut -d' ' -f2 "$work/ours.times" | median)
peer_cpu=$(cut -d' ' -f2 "$work/sed.times" | median)
printf '| in-place trim, %d files | %.2f s | %.2f s | %.2f | %.2f s | %.2f s |\n' "$count" \
  "$ours" "$peer" "$(echo "$ours / $peer" | bc -l)" "$ours_cpu" "$peer_cpu"
rm -rf "$work/ours" "$work/sed" "$work/ours.times" "$work/sed.times"
