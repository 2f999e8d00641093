#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process comparison of renaming a folder of files from a name list
# against a perl loop of rename() calls over the same pairs. brimlet-cli
# prepares (lists, sorts, checks every new name), writes its journal and
# renames; perl only renames. The folder is made anew before every run;
# the best wall time of RUNS counts.
#
# usage: compare.sh BRIMLET_CLI WORK_DIR [COUNT] [RUNS]
set -euo pipefail

cli=$1
work=$2
count=${3:-10000}
runs=${4:-5}
here=$(dirname "$0")
mkdir -p "$work/home"

seconds() {  # wall time of "$@" in seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

brimlet() {
  "$cli" --home "$work/home" --names "$work/names.txt" --field drm_verw=1 \
    --answer "Ordner zum Umbenennen auswählen=$work/files" \
    main_dremmick_Click drm_verw_Click drm_mext_Click drm_anwd_Click
}

peer() {
  perl -CS -e 'chdir $ARGV[0] or die; open my $p, "<:utf8", $ARGV[1] or die;
    while (<$p>) { chomp; my ($o, $n) = split /\t/; rename $o, $n or die "$o: $!" }' \
    "$work/files" "$work/pairs.txt"
}

best() {  # best of $runs for the function $1, the folder made anew before each
  local best="" t
  for _ in $(seq "$runs"); do
    python3 "$here/generate.py" "$work" "$count"
    sync
    t=$(seconds "$1")
    if [[ -z $best ]] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
  done
  printf '%.3f' "$best"
}

ours=$(best brimlet)
[[ -e "$work/files/Größe 00000.mp3" ]] || { echo "brimlet-cli renamed nothing" >&2; exit 1; }
theirs=$(best peer)
echo "| rename $count files | $ours | $theirs | $(printf '%.2f' "$(echo "$ours / $theirs" | bc -l)") |"
