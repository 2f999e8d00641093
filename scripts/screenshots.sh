#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots from the real program: starts it on a
# private X server with a window manager, fills each tool window with sample
# data through its own buttons and saves doc/screenshots/{main,workshop,
# renamer}.png.
# usage: scripts/screenshots.sh [BUILD_DIR]   (default build/release, built if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
brimlet_install_missing xvfb openbox xdotool imagemagick

build=${1:-build/release}
if [ ! -x "$build/src/ui/brimlet" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j "$(nproc)" --target brimlet brimlet-cli
fi
out=doc/screenshots
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A free display: the server picks the number and writes it to fd 3.
exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1400x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# Presses the accelerator of control $1, read from the windows' own tables
# so that changed captions do not break the script. A letter that two
# controls of a window share would only move the focus, so such a control
# is skipped with a warning, as is one without a letter.
listing=$("$build/src/cli/brimlet-cli" --list)
press() {
  local letter
  letter=$(awk -v name="$1" '
    /^frm/ { window = $1 }
    /^    / && match($0, /"[^"]*"/) {
      caption = substr($0, RSTART, RLENGTH)
      if (match(caption, /&[^&]/)) {
        key = tolower(substr(caption, RSTART + 1, 1))
        uses[window, key]++
        if ($1 == name) { found = key; foundWindow = window }
      }
    }
    END { if (found != "" && uses[foundWindow, found] == 1) print found }' <<<"$listing")
  [ -n "$letter" ] || { echo "skipped $1: no accelerator of its own" >&2; return 0; }
  xdotool key --clearmodifiers "alt+$letter"
  sleep 0.7
}
show() {  # waits for the window whose title starts with $1 and focuses it
  local window=""
  for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name "^$1" | head -n1) && [ -n "$window" ] && break
    sleep 0.2
  done
  [ -n "$window" ] || { echo "the window \"$1\" did not show" >&2; exit 1; }
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 0.5
  echo "$window"
}
choose_file() {  # opens the file dialog of button $1 and answers it with $2
  local tool
  tool=$(xdotool getactivewindow)
  press "$1"
  for _ in $(seq 50); do [ "$(xdotool getactivewindow)" != "$tool" ] && break; sleep 0.1; done
  xdotool type --delay 5 "$2"
  xdotool key Return
  sleep 1
}
shoot() { import -frame -window "$1" "$out/$2.png"; echo "$out/$2.png"; }

# Sample data, with CR LF as the program writes it: extension groups and a
# file list that travels from the main window through the workshop to the
# renamer.
home="$work/home"
mkdir -p "$home"
{
  printf 'Musik=.mp3+.flac+.ogg+#\r\nBilder=.jpg+.png+#\r\nTexte=.txt+.odt+.pdf+#\r\n'
  for _ in $(seq 13); do printf '=#\r\n'; done
} >"$home/Brimlet_edgs.txt"
for name in Musik/Sommerabend.mp3 Bilder/Hafen.jpg Texte/Einkauf.txt Musik/Regen.flac \
  Bilder/Ostsee.png Texte/Bericht.pdf Archiv/alt.zip Musik/Morgen.ogg Texte/Notizen.odt; do
  printf '/home/anna/%s  \r\n' "$name"
done >"$work/liste.txt"

"$build/src/ui/brimlet" --home "$home" &
pids+=($!)

main=$(show "Brimlet")
choose_file main_fimp "$work/liste.txt"
press main_lze
press main_remp
shoot "$main" main

press main_inqvl
press main_quorvel
workshop=$(show "Quorvel")
press qvl_trim
press qvl_1313
press qvl_srt
shoot "$workshop" workshop

press qvl_inzr
press qvl_qzr
renamer=$(show "Dremmick")
shoot "$renamer" renamer
