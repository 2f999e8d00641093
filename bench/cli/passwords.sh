#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# 99,999 passwords of 256 characters from the display window's password
# tool, without --seed, so every character is drawn from the system's
# secure random source. Prints the median wall and CPU seconds of RUNS
# runs and checks the count and length of the passwords once.
#
# usage: passwords.sh BRIMLET_CLI [RUNS]
set -euo pipefail

cli=$1
runs=${2:-5}
here=$(dirname "$0")
source "$here/../median_timing.sh"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

passwords() {
  "$cli" --defaults --home "$home" main_quorvel_Click qvl_show_Click qvl_pwd_x=256 qvl_pwd_x_Change qvl_pwd_anz=99999 \
    qvl_pwd_anz_Change qvl_pwd_Click "$@"
}

passwords --dump "$home/dump"
awk 'length($0) != 257 { bad++ } END { if (NR != 99999 || bad) { print "wrong output"; exit 1 } }' \
  "$home/dump/display.txt"
for ((i = 0; i < runs; i++)); do timed passwords >>"$home/times"; done
printf '| 99,999 passwords of 256 characters, no --seed | %.3f s wall | %.3f s CPU |\n' \
  "$(cut -d' ' -f1 "$home/times" | median)" "$(cut -d' ' -f2 "$home/times" | median)"
