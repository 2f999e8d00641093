#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the inputs of the conversion benchmarks.

page.html: HTML of nested tags with attributes, entities and German text
(Windows-1252, CR LF). dj.xml: a DJ database with one <Song> element per
song (Tags, Infos, Scan, a few Poi and some Comment elements), UTF-8 paths
with umlauts and accents, LF line ends as the program writes them.
Deterministic for a given seed.

usage: generate_conversions.py OUT_DIR [HTML_MEGABYTES] [SONGS] [SEED]
"""
import os
import random
import sys

WORDS = [b"der", b"die", b"und", b"Stra\xdfe", b"M\xfcller", b"sch\xf6n", b"\xc4rger", b"Haus",
         b"gehen", b"&amp;", b"&nbsp;", b"Zeit", b"Tag", b"wei\xdf", b"2024", b"Seite"]
TAGS = [b"p", b"div", b"span", b"a", b"b", b"i", b"li", b"td", b"h2"]


def html(rng, megabytes):
    parts = [b"<!DOCTYPE html>\r\n<html><head><title>Test</title></head><body>\r\n"]
    size = 0
    while size < megabytes * 1_000_000:
        tag = rng.choice(TAGS)
        attrs = b""
        if rng.random() < 0.4:
            attrs = b' class="c%d" id="x%d"' % (rng.randint(0, 99), rng.randint(0, 9999))
        if tag == b"a":
            attrs += b' href="https://example.org/%d.html"' % rng.randint(0, 99999)
        text = b" ".join(rng.choice(WORDS) for _ in range(rng.randint(1, 12)))
        line = b"<" + tag + attrs + b">" + text + b"</" + tag + b">"
        if rng.random() < 0.3:
            line += b"<br/>\r\n"
        parts.append(line)
        size += len(line)
    parts.append(b"</body></html>\r\n")
    return b"".join(parts)


NAMES = ["Müller", "Bamboléo", "Señor", "Öl", "Über", "Straße", "Café", "Ärger", "Night", "Sun"]
GENRES = ["Pop", "Rock", "House", "Techno", "Schlager", "Jazz"]


def song(rng, n):
    author = rng.choice(NAMES) + " & " + rng.choice(NAMES)
    title = " ".join(rng.choice(NAMES) for _ in range(rng.randint(1, 4)))
    path = "C:\\Musik\\%s\\%04d - %s.mp3" % (rng.choice(GENRES), n, title)
    lines = [' <Song FilePath="%s" FileSize="%d">' % (path, rng.randint(100_000, 20_000_000)),
             '  <Tags Author="%s" Title="%s" Genre="%s" Year="%d" Bpm="%.6f" Flag="1" />'
             % (author.replace("&", "&amp;"), title, rng.choice(GENRES), rng.randint(1960, 2025),
                rng.uniform(0.3, 0.7)),
             '  <Infos SongLength="%.6f" FirstSeen="%d" Bitrate="%d" PlayCount="%d" />'
             % (rng.uniform(60, 600), rng.randint(1_500_000_000, 1_750_000_000),
                rng.choice([128, 192, 320]), rng.randint(0, 50)),
             '  <Scan Version="801" Bpm="%.6f" AltBpm="%.6f" Volume="%.6f" Key="%s" Flag="32768" />'
             % (rng.uniform(0.3, 0.7), rng.uniform(0.3, 0.7), rng.uniform(0.5, 1.5),
                rng.choice(["Am", "C", "F#m", "G"]))]
    for _ in range(rng.randint(0, 4)):
        lines.append('  <Poi Pos="%.6f" Type="cue" />' % rng.uniform(0, 300))
    if rng.random() < 0.3:
        lines.append("  <Comment>&quot;%s&quot;; gut</Comment>" % rng.choice(NAMES))
    lines.append(" </Song>")
    return "\n".join(lines) + "\n"


def main():
    out_dir = sys.argv[1]
    megabytes = int(sys.argv[2]) if len(sys.argv) > 2 else 50
    songs = int(sys.argv[3]) if len(sys.argv) > 3 else 20000
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 7
    rng = random.Random(seed)
    os.makedirs(out_dir, exist_ok=True)
    with open(os.path.join(out_dir, "page.html"), "wb") as f:
        f.write(html(rng, megabytes))
    text = '<?xml version="1.0" encoding="UTF-8"?>\n<VirtualDJ_Database Version="8.5">\n'
    text += "".join(song(rng, n) for n in range(songs)) + "</VirtualDJ_Database>\n"
    with open(os.path.join(out_dir, "dj.xml"), "wb") as f:
        f.write(text.encode("utf-8"))


if __name__ == "__main__":
    main()
