#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process comparison of workshop operations against the fastest peer
# tool doing the same job on the same input. Each command runs three times
# (after one warm-up); the best wall time counts.
#
# usage: compare.sh BRIMLET_CLI CORPUS_DIR [RESULT_MD]
#   CORPUS_DIR holds crlf.txt and lf.txt from generate.py, and page.html and
#   dj.xml from generate_conversions.py. ONLY=REGEX in the environment
#   measures just the rows whose label matches.
set -euo pipefail

cli=$1
corpus=$2
result=${3:-/dev/stdout}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"
crlf=$corpus/crlf.txt
lf=$corpus/lf.txt

best_time() {  # best of three wall times in seconds of "$@"
  "$@" >/dev/null 2>&1 || true
  local best=""
  for _ in 1 2 3; do
    local start end t
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc -l)
    if [[ -z $best ]] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
  done
  printf '%.3f' "$best"
}

brimlet() {  # brimlet INPUT STEP...
  local input=$1
  shift
  "$cli" --home "$work/home" --working "$input" --out "$work/out.txt" main_quorvel_Click "$@"
}

# The 100 bytes of qvl_sdz as octal escapes, which tr reads itself.
special_class=$(python3 - <<'PY'
ranges = [(1, 9), (11, 12), (14, 31), (35, 35), (92, 92), (94, 94), (96, 96), (123, 127),
          (129, 162), (164, 164), (166, 166), (168, 168), (170, 170), (172, 186), (188, 190),
          (215, 216), (222, 222), (247, 248), (254, 254)]
print("".join("\\%03o" % b for a, z in ranges for b in range(a, z + 1)))
PY
)

# The bytes the binary filter always removes, as octal escapes for tr.
binary_class=$(python3 - <<'PY'
ranges = [(0, 9), (11, 12), (14, 31), (43, 43), (127, 127), (129, 129), (131, 131), (133, 144),
          (149, 149), (152, 152), (154, 162), (164, 164), (166, 166), (168, 168), (170, 170),
          (172, 186), (188, 195), (197, 213), (215, 219), (221, 222), (224, 227), (229, 245),
          (247, 251), (253, 255)]
print("".join("\\%03o" % b for a, z in ranges for b in range(a, z + 1)))
PY
)

rows=()
measure() {  # measure LABEL INPUT "brimlet steps" PEER_LABEL PEER_COMMAND...
  local label=$1 input=$2 steps=$3 peer_label=$4
  shift 4
  [[ $label =~ ${ONLY:-.} ]] || return 0
  local ours peer size rate ratio
  # shellcheck disable=SC2086
  ours=$(best_time brimlet "$input" $steps)
  peer=$(best_time "$@")
  size=$(stat -c %s "$input")
  rate=$(echo "$size / $ours / 1000000" | bc -l)
  ratio=$(echo "$ours / $peer" | bc -l)
  rows+=("| $label | $(printf '%.3f' "$ours") | $(printf '%.0f' "$rate") | $peer_label | $peer | $(printf '%.2f' "$ratio") |")
}

measure "qvl_unx (LF in)" "$lf" "qvl_unx_Click" "sed 's/\$/\\r/'" \
  bash -c "sed 's/\$/\r/' '$lf' > '$work/peer.txt'"
measure "qvl_unx (LF in)" "$lf" "qvl_unx_Click" "unix2dos" \
  unix2dos -q -n "$lf" "$work/peer.txt"
measure "qvl_dos" "$crlf" "qvl_dos_Click" "tr -d '\\r'" \
  bash -c "tr -d '\r' < '$crlf' > '$work/peer.txt'"
measure "qvl_dos" "$crlf" "qvl_dos_Click" "dos2unix" \
  dos2unix -q -n "$crlf" "$work/peer.txt"
measure "qvl_lcse" "$crlf" "qvl_lcse_Click" "tr A-Z a-z" \
  bash -c "tr A-Z a-z < '$crlf' > '$work/peer.txt'"
measure "qvl_lz" "$crlf" "qvl_lz_Click" "tr -d ' '" \
  bash -c "tr -d ' ' < '$crlf' > '$work/peer.txt'"
measure "qvl_null" "$crlf" "qvl_null_Click" "tr -d '\\0'" \
  bash -c "tr -d '\0' < '$crlf' > '$work/peer.txt'"
