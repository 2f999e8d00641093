#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the workshop benchmark corpus: German-like Windows-1252 text.

Lines of 0 to 120 characters built from words with single-byte umlauts and
sharp s, some empty lines, runs of blanks and trailing blanks; the same lines
once with CR LF and once with LF line ends. Deterministic for a given seed.

usage: generate.py OUT_DIR [MEGABYTES] [SEED]  ->  OUT_DIR/crlf.txt, OUT_DIR/lf.txt
"""
import os
import random
import sys

SYLLABLES = [b"an", b"be", b"der", b"die", b"und", b"ge", b"sch", b"ver", b"ein", b"ung",
             b"lich", b"keit", b"st", b"en", b"er", b"\xe4", b"\xf6", b"\xfc", b"\xdf",
             b"ach", b"ei", b"au", b"tr", b"pf", b"\xc4r", b"\xd6l", b"\xdcb", b"zw"]
PUNCTUATION = [b"", b"", b"", b"", b",", b".", b"!", b"?", b"-", b":", b";", b"\"", b"(1)",
               b"2024", b"\xa7", b"\x80", b"#"]


def word(rng):
    text = b"".join(rng.choice(SYLLABLES) for _ in range(rng.randint(1, 4)))
    if rng.random() < 0.2:
        text = text[:1].upper() + text[1:]
    return text + rng.choice(PUNCTUATION)


def line(rng, vocabulary):
    roll = rng.random()
    if roll < 0.06:
        return b""
    target = rng.randint(1, 120)
    parts = []
    length = 0
    while True:
        w = rng.choice(vocabulary)
        gap = b"   " if rng.random() < 0.05 else b" "
        if length + len(w) + len(gap) > target:
            break
        parts.append(w)
        parts.append(gap)
        length += len(w) + len(gap)
    text = b"".join(parts[:-1]) if parts else b""
    if rng.random() < 0.1:
        text += b" " * rng.randint(1, 3)
    return text[:120]


def main():
    out_dir = sys.argv[1]
    megabytes = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 4
    rng = random.Random(seed)
    vocabulary = [word(rng) for _ in range(20000)]
    lines = []
    size = 0
    while size < megabytes * 1_000_000:
        text = line(rng, vocabulary)
        lines.append(text)
        size += len(text) + 2
    os.makedirs(out_dir, exist_ok=True)
    with open(os.path.join(out_dir, "crlf.txt"), "wb") as f:
        f.write(b"\r\n".join(lines) + b"\r\n")
    with open(os.path.join(out_dir, "lf.txt"), "wb") as f:
        f.write(b"\n".join(lines) + b"\n")


if __name__ == "__main__":
    main()
