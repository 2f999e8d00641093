#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (ASan + UBSan + libFuzzer) and runs each
# for the given seconds on its corpus, seeded from fuzz/seeds and the sample
# files. A finding stops the script with the target's crash file.
#   fuzz/run.sh [SECONDS_PER_TARGET] [TARGET...]     (default 10, all)
# FUZZ_SEED=N fixes libFuzzer's random seed (CI does, so a short run walks the
# same inputs every time); without it each run explores anew.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(settings_file group_file list_import display_search clipboard cli_options
  rtf_reader dj_table tag_removal transfer_log typed_chain recipe handler_driver)

source scripts/sanitized_build.sh
build=$sanitized_build
configure_sanitized_build
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/%/_fuzz}" >/dev/null

testdata=../shared/testdata
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus" "$build/findings"
  seeds=(fuzz/seeds/"$target")
  case $target in
    list_import | clipboard) [ -d "$testdata/dir-listings" ] && seeds+=("$testdata/dir-listings") ;;
  esac
  log="$build/findings/$target.log"
  set +e
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/fuzz/${target}_fuzz" "$corpus" "${seeds[@]}" -max_total_time="$seconds" \
    -seed="${FUZZ_SEED:-0}" -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/${target}-" >"$log" 2>&1
  status=$?
  set -e
  runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' || true)
  coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)
  echo "$target: ${runs:-?} runs in $seconds s, $coverage, corpus $(ls "$corpus" | wc -l) files"
  if [ $status -ne 0 ]; then
    grep -E '==[0-9]+==|SUMMARY|runtime error|Test unit written' "$log" | head -20
    echo "finding in $target: $log"
    exit 1
  fi
done
