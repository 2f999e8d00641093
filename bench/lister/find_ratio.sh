#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process time of reading a folder tree (main_dimp_Click, the list
# written with --out) against `find TREE -printf '%p\n' > OUT`, in turns in
# the same run; median wall and CPU times over RUNS runs, and their ratios.
#
# usage: find_ratio.sh BRIMLET_CLI WORK_DIR [RUNS]
#   WORK_DIR receives the tree of generate.py (100,000 files in 2,000
#   folders whose names hold an umlaut), kept between runs, and the outputs.
#   The program sorts the list by its setting "sortieren": 0 (groups, the
#   default) and 2 (none) are both measured.
set -euo pipefail

cli=$1
work=$2
runs=${3:-7}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../median_timing.sh
source "$here/../median_timing.sh"
mkdir -p "$work"
[[ -d $work/tree ]] || python3 "$here/generate.py" tree "$work/tree"
for mode in 0 2; do
  python3 "$here/generate.py" home "$work/home$mode"
  printf 'brimlet\r\nsortieren = %s\r\nalphab. b einzeln = 1\r\nleerz. = 1\r\n' "$mode" \
    >"$work/home$mode/Brimlet_set.txt"
done

read_tree() {  # read_tree SORT_MODE
  "$cli" --home "$work/home$1" --answer "Ordner zum Einlesen auswählen=$work/tree/" \
    main_dimp_Click --out "$work/list.txt"
}
find_tree() { find "$work/tree" -printf '%p\n' >"$work/find.txt"; }

echo "Tree: $(find "$work/tree" -type f | wc -l) files in $(find "$work/tree" -mindepth 1 -type d | wc -l) folders on $(stat -f -c %T "$work"); $runs runs each, in turns."
echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg)."
echo
echo "| job | brimlet-cli wall s | find wall s | wall ratio | brimlet-cli CPU s | find CPU s | CPU ratio |"
echo "|---|---|---|---|---|---|---|"
compare_in_turns "$runs" "read tree, sorted into groups" -- read_tree 0 -- find_tree
compare_in_turns "$runs" "read tree, unsorted" -- read_tree 2 -- find_tree
echo
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)."
