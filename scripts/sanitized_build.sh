#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one instrumented build: clang with AddressSanitizer + UndefinedBehavior-
# Sanitizer and libFuzzer's coverage. It runs the window-free tests
# (test.sh --sanitize) and holds the fuzz targets (fuzz/run.sh), so every
# library is compiled once for both. Line tables only and -O1 keep the build
# short while stack traces still name their lines. Sourced.
sanitized_build=build/asan

configure_sanitized_build() {
  CC=clang CXX=clang++ cmake -S . -B "$sanitized_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
    -DBRIMLET_GUI=OFF -DBRIMLET_FUZZ=ON ${BRIMLET_WERROR:+-DBRIMLET_WERROR=$BRIMLET_WERROR} \
    ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
}
