#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Input of the renamer comparison.

  generate.py DIR COUNT
    DIR/files/  COUNT empty files "Titel NNNNN.mp3" (folder made anew)
    DIR/names.txt  COUNT new names "Größe NNNNN.mp3" (Windows-1252, CR LF)
    DIR/pairs.txt  old TAB new per line, UTF-8, the pairs brimlet forms
"""
import os
import shutil
import sys


def main(root, count):
    files = os.path.join(root, "files")
    shutil.rmtree(files, ignore_errors=True)
    os.makedirs(files)
    for i in range(count):
        open(os.path.join(files, f"Titel {i:05}.mp3"), "wb").close()
    with open(os.path.join(root, "names.txt"), "wb") as names:
        names.write(b"".join(f"Größe {i:05}.mp3\r\n".encode("cp1252") for i in range(count)))
    with open(os.path.join(root, "pairs.txt"), "w", encoding="utf-8") as pairs:
        pairs.writelines(f"Titel {i:05}.mp3\tGröße {i:05}.mp3\n" for i in range(count))


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]))
