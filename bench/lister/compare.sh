#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process times of brimlet-cli against find, awk and sed on the same
# inputs, best of RUNS runs each, and their ratios.
#   compare.sh BRIMLET_CLI WORK_DIR [RUNS]
# WORK_DIR receives the generated inputs (kept between runs) and outputs.
set -euo pipefail
cli=$1
work=$2
runs=${3:-5}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
[[ -d $work/tree ]] || python3 "$here/generate.py" tree "$work/tree"
[[ -f $work/list.txt ]] || python3 "$here/generate.py" list "$work/list.txt"

# Program folders: 16 groups with the sort setting 0 (groups), 1 (single)
# or 2 (none, the clean-ups' own cost).
for mode in 0 1 2; do
  python3 "$here/generate.py" home "$work/home$mode"
  printf 'brimlet\r\nsortieren = %s\r\nalphab. b einzeln = 1\r\nleerz. = 1\r\n' "$mode" \
    >"$work/home$mode/Brimlet_set.txt"
done

best() {  # best wall time in seconds of "$@" over $runs runs
  local best=999 start end t
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc)
    if (($(echo "$t < $best" | bc))); then best=$t; fi
  done
  echo "$best"
}

row() {  # name brimlet-time peer-time
  printf '| %s | %.3f | %.3f | %.2f |\n' "$1" "$2" "$3" "$(echo "$2 / $3" | bc -l)"
}

split_awk() {
  rm -rf "$work/awk" && mkdir "$work/awk"
  awk -v dir="$work/awk" -F. '{ e = tolower($NF); sub(/\r$/, "", e); print > (dir "/" e ".txt") }' \
    "$work/list.txt"
}

clean() {  # mode: brimlet handler and the sed script doing the same job
  "$cli" --home "$work/home2" --filelist "$work/list.txt" main_neue_Click "$1" --out "$work/out.txt"
}

echo "| job | brimlet-cli s | peer s | ratio |"
echo "|---|---|---|---|"
row "read tree (find)" \
  "$(best "$cli" --home "$work/home0" --answer "Ordner zum Einlesen auswählen=$work/tree/" \
    main_dimp_Click --out "$work/tree-list.txt")" \
  "$(best bash -c "find '$work/tree' -type f -printf '%p\n' >'$work/find.txt'")"
awk_time=$(best split_awk)
row "group sort (awk split)" \
  "$(best "$cli" --home "$work/home0" --filelist "$work/list.txt" main_neue_Click --out "$work/out.txt")" \
  "$awk_time"
row "single sort (awk split)" \
  "$(best "$cli" --home "$work/home1" --filelist "$work/list.txt" main_neue_Click --out "$work/out.txt")" \
  "$awk_time"
row "remove paths (sed)" "$(best clean main_remp_Click)" \
  "$(best bash -c "sed 's/.*\\\\//' '$work/list.txt' >'$work/sed.txt'")"
row "remove extensions (sed)" "$(best clean main_remx_Click)" \
  "$(best bash -c "sed -E 's/\\.[^.\\\\]*(\\r?)\$/\\1/' '$work/list.txt' >'$work/sed.txt'")"
row "trailing blanks (sed)" "$(best clean main_lze_Click)" \
  "$(best bash -c "sed 's/ *\\r\$/\\r/' '$work/list.txt' >'$work/sed.txt'")"
row "trailing numbers (sed)" "$(best clean main_zfe_Click)" \
  "$(best bash -c "sed -E 's/ [0-9,]+(\\r?)\$/ \\1/' '$work/list.txt' >'$work/sed.txt'")"
