#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every workshop operation on a large working text and every list operation
# of the main window on a long list, each as one whole brimlet-cli process:
# wall time, peak resident memory against the input, MB/s, and where a peer
# tool does the same job, whether its bytes are the same.
#
# usage: run.sh BRIMLET_CLI [WORK_DIR]
#   SIZE=BYTES    working text size (default 1000000000)
#   LINES=N       list length (default 5000000)
#   DISTINCT=N    different numbers of the word index's worst case (default 2000000)
#   ONLY=REGEX    only the rows whose label matches
#   KEEP=1        keep the generated inputs in WORK_DIR for the next run
# The table goes to stdout and to WORK_DIR/results.md. One run per row: at a
# gigabyte the scatter of a shared machine is smaller than the cost of three.
set -euo pipefail

cli=$(realpath "$1")
work=${2:-/tmp/brimlet-large}
size=${SIZE:-1000000000}
lines=${LINES:-5000000}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
text=$work/text-$size.txt
lf=$work/lf-$size.txt
list=$work/list-$lines.txt
out=$work/out.txt
peer=$work/peer.txt
cleanup() {
  rm -rf "$out" "$peer" "$work/home" "$work/export"
  if [[ ${KEEP:-0} != 1 ]]; then rm -f "$text" "$lf" "$list" "$plain" "$short" "$short_lf" "$distinct"; fi
}
trap cleanup EXIT

[[ -f $text ]] || python3 "$here/generate.py" text "$text" "$size"
[[ -f $lf ]] || python3 "$here/generate.py" lf "$text" "$lf"
short=$work/short-$size.txt
short_lf=$work/short-lf-$size.txt
if [[ "qvl_srt short lines" =~ ${ONLY:-.} ]]; then
  [[ -f $short ]] || python3 "$here/generate.py" short "$short" "$size"
  [[ -f $short_lf ]] || python3 "$here/generate.py" lf "$short" "$short_lf"
fi
distinct=$work/distinct-${DISTINCT:-2000000}.txt
if [[ "qvl_idx distinct numbers" =~ ${ONLY:-.} ]]; then
  [[ -f $distinct ]] || python3 "$here/generate.py" distinct "$distinct" "${DISTINCT:-2000000}"
fi
[[ -f $list ]] || python3 "$here/generate.py" list "$list" "$lines"
plain=$work/plain-$lines.txt
[[ -f $plain ]] || grep -av ' [0-9,]*.$' "$list" >"$plain"
python3 "$here/../lister/generate.py" home "$work/home"
mkdir -p "$work/export"
sort_mode() {  # the main window's sort setting: 0 groups, 1 single, 2 none
  printf 'brimlet\r\nsortieren = %s\r\nalphab. b einzeln = 1\r\n' "$1" >"$work/home/Brimlet_set.txt"
}

# Case pairs of the program's Windows-1252 table, as tr sets.
upper_set='A-Z\300-\326\330-\336\212\214\216\237'
lower_set='a-z\340-\366\370-\376\232\234\236\377'

rows=()
timed() {  # timed COMMAND...: sets seconds and peak_mb
  /usr/bin/time -f '%e %M' -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" || true
  read -r seconds peak_kb < <(tail -1 "$work/time.txt")
  peak_mb=$((peak_kb / 1024))  # MiB
}

record() {  # record LABEL INPUT OUTPUT PEER_LABEL [PEER_COMMAND]
  local label=$1 input=$2 result=$3 peer_label=$4 peer_command=${5:-}
  local bytes rate factor check=""
  local ours=$seconds ours_peak=$peak_mb
  bytes=$(stat -c %s "$input")
  rate=$(echo "$bytes / ($ours + 0.0005) / 1000000" | bc -l)
  factor=$(echo "$ours_peak * 1048576 / $bytes" | bc -l)
  local peer_seconds=""
  if [[ -n $peer_command ]]; then
    timed env LC_ALL=C bash -c "$peer_command"
    peer_seconds=$seconds
    if cmp -s "$result" "$peer"; then check="same"; else check="differs"; fi
  fi
  rows+=("| $label | $ours | $(printf '%.0f' "$rate") | $ours_peak | $(printf '%.2f' "$factor") | $(stat -c %s "$result" 2>/dev/null || echo -) | $peer_label | $peer_seconds | $check |")
  printf '%s\n' "${rows[-1]}" >&2
  rm -f "$result" "$peer"
}

workshop() {  # workshop LABEL INPUT "STEPS" [PEER_LABEL PEER_COMMAND]
  local label=$1 input=$2 steps=$3
  [[ $label =~ ${ONLY:-.} ]] || return 0
  # shellcheck disable=SC2086
  timed "$cli" --home "$work/home" --working "$input" --out "$out" main_quorvel_Click $steps
  record "$label" "$input" "$out" "${4:-}" "${5:-}"
}

