#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Inputs of the lister comparisons.

  generate.py tree DIR   100,000 empty files in 2,000 folders (3 levels)
  generate.py list FILE  1,000,000 Windows paths, about 30 extensions, CR LF
  generate.py home DIR   a program folder with 16 extension groups
"""
import os
import random
import sys

EXTENSIONS = [".mp3", ".flac", ".wav", ".ogg", ".m4a", ".jpg", ".png", ".gif", ".bmp",
              ".tif", ".avi", ".mkv", ".mp4", ".mov", ".txt", ".doc", ".pdf", ".odt",
              ".xls", ".csv", ".zip", ".rar", ".7z", ".exe", ".dll", ".ini", ".log",
              ".htm", ".xml", ".JPG"]

GROUPS = ["Audio=.mp3+.flac+.wav+.ogg+.m4a+#", "Bilder=.jpg+.png+.gif+.bmp+.tif+#",
          "Video=.avi+.mkv+.mp4+.mov+#", "Text=.txt+.doc+.odt+#", "Pdf=.pdf+#",
          "Tabellen=.xls+.csv+#", "Archive=.zip+.rar+.7z+#", "Programme=.exe+.dll+#",
          "Konfig=.ini+#", "Logs=.log+#", "Web=.htm+.html+#", "Daten=.xml+.json+#",
          "Fonts=.ttf+.otf+#", "Iso=.iso+.img+#", "Quellen=.c+.h+.cpp+#", "Skripte=.sh+.py+#"]


def tree(root):
    rnd = random.Random(1)
    folders = []
    for a in range(20):
        for b in range(10):
            for c in range(10):
                folders.append(os.path.join(root, f"ordner{a:02}", f"teil{b}", f"stück{c}"))
    for number, folder in enumerate(folders):
        os.makedirs(folder, exist_ok=True)
        for i in range(50):
            name = f"datei {number:04} {i:02}{rnd.choice(EXTENSIONS)}"
            open(os.path.join(folder, name), "wb").close()


def path_list(target):
    rnd = random.Random(2)
    words = ["Musik", "Bilder", "Archiv", "Projekte", "Urlaub 2019", "Alben.alt", "Neu"]
    with open(target, "wb") as out:
        for i in range(1_000_000):
            depth = rnd.randint(1, 4)
            folders = "\\".join(rnd.choice(words) for _ in range(depth))
            line = f"C:\\{folders}\\Datei {i:07} Titel{rnd.choice(EXTENSIONS)}\r\n"
            out.write(line.encode("cp1252"))


def home(folder):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "Brimlet_edgs.txt"), "wb") as out:
        out.write("".join(g + "\r\n" for g in GROUPS).encode("cp1252"))


if __name__ == "__main__":
    {"tree": tree, "list": path_list, "home": home}[sys.argv[1]](sys.argv[2])
