#!/usr/bin/env python3
"""Regenerates every generated file of the data folder: sounds, pictures, icons, moon phases,
map markers, the sample map, the tips file and the folder notes.

    python3 scripts/assets/make_all.py [data folder]
"""

import sys

import make_icons
import make_maps
import make_markers
import make_moons
import make_pictures
import make_sounds
import make_texts


def main():
    sys.argv = sys.argv[:2]
    for module in (make_sounds, make_pictures, make_icons, make_moons, make_markers, make_maps, make_texts):
        module.main()


if __name__ == "__main__":
    main()