listop() {  # [ANSWER=TITLE=VALUE] listop LABEL SORT_MODE "STEPS" [PEER_LABEL PEER_COMMAND]
  local label=$1 mode=$2 steps=$3
  [[ $label =~ ${ONLY:-.} ]] || return 0
  sort_mode "$mode"
  local input=${LIST:-$list}
  local from=(--filelist "$input") answer=()
  [[ $steps != main_fimp* ]] || from=()
  [[ -z ${ANSWER:-} ]] || answer=(--answer "$ANSWER")
  # shellcheck disable=SC2086
  timed "$cli" --home "$work/home" "${from[@]}" --out "$out" "${answer[@]}" $steps
  record "$label" "$input" "$out" "${4:-}" "${5:-}"
}

w=workshop
$w "qvl_unx (LF in)" "$lf" "qvl_unx_Click" "sed 's/\$/\\r/'" "sed 's/\$/\r/' '$lf' > '$peer'"
$w qvl_dos "$text" qvl_dos_Click "tr -d '\\r'" "tr -d '\r' < '$text' > '$peer'"
$w qvl_nlb "$text" qvl_nlb_Click
$w qvl_trz "$text" qvl_trz_Click
$w qvl_ltr "$text" qvl_ltr_Click
$w qvl_trim "$text" qvl_trim_Click
$w qvl_rtr "$text" qvl_rtr_Click
$w qvl_mlz "$text" qvl_mlz_Click "tr -s ' '" "tr -s ' ' < '$text' > '$peer'"
$w qvl_lcse "$text" qvl_lcse_Click "tr (case table)" "tr '$upper_set' '$lower_set' < '$text' > '$peer'"
$w qvl_ucse "$text" qvl_ucse_Click "tr (case table)" "tr '$lower_set' '$upper_set' < '$text' > '$peer'"
$w qvl_1bs "$text" qvl_1bs_Click
$w qvl_sdz "$text" qvl_sdz_Click
$w qvl_ntz "$text" qvl_ntz_Click
$w qvl_tz "$text" qvl_tz_Click
$w qvl_nve "$text" qvl_nve_Click
$w qvl_nke "$text" qvl_nke_Click
$w qvl_lz "$text" qvl_lz_Click "tr -d ' '" "tr -d ' ' < '$text' > '$peer'"
$w qvl_zf "$text" qvl_zf_Click "tr -d 0-9" "tr -d 0-9 < '$text' > '$peer'"
$w qvl_null "$text" qvl_null_Click "tr -d '\\0'" "tr -d '\0' < '$text' > '$peer'"
$w qvl_1313 "$text" qvl_1313_Click "grep -v (empty)" "grep -av \$'^\r\$' '$text' > '$peer'"
$w qvl_131313 "$text" qvl_131313_Click
$w "qvl_srt text" "$text" qvl_srt_Click
# The workshop compares lines without their CR LF, sort with the CR.
$w "qvl_srt binary" "$text" "qvl_srt_b=1 qvl_srt_b_Click qvl_srt_Click" "LC_ALL=C sort" \
  "sort -S 25% '$lf' | sed 's/\$/\r/' > '$peer'"
$w "qvl_srt binary down" "$text" "qvl_srt_b=1 qvl_srt_b_Click qvl_srt_d=1 qvl_srt_d_Click qvl_srt_Click" \
  "LC_ALL=C sort -r" "sort -r -S 25% '$lf' | sed 's/\$/\r/' > '$peer'"
$w "qvl_srt short lines binary" "$short" "qvl_srt_b=1 qvl_srt_b_Click qvl_srt_Click" "LC_ALL=C sort" \
  "sort -S 25% '$short_lf' | sed 's/\$/\r/' > '$peer'"
$w "qvl_srt short lines text" "$short" qvl_srt_Click
$w "qvl_srt column 5" "$text" "qvl_srt_x=5 qvl_srt_Click"
$w "qvl_ers ab > xy" "$text" "qvl_erst_e1=ab qvl_erst_e2=xy qvl_ers_Click" "sed 's/ab/xy/g'" \
  "sed 's/ab/xy/g' '$text' > '$peer'"
$w "qvl_ers wildcard" "$text" "qvl_erst_e1=<*> qvl_erst_w=1 qvl_erst_w_Click qvl_erst_e2=[] qvl_ers_Click"
$w "qvl_etf sch" "$text" "qvl_erst_e1=sch qvl_etf_Click" "sed 's/sch//g'" "sed 's/sch//g' '$text' > '$peer'"
$w "qvl_etf rest of line" "$text" "qvl_erst_e1=\\ qvl_entf_z=1 qvl_entf_z_Click qvl_etf_Click"
$w "qvl_enf e" "$text" "qvl_entf_e=e qvl_enf_Click" "tr -d eE" "tr -d eE < '$text' > '$peer'"
$w qvl_eaf "$text" "qvl_entf_a=1 qvl_eaf_Click"
$w "qvl_eaz C:" "$text" "qvl_eaz_z=C: qvl_eaz_Click"
$w qvl_test "$text" qvl_test_Click
$w qvl_chr "$text" qvl_chr_Click
$w "qvl_enze ." "$text" "qvl_enze_e=. qvl_enze_Click"
$w "qvl_enzz 3" "$text" "qvl_enzz_z=3 qvl_enzz_Click"
$w qvl_zfza "$text" qvl_zfza_Click
$w qvl_zfze "$text" qvl_zfze_Click
$w qvl_zlta "$text" qvl_zlta_Click "tac" "tac '$text' > '$peer'"
$w "qvl_zlta pairs" "$text" "qvl_zlta_2=1 qvl_zlta_2_Click qvl_zlta_Click"
$w qvl_zcta "$text" qvl_zcta_Click
$w "qvl_zcta pairs" "$text" "qvl_zcta_2=1 qvl_zcta_2_Click qvl_zcta_Click"
$w "qvl_einf >>" "$text" "qvl_einf_e=>> qvl_einf_a=1 qvl_einf_a_Click qvl_einf_Click" "sed 's/^/>>/'" \
  "sed 's/^/>>/' '$text' > '$peer'"
