"""Bad files, names and values raise clear errors and change nothing."""

import os
import signal
import subprocess
import sys
import textwrap
import threading

import pytest

import zelvaris
from segito import MEADOW, MEADOW_SNAPSHOT, batch


def meadow_lines():
    return MEADOW.read_bytes().decode("cp1250").split("\r\n")


def write(path, lines):
    path.write_bytes("\r\n".join(lines).encode("cp1250"))
    return path


def test_files_that_cannot_be_loaded(tmp_path):
    with pytest.raises(zelvaris.FileError) as missing:
        zelvaris.open(tmp_path / "none.okocfg", seed=1)
    assert isinstance(missing.value, OSError)
    assert "none.okocfg" in str(missing.value)

    lines = meadow_lines()
    lines[2] = "x2"
    bad = write(tmp_path / "bad.okocfg", lines)
    with pytest.raises(zelvaris.FileError) as malformed:
        zelvaris.open(bad, seed=1)
    # The same message as the batch tool's.
    assert str(malformed.value) == batch(bad, check=False).stderr.splitlines()[-1]
    assert (malformed.value.path, malformed.value.line) == (str(bad), 3)

    with pytest.raises(zelvaris.FileError, match="not a configuration"):
        zelvaris.open(MEADOW.with_suffix(".OKOCFG"), seed=1)
    # A snapshot without its data file.
    (tmp_path / "alone.okopill").write_bytes(MEADOW_SNAPSHOT.read_bytes())
    with pytest.raises(zelvaris.FileError, match="okodat"):
        zelvaris.open(tmp_path / "alone.okopill", seed=1)


def test_world_too_large_for_memory(tmp_path):
    lines = meadow_lines()
    lines[1] = "2000000000"
    huge = write(tmp_path / "huge.okocfg", lines)
    with pytest.raises(MemoryError, match="huge.okocfg: .*2000000000"):
        zelvaris.open(huge, seed=1)


def test_start_populations_that_do_not_fit_are_a_warning(tmp_path):
    lines = meadow_lines()
    lines[1] = "50"
    small = write(tmp_path / "small.okocfg", lines)
    with pytest.warns(UserWarning, match=r"small.okocfg: Grass \(0\): only 2500 of the 8000"):
        eco = zelvaris.open(small, seed=1)
    assert len(eco.individuals("Grass")) == 2500


def test_arrays_too_large_for_memory(tmp_path):
    # One empty plant species on a side of 20,000: the address space left after
    # the grid is built holds the occupancy array (400 MB) but not the map image
    # (1.2 GB).
    lines = meadow_lines()
    world = write(tmp_path / "wide.okocfg",
                  ["4.6", "20000", "1"] + lines[3:5] + ["0"] + lines[6:20] + ["0", "", "0"])
    script = textwrap.dedent(f"""
        import resource
        import zelvaris
        eco = zelvaris.open({str(world)!r}, seed=1)
        with open("/proc/self/status") as status:
            used = next(int(l.split()[1]) * 1024 for l in status if l.startswith("VmSize:"))
        limit = used + 800_000_000
        resource.setrlimit(resource.RLIMIT_AS, (limit, limit))
        try:
            eco.map_image()
        except MemoryError:
            print("map: MemoryError")
        print("occupied:", eco.occupancy("Grass").sum(), eco.side)
    """)
    env = dict(os.environ, OPENBLAS_NUM_THREADS="1")
    run = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, env=env)
    assert run.returncode == 0, run.stderr
    assert run.stdout.splitlines() == ["map: MemoryError", "occupied: 0 20000"]


def test_bad_names_and_values_change_nothing():
    eco = zelvaris.open(MEADOW, seed=5)
    seed = eco.seed
    with pytest.raises(KeyError, match="Wolf"):
        eco.individuals("Wolf")
    with pytest.raises(KeyError, match="kind='plant' or kind='animal'"):
        eco.species(0)
    assert eco.species(0, kind="animal").display_name == "Rabbit (0)"
    assert eco.species("Fox (2)") == eco.species(2, "animal") == eco.animals[2]
    with pytest.raises(KeyError):
        eco.species(2, "plant")
    with pytest.raises(KeyError, match="animal"):
        eco.age_pyramid("Grass")
    with pytest.raises(ValueError):
        eco.species("Fox", kind="fish")
    with pytest.raises(ValueError):
        eco.spray("sticky")
    with pytest.raises(ValueError):
        eco.step(-1)
    with pytest.raises(ValueError):
        eco.seed = 2**32
    with pytest.raises(ValueError):
        zelvaris.open(MEADOW, seed=-1)
    with pytest.raises(zelvaris.FileError):
        eco.save_snapshot("/nonexistent-folder/x")
    assert (eco.seed, eco.time) == (seed, 0)


def test_ctrl_c_stops_between_steps():
    eco = zelvaris.open(MEADOW, seed=9)
    # The timer thread needs the GIL to send the signal: step() must release it.
    threading.Timer(0.5, os.kill, (os.getpid(), signal.SIGINT)).start()
    with pytest.raises(KeyboardInterrupt):
        eco.step(10**9)
    done = eco.time
    assert 0 < done < 10**9
    eco.step(20)
    whole = zelvaris.open(MEADOW, seed=9)
    whole.step(done + 20)
    assert eco.seed == whole.seed


def test_other_threads_wait_for_a_running_step():
    eco = zelvaris.open(MEADOW, seed=2)
    stepper = threading.Thread(target=eco.step, args=(150,))
    stepper.start()
    refused = False
    while stepper.is_alive():
        try:
            eco.map_image()
        except RuntimeError:
            refused = True
    stepper.join()
    assert refused and eco.time == 150
