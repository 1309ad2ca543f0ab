"""The shipped examples run, and the sweep gives the batch tool's summary."""

import subprocess
import sys

import pandas as pd

from segito import MEADOW, SOURCE_DIR, batch

EXAMPLES = SOURCE_DIR / "examples"


def example(name, *args):
    return subprocess.run([sys.executable, EXAMPLES / name, *map(str, args)],
                          check=True, capture_output=True, text=True)


def test_meadow_plot(tmp_path):
    example("meadow.py", "--steps", 150, "--out", tmp_path / "meadow.png", MEADOW)
    from matplotlib.image import imread
    height, width, _ = imread(tmp_path / "meadow.png").shape
    assert width > height > 300


def test_sweep_equals_the_batch_summary(tmp_path):
    example("sweep.py", "--steps", 60, "--seed", 100, "--csv", tmp_path / "python.csv", MEADOW)
    batch("--seed", 100, "--steps", 60, "--sweep", "animal:Fox.Utod=1:4:1", "--replicates", 5,
          "--summary", tmp_path / "batch.csv", MEADOW)
    python, expected = pd.read_csv(tmp_path / "python.csv"), pd.read_csv(tmp_path / "batch.csv")
    assert len(expected) == 20
    pd.testing.assert_frame_equal(python, expected, check_dtype=False)


def test_notebook_is_valid():
    import nbformat
    notebook = nbformat.read(EXAMPLES / "meadow.ipynb", as_version=4)
    nbformat.validate(notebook)
    code = [cell.source for cell in notebook.cells if cell.cell_type == "code"]
    assert code
    for source in code:
        compile(source, "meadow.ipynb", "exec")