measure "qvl_zf (10 bytes)" "$crlf" "qvl_zf_Click" "tr -d 0-9" \
  bash -c "tr -d 0-9 < '$crlf' > '$work/peer.txt'"
measure "qvl_sdz (100 bytes)" "$crlf" "qvl_sdz_Click" "tr -d (class)" \
  bash -c "tr -d '$special_class' < '$crlf' > '$work/peer.txt'"
measure "qvl_mlz" "$crlf" "qvl_mlz_Click" "tr -s ' '" \
  bash -c "tr -s ' ' < '$crlf' > '$work/peer.txt'"
measure "qvl_1313" "$crlf" "qvl_1313_Click" "grep -v empty" \
  bash -c "grep -av \$'^\r\$' '$crlf' > '$work/peer.txt'"
measure "qvl_srt binary" "$crlf" "qvl_srt_b=1 qvl_srt_b_Click qvl_srt_Click" "LC_ALL=C sort" \
  bash -c "LC_ALL=C sort '$crlf' > '$work/peer.txt'"
measure "qvl_srt text" "$crlf" "qvl_srt_Click" "sort (de_DE.ISO-8859-1)" \
  bash -c "LC_ALL=de_DE.ISO-8859-1 sort '$crlf' > '$work/peer.txt'"
measure "qvl_asfil" "$crlf" "qvl_asfil_Click" "tr -d (class)" \
  bash -c "tr -d '$binary_class' < '$crlf' > '$work/peer.txt'"
measure "qvl_html_etf (50 MB HTML)" "$corpus/page.html" "qvl_html_etf_Click" "sed 's/<[^>]*>//g'" \
  bash -c "sed 's/<[^>]*>//g' '$corpus/page.html' > '$work/peer.txt'"
measure "qvl_idx" "$crlf" "qvl_idx_Click" "tr -cs 'A-Za-z' '\\n' | sort | uniq -c" \
  bash -c "tr -cs 'A-Za-z' '\n' < '$crlf' | sort | uniq -c > '$work/peer.txt'"
if [[ "qvl_vdj" =~ ${ONLY:-.} ]]; then
  dj_seconds=$(best_time brimlet "$corpus/dj.xml" qvl_vdj_Click)
  rows+=("| qvl_vdj ($(grep -c '<Song ' "$corpus/dj.xml") songs) | $dj_seconds | $(echo "$(stat -c %s "$corpus/dj.xml") / $dj_seconds / 1000000" | bc -l | xargs printf '%.0f') | (none) | | |")
fi

measure "qvl_ers ab > xy" "$crlf" "qvl_erst_e1=ab qvl_erst_e2=xy qvl_ers_Click" "sed 's/ab/xy/g'" \
  bash -c "sed 's/ab/xy/g' '$crlf' > '$work/peer.txt'"
measure "qvl_etf sch" "$crlf" "qvl_erst_e1=sch qvl_etf_Click" "sed 's/sch//g'" \
  bash -c "sed 's/sch//g' '$crlf' > '$work/peer.txt'"
measure "qvl_zlta" "$crlf" "qvl_zlta_Click" "tac" \
  bash -c "tac '$crlf' > '$work/peer.txt'"
measure "qvl_zlnr" "$crlf" "qvl_zlnr_Click" "nl -ba" \
  bash -c "nl -ba '$crlf' > '$work/peer.txt'"
measure "qvl_abs width 72" "$crlf" "qvl_abf_x=72 qvl_abs_Click" "fold -s -w 72" \
  bash -c "fold -s -w 72 '$crlf' > '$work/peer.txt'"

{
  echo "Corpus: $(stat -c %s "$crlf") bytes CR LF, $(stat -c %s "$lf") bytes LF (generate.py, seed 4)."
  echo "Machine: $(nproc) cores, $(uname -m), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')."
  echo "Load average while measuring: $(cut -d" " -f1-3 /proc/loadavg) (the machine is shared)."
  echo
  echo "| Operation | brimlet-cli s | MB/s | Peer | Peer s | Ratio |"
  echo "|---|---|---|---|---|---|"
  printf '%s\n' "${rows[@]}"
} > "$result"
