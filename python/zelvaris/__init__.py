"""Run, read and plot Zelvaris ecosystems from Python.

The module drives the same simulation and file formats as the window program
and zelvaris-batch, in-process, with the same results bit for bit::

    import zelvaris
    eco = zelvaris.open("meadow.okocfg", seed=7)
    eco.step(2000)
    eco.series_frame().plot(x="step")

Everything an Ecosystem returns (series, individuals, maps) is a numpy copy.
"""

from ._zelvaris import Ecosystem, FieldError, FileError, Species, open  # noqa: F401

__all__ = ["open", "Ecosystem", "Species", "FileError", "FieldError"]
