"""What the Python tests share: the shipped files and the batch tool to compare with."""

import os
import pathlib
import re
import subprocess

PROGRAM_DIR = pathlib.Path(os.environ["ZELVARIS_PROGRAM_DIR"])
SOURCE_DIR = pathlib.Path(os.environ["ZELVARIS_SOURCE_DIR"])
MEADOW = PROGRAM_DIR / "okocfg" / "meadow.okocfg"
MEADOW_SPRAYS = PROGRAM_DIR / "okocfg" / "meadow-sprays.okocfg"
MEADOW_SNAPSHOT = PROGRAM_DIR / "okopill" / "meadow-400.okopill"


def batch(*args, check=True):
    """Runs zelvaris-batch; returns the finished process (text output)."""
    process = subprocess.run([os.environ["ZELVARIS_BATCH"], *map(str, args)],
                             capture_output=True, text=True)
    if check:
        assert process.returncode == 0, process.stderr
    return process


def final_seed(process):
    return int(re.search(r"^final seed: (\d+)$", process.stderr, re.M).group(1))


def data_records(okodat, eco):
    """The data file split per species: plants, then animals, in Id order."""
    import numpy as np
    values = np.fromfile(okodat, dtype="<i4")
    records, at = [], 0
    for width, count in [(3, len(eco.plants)), (11, len(eco.animals))]:
        for _ in range(count):
            n = values[at]
            records.append(values[at + 1:at + 1 + n * width].reshape(n, width))
            at += 1 + n * width
    assert at == len(values)
    return records
