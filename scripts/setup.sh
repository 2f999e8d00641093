#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Brimlet needs to build, test and run, only
# those that are missing. Sourced by run.sh and test.sh.
set -euo pipefail

brimlet_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libgmock-dev
  libbenchmark-dev xdg-utils qt6-translations-l10n clang libclang-rt-14-dev)
# What CI checks with besides: the formatting, the desktop entry, the package.
brimlet_ci_packages=(clang-format desktop-file-utils lintian)

brimlet_install_missing() {
  local missing=()
  for package in "${brimlet_packages[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}
