#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test.
#   ./test.sh             release build, all tests (windows on the offscreen platform)
#   ./test.sh --sanitize  the tests that need no window, under ASan + UBSan
# BRIMLET_WERROR=ON turns warnings into errors, BRIMLET_BENCH=ON builds the
# benchmarks into the release build as well (both as CI runs it).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
brimlet_install_missing

jobs=$(nproc)
if [ "${1:-}" = "--sanitize" ]; then
  source scripts/sanitized_build.sh
  configure_sanitized_build
  cmake --build "$sanitized_build" -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$sanitized_build" --output-on-failure -j "$jobs"
else
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    ${BRIMLET_WERROR:+-DBRIMLET_WERROR=$BRIMLET_WERROR} ${BRIMLET_BENCH:+-DBRIMLET_BENCH=$BRIMLET_BENCH} >/dev/null
  cmake --build build/release -j "$jobs"
  QT_QPA_PLATFORM=offscreen ctest --test-dir build/release --output-on-failure -j "$jobs"
fi
