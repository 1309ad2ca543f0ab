#!/usr/bin/env python3
"""The meadow over 2,000 steps: rabbits and foxes over time, and the map at the end, in one PNG.

    PYTHONPATH=build/python python3 examples/meadow.py [--steps N] [--seed S] [--out PNG] [FILE]

FILE defaults to the shipped meadow (data/okocfg/meadow.okocfg).
"""

import argparse
import pathlib

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

import zelvaris  # noqa: E402

MEADOW = pathlib.Path(__file__).resolve().parent.parent / "data" / "okocfg" / "meadow.okocfg"


def plot(eco, out):
    """Rabbits and foxes over time beside the map, saved as one PNG."""
    series = eco.series_frame()
    rabbits = eco.species("Rabbit").display_name
    foxes = eco.species("Fox").display_name
    figure, (chart, world) = plt.subplots(1, 2, figsize=(13, 5), width_ratios=[3, 2])
    chart.plot(series["step"], series[rabbits], color="tab:brown", label=rabbits)
    chart.set_xlabel("step")
    chart.set_ylabel("rabbits")
    # Foxes are some fifty times fewer: they get their own scale.
    fox_axis = chart.twinx()
    fox_axis.plot(series["step"], series[foxes], color="tab:orange", label=foxes)
    fox_axis.set_ylabel("foxes")
    chart.legend(handles=chart.lines + fox_axis.lines, loc="upper right")
    world.imshow(eco.map_image(), interpolation="nearest")
    world.set_title(f"the map after {eco.time} steps")
    world.set_axis_off()
    figure.tight_layout()
    figure.savefig(out, dpi=100)
    plt.close(figure)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("file", nargs="?", default=MEADOW, help="a .okocfg or .okopill file")
    parser.add_argument("--steps", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=7)
    parser.add_argument("--out", default="meadow.png", help="the PNG to write")
    args = parser.parse_args()

    eco = zelvaris.open(args.file, seed=args.seed)
    eco.step(args.steps, progress=True)
    plot(eco, args.out)
    print(f"{args.out}: {eco.time} steps, final seed {eco.seed}")


if __name__ == "__main__":
    main()