$w qvl_zlnr "$text" qvl_zlnr_Click
$w "qvl_abs 72" "$text" "qvl_abf_x=72 qvl_abs_Click"
$w qvl_2zz "$text" qvl_2zz_Click
$w "qvl_2zz halves" "$text" "qvl_2zz_2h=1 qvl_2zz_2h_Click qvl_2zz_Click"
$w qvl_uzl "$text" qvl_uzl_Click
$w "qvl_abf 1000" "$text" "qvl_abf_x=1000 qvl_abf_Click"
$w qvl_asfil "$text" qvl_asfil_Click
$w qvl_vdj "$text" qvl_vdj_Click
$w qvl_html_etf "$text" qvl_html_etf_Click "sed 's/<[^>]*>//g'" "sed 's/<[^>]*>//g' '$text' > '$peer'"
$w qvl_idx "$text" qvl_idx_Click
$w "qvl_idx counted" "$text" "qvl_idx_az=1 qvl_idx_az_Click qvl_idx_Click"
$w "qvl_idx distinct numbers" "$distinct" qvl_idx_Click
$w "qvl_undo after lcse" "$text" "qvl_lcse_Click qvl_undo_Click" "cat" "cat '$text' > '$peer'"
$w "qvl_parkb1 park" "$text" "qvl_parkb1_Click"

l=listop
$l "main_neue groups" 0 main_neue_Click
$l "main_neue single" 1 main_neue_Click
$l "main_neue none" 2 main_neue_Click "cat" "cat '$list' > '$peer'"
$l main_remp 2 "main_neue_Click main_remp_Click" "sed 's/.*\\\\//'" "sed 's/.*\\\\//' '$list' > '$peer'; printf '***\\r\\n' >> '$peer'"
$l main_remx 2 "main_neue_Click main_remx_Click"
$l main_lze 2 "main_neue_Click main_lze_Click" "sed 's/ *\\r\$/\\r/'" "sed 's/ *\r\$/\r/' '$list' > '$peer'; printf '***\\r\\n' >> '$peer'"
$l main_zfe 2 "main_neue_Click main_zfe_Click"
$l main_foli 2 "main_neue_Click main_foli_Click"
$l "main_lwb D:" 2 "main_neue_Click main_lwb_Click lwb_ed=D: lwb_user_Click" "sed 's/^C:/D:/'" \
  "sed 's/^C:/D:/' '$list' > '$peer'; printf '***\\r\\n' >> '$peer'"
$l main_inqvl 2 "main_neue_Click main_inqvl_Click" "cat" "cat '$list' > '$peer'"
ANSWER="Brimlet Dateiwahl=$list" $l main_fimp 2 main_fimp_Click "cat" "cat '$list' > '$peer'"
ANSWER="Brimlet - Speichern=$work/export/all.txt" $l main_fex_a 2 "main_neue_Click main_fex_a_Click"
ANSWER="Brimlet - Csv Speichern=$work/export/list.csv" $l main_fex_ck 2 "main_neue_Click main_fex_ck_Click"
ANSWER="Ordner zum Speichern auswählen=$work/export/" $l main_fex_g 0 "main_fld_Click main_neue_Click main_fex_g_Click"
# One file per extension: numbers behind the extension would make each line its own type.
LIST=$plain ANSWER="Ordner zum Speichern auswählen=$work/export/" $l main_fex_e 1 "main_fld_Click main_neue_Click main_fex_e_Click"
$l main_cpy 2 "main_neue_Click main_cpy_Click"

{
  echo "Text: $(stat -c %s "$text") bytes, $(tr -cd '\n' <"$text" | wc -c) lines (generate.py, CR LF)."
  echo "List: $(stat -c %s "$list") bytes, $lines lines."
  echo "Machine: $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GB, load average at the end $(cut -d" " -f1-3 /proc/loadavg)."
  echo
  echo "| Operation | s | MB/s | peak MiB | peak / input | out bytes | peer | peer s | same bytes |"
  echo "|---|---|---|---|---|---|---|---|---|"
  printf '%s\n' "${rows[@]}"
} | tee "$work/results.md"
