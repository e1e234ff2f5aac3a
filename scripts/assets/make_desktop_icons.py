#!/usr/bin/env python3
"""Draws the program icon for the desktop's icon theme: packaging/icons/velmora-N.png for the
hicolor sizes 16, 22, 24, 32, 48, 64, 128 and 256 (installed as
share/icons/hicolor/NxN/apps/velmora.png). The same d20 shield as data/Icons/Velmora.png,
each size drawn on its own.

    python3 scripts/assets/make_desktop_icons.py [output folder]
"""

import os
import sys

from imagefiles import write_png
from make_icons import program_icon

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "packaging", "icons")
    os.makedirs(folder, exist_ok=True)
    for size in SIZES:
        path = os.path.join(folder, "velmora-%d.png" % size)
        write_png(path, program_icon(size))
        print("%s %d bytes" % (path, os.path.getsize(path)))


if __name__ == "__main__":
    main()
