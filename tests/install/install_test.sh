#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix whose name needs quoting in a
# desktop entry and checks that everything lands where the desktop looks for
# it. With --deb also builds the Debian package and checks its file list.
# usage: install_test.sh BUILD_DIR [--deb]
set -euo pipefail
build=$1
prefix_parent=$(mktemp -d)
trap 'rm -rf "$prefix_parent"' EXIT
prefix="$prefix_parent/my programs"

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(bin/brimlet-cli share/brimlet/Brimlet.html share/man/man1/brimlet-cli.1.gz
  share/doc/brimlet/copyright share/doc/brimlet/changelog.gz)
if [ -e "$build/src/ui/brimlet" ]; then
  expected+=(bin/brimlet share/applications/brimlet.desktop share/man/man1/brimlet.1.gz
    share/icons/hicolor/scalable/apps/brimlet.svg share/icons/hicolor/64x64/apps/brimlet.png)
fi
status=0
for file in "${expected[@]}"; do
  [ -s "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done

entry="$prefix/share/applications/brimlet.desktop"
if [ -e "$entry" ]; then
  grep -qxF "Exec=\"$prefix/bin/brimlet\"" "$entry" || { echo "Exec wrong:"; grep Exec "$entry"; status=1; }
  grep -qx 'Categories=Utility;TextTools;' "$entry" || { echo "Categories wrong"; status=1; }
  if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry" || status=1; fi
  # The entry's command line, as a launcher would split it, starts the program.
  eval "command=($(sed -n 's/^Exec=//p' "$entry"))"
  env -u DISPLAY "${command[@]}" --help >/dev/null || { echo "Exec does not start"; status=1; }
  version=$(env -u DISPLAY "$prefix/bin/brimlet" --version) || status=1
  [[ $version =~ ^brimlet\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "--version: $version"; status=1; }
fi
if command -v groff >/dev/null; then
  for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(zcat "$page" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || { echo "$page: $warnings"; status=1; }
    ! zgrep -q '@[A-Z_]*@' "$page" || { echo "$page: a placeholder is left"; status=1; }
  done
fi
"$prefix/bin/brimlet-cli" --help | grep -q -- --in-place || { echo "installed brimlet-cli fails"; status=1; }

if [ "${2:-}" = "--deb" ]; then
  (cd "$build" && cpack -G DEB >/dev/null 2>&1) || { echo "cpack failed"; exit 1; }
  package=$(ls "$build"/brimlet_*.deb)
  listing=$(dpkg-deb -c "$package")
  for file in "${expected[@]}"; do
    grep -q " ./usr/$file\$" <<<"$listing" || { echo "not in package: $file"; status=1; }
  done
fi
exit $status
