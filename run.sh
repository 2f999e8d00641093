#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Brimlet and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
brimlet_install_missing
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)"
exec build/release/src/ui/brimlet "$@"
