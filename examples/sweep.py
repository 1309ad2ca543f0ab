#!/usr/bin/env python3
"""Fox litter sizes 1 to 4, five seeds each: 20 runs of the meadow on all cores, summarised.

    PYTHONPATH=build/python python3 examples/sweep.py [--steps N] [--seed S] [--csv OUT] [FILE]

The summary has the rows and columns of

    zelvaris-batch --seed S --steps N --sweep animal:Fox.Utod=1:4:1 --replicates 5 FILE

and the same values: run, replicate, seed, the litter size, steps, each species' final value
(plant species' total mass, animal species' count), the step at which each first stood at 0,
each animal species' mean persistent dose at the end, and the generator's final state.
"""

import argparse
import concurrent.futures
import os
import pathlib

import numpy as np
import pandas as pd

import zelvaris

MEADOW = pathlib.Path(__file__).resolve().parent.parent / "data" / "okocfg" / "meadow.okocfg"
PARAMETER = "animal:Fox.Utod"
LITTERS = [1, 2, 3, 4]
REPLICATES = 5


def run(path, index, first_seed, steps):
    """Run `index` of the plan: litter size LITTERS[index // 5], seed first_seed + index % 5."""
    point, replicate = divmod(index, REPLICATES)
    seed = (first_seed + replicate) % 2**32
    eco = zelvaris.open(path, seed=seed)
    # The batch tool sets the value before the world is populated; a litter
    # size does not take part in placing the start populations, so setting it
    # after open() gives the same run.
    eco.species("Fox", "animal").Utod = LITTERS[point]
    eco.step(steps)

    row = {"run": index, "replicate": replicate, "seed": seed, PARAMETER: LITTERS[point],
           "steps": steps}
    for plant in eco.plants:
        # Summed as the step sums it: 32 bits, single precision.
        mass = eco.individuals(plant)["Tomeg"].sum(dtype=np.int32)
        row[plant.display_name] = float(np.float32(mass))
    for animal in eco.animals:
        row[animal.display_name] = len(eco.individuals(animal))
    series = eco.series()
    for species in eco.plants + eco.animals:
        zeros = np.flatnonzero(series[species.display_name] == 0)
        row[species.display_name + " first 0"] = zeros[0] + 1 if len(zeros) else None
    for animal in eco.animals:
        doses = eco.individuals(animal)["PerDozis"]
        mean = doses.sum(dtype=np.int64) / len(doses) if len(doses) else 0.0
        row[animal.display_name + " per mean"] = float(np.float32(mean))
    row["final seed"] = eco.seed
    return row


def sweep(path, first_seed, steps):
    """The summary of all runs as a DataFrame, one row per run in run order."""
    runs = len(LITTERS) * REPLICATES
    with concurrent.futures.ProcessPoolExecutor(max_workers=os.cpu_count()) as pool:
        rows = pool.map(run, [path] * runs, range(runs), [first_seed] * runs, [steps] * runs)
        return pd.DataFrame(list(rows))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("file", nargs="?", default=MEADOW, help="a .okocfg or .okopill file")
    parser.add_argument("--steps", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=100)
    parser.add_argument("--csv", help="also write the summary there")
    args = parser.parse_args()

    summary = sweep(args.file, args.seed, args.steps)
    if args.csv:
        summary.to_csv(args.csv, index=False)
    print(summary.to_string(index=False))


if __name__ == "__main__":
    main()
