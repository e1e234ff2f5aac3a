"""Where a generator writes: the data folder named as the first argument, else the repository's
data/, and a subfolder of it made ready."""

import os
import sys


def data_root():
    here = os.path.dirname(os.path.abspath(__file__))
    return sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "data")


def data_folder(*parts):
    folder = os.path.join(data_root(), *parts)
    os.makedirs(folder, exist_ok=True)
    return folder
