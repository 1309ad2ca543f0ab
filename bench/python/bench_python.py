"""bench-python: the module's step() against zelvaris-batch on the same run.

    python3 bench/python/bench_python.py BATCH FILE [STEPS] [ROUNDS]

Both make STEPS steps of FILE from the same seed, in interleaved rounds; the
best round of each counts. The batch tool's step time is its whole run less a
run of 0 steps (start-up and load); the module's is the time inside step().
Prints "name: value unit" lines.
"""

import subprocess
import sys
import time

import zelvaris


def batch_seconds(batch, path, steps):
    start = time.perf_counter()
    subprocess.run([batch, "--seed", "7", "--steps", str(steps), path], check=True,
                   stderr=subprocess.DEVNULL)
    return time.perf_counter() - start


def python_seconds(path, steps):
    eco = zelvaris.open(path, seed=7)
    start = time.perf_counter()
    eco.step(steps)
    return time.perf_counter() - start, eco.seed


def main():
    batch, path = sys.argv[1], sys.argv[2]
    steps = int(sys.argv[3]) if len(sys.argv) > 3 else 1000
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    batch_best = python_best = float("inf")
    for _ in range(rounds):
        batch_best = min(batch_best, batch_seconds(batch, path, steps) - batch_seconds(batch, path, 0))
        seconds, _ = python_seconds(path, steps)
        python_best = min(python_best, seconds)
    print(f"steps: {steps} steps")
    print(f"batch-step-time: {batch_best:.3f} s")
    print(f"python-step-time: {python_best:.3f} s")
    print(f"python-steps-per-second: {steps / python_best:.1f} steps/s")
    print(f"python-vs-batch: {100.0 * (python_best / batch_best - 1.0):+.1f} %")


if __name__ == "__main__":
    main()
