#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a tracked C++ file differs from what .clang-format makes of it.
# Fix with: git ls-files '*.cpp' '*.h' '*.h.in' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' '*.h.in' | xargs -0 clang-format --dry-run --Werror
