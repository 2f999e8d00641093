#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Inputs of the large-input benchmark, the same bytes on every run.

  generate.py text FILE BYTES   Windows-1252 text with CR LF line ends: prose
                                with umlauts, paths, numbers, blank lines,
                                runs of blanks, tags, a few NULs and long lines
  generate.py short FILE BYTES  the same kind of text in lines of 1 to 17 bytes
                                (about 100 million lines a gigabyte)
  generate.py list FILE LINES   a list of Windows paths, CR LF, some with
                                trailing blanks or trailing numbers
  generate.py lf IN OUT         IN with LF line ends (what tr -d '\\r' gives)
  generate.py distinct FILE N   N different eight-digit numbers in random order,
                                one a CR LF line (ten bytes a number)
"""
import random
import sys

WORDS = ["und", "der", "die", "das", "Straße", "Größe", "Übung", "Bär", "schön", "Schule",
         "Tisch", "Fenster", "Haus", "Apfel", "Zeit", "Jahr", "Menschen", "arbeiten",
         "Bücher", "Öffnung", "Mädchen", "groß", "klein", "weiß", "schwarz", "Ärger",
         "Ölpreis", "café", "Kapitel", "Seite", "Quelle", "Datenbank", "Liste", "Musik",
         "ab", "mit", "über", "für", "nicht", "Vögel", "Schlüssel", "Geschäft", "Sachsen"]
EXTENSIONS = [".mp3", ".flac", ".wav", ".ogg", ".m4a", ".jpg", ".png", ".gif", ".bmp",
              ".tif", ".avi", ".mkv", ".mp4", ".mov", ".txt", ".doc", ".pdf", ".odt",
              ".xls", ".csv", ".zip", ".rar", ".7z", ".exe", ".dll", ".ini", ".log",
              ".htm", ".xml", ".JPG"]
FOLDERS = ["Musik", "Bilder", "Archiv", "Projekte", "Urlaub 2019", "Alben.alt", "Neu",
           "Dokumente", "Übersicht"]
POOL_LINES = 400_000
BATCH = 50_000


def prose(rnd):
    words = [rnd.choice(WORDS) for _ in range(rnd.randint(2, 14))]
    words[0] = words[0].capitalize()
    line = " ".join(words) + rnd.choice([".", ",", "!", "?", ";", ""])
    if rnd.random() < 0.05:
        line = "<b>" + line + "</b> <a href=\"x.htm\">" + rnd.choice(WORDS) + "</a>"
    return line


def path(rnd, number):
    folders = "\\".join(rnd.choice(FOLDERS) for _ in range(rnd.randint(1, 4)))
    return f"C:\\{folders}\\Datei {number:07} {rnd.choice(WORDS)}{rnd.choice(EXTENSIONS)}"


def numbers(rnd):
    return " ".join(str(rnd.randint(0, 10 ** rnd.randint(1, 9))) for _ in range(rnd.randint(1, 6)))


def pool_line(rnd, number):
    kind = rnd.random()
    if kind < 0.10:
        return ""
    if kind < 0.45:
        line = prose(rnd)
    elif kind < 0.70:
        line = path(rnd, number)
    elif kind < 0.85:
        line = numbers(rnd)
    elif kind < 0.99:
        line = f"{rnd.randint(1, 99999)}  {prose(rnd)}   {rnd.randint(1, 999)}"
    else:
        line = " ".join(prose(rnd) for _ in range(rnd.randint(20, 300)))
    edges = rnd.random()
    if edges < 0.05:
        line = "   " + line
    elif edges < 0.10:
        line = line + "  "
    elif edges < 0.12:
        line = "\t" + line
    elif edges < 0.1202:
        line = line + "\0"
    return line


def short_line(rnd, number):
    kind = rnd.random()
    if kind < 0.5:
        return rnd.choice(WORDS)
    if kind < 0.8:
        return str(rnd.randint(0, 10 ** rnd.randint(1, 9)))
    return f"{rnd.choice(WORDS)} {number % 1000}"


def text(target, size, make_line=pool_line):
    rnd = random.Random(15)
    pool = [make_line(rnd, i).encode("cp1252") + b"\r\n" for i in range(POOL_LINES)]
    written = 0
    with open(target, "wb") as out:
        while written < size:
            block = b"".join(rnd.choices(pool, k=BATCH))
            if written + len(block) > size:
                block = block[:size - written]
                block = block[:block.rfind(b"\r\n") + 2] if b"\r\n" in block else b""
                if not block:
                    break
            out.write(block)
            written += len(block)


def path_list(target, lines):
    rnd = random.Random(16)
    with open(target, "wb") as out:
        for start in range(0, lines, BATCH):
            rows = []
            for i in range(start, min(lines, start + BATCH)):
                line = path(rnd, i)
                tail = rnd.random()
                if tail < 0.05:
                    line += "   "
                elif tail < 0.10:
                    line += f" {rnd.randint(1, 99999)},{rnd.randint(0, 99)}"
                rows.append(line.encode("cp1252"))
            out.write(b"\r\n".join(rows) + b"\r\n")


def distinct_numbers(target, count):
    rnd = random.Random(17)
    numbers = rnd.sample(range(10_000_000, 100_000_000), count)
    with open(target, "wb") as out:
        for start in range(0, count, BATCH):
            out.write(b"".join(b"%d\r\n" % n for n in numbers[start:start + BATCH]))


def lf(source, target):
    with open(source, "rb") as inp, open(target, "wb") as out:
        while chunk := inp.read(1 << 24):
            out.write(chunk.replace(b"\r", b""))


if __name__ == "__main__":
    job = sys.argv[1]
    if job == "text":
        text(sys.argv[2], int(sys.argv[3]))
    elif job == "short":
        text(sys.argv[2], int(sys.argv[3]), short_line)
    elif job == "distinct":
        distinct_numbers(sys.argv[2], int(sys.argv[3]))
    elif job == "list":
        path_list(sys.argv[2], int(sys.argv[3]))
    else:
        lf(sys.argv[2], sys.argv[3])
