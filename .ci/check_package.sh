#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a release build and checks it as a
# distribution would: its desktop entry, and lintian at the default level
# with warnings counted as failures.
# usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$1
rm -f "$build"/brimlet_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(echo "$build"/brimlet_*.deb)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$package" "$unpacked"
desktop-file-validate "$unpacked/usr/share/applications/brimlet.desktop"

# A maintainer without a mail address (the project has none; see README)
# cannot make a well-formed Maintainer field or changelog signature. Those
# two tags are expected then, and only then.
expected=()
if [[ $(dpkg-deb -f "$package" Maintainer) != *'<'*'>' ]]; then
  expected=(--suppress-tags malformed-contact,syntax-error-in-debian-changelog)
fi
lintian --fail-on error,warning "${expected[@]}" "$package"
echo "package checked: $(basename "$package")"
