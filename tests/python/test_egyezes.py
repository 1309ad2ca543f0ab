"""The module gives zelvaris-batch's results bit for bit."""

import numpy as np
import pandas as pd
import pytest

import zelvaris
from segito import MEADOW, MEADOW_SNAPSHOT, MEADOW_SPRAYS, batch, data_records, final_seed


@pytest.mark.parametrize("path, seed, steps", [(MEADOW, 7, 150), (MEADOW_SNAPSHOT, 11, 60)])
def test_run_equals_batch(tmp_path, path, seed, steps):
    (tmp_path / "batch").mkdir()
    (tmp_path / "python").mkdir()
    ran = batch("--seed", seed, "--steps", steps, "--snapshot", tmp_path / "batch" / "run",
                "--series", tmp_path / "batch.csv", path)
    eco = zelvaris.open(path, seed=seed)
    assert eco.start_seed == seed
    eco.step(steps)
    assert eco.time == steps
    assert eco.seed == final_seed(ran)
    assert eco.save_snapshot(tmp_path / "python" / "run") == tmp_path / "python" / "run.okopill"
    for name in ["run.okopill", "run.okodat"]:
        assert (tmp_path / "python" / name).read_bytes() == (tmp_path / "batch" / name).read_bytes()

    series = eco.series()
    assert all(series[name].dtype == np.float32 for name in list(series)[1:])
    assert_columns_equal(series, pd.read_csv(tmp_path / "batch.csv"))
    assert eco.series_frame().equals(pd.DataFrame(series))


def assert_columns_equal(arrays, csv):
    assert list(arrays) == list(csv.columns)
    for name in arrays:
        assert np.array_equal(arrays[name], csv[name].to_numpy(dtype=arrays[name].dtype)), name


def test_sprays_and_doses_equal_batch(tmp_path):
    ran = batch("--seed", 13, "--steps", 40, "--spray", "11:persistent", "--spray", "21:degradable",
                "--doses", tmp_path / "doses.csv", MEADOW_SPRAYS)
    eco = zelvaris.open(MEADOW_SPRAYS, seed=13)
    eco.step(10)
    eco.spray("persistent")
    eco.step(10)
    eco.spray("degradable")
    eco.step(20)
    assert eco.seed == final_seed(ran)
    doses = eco.doses()
    assert doses["Rabbit (0) per max"].max() > 0
    assert_columns_equal(doses, pd.read_csv(tmp_path / "doses.csv"))


def test_individuals_are_the_snapshot_records(tmp_path):
    eco = zelvaris.open(MEADOW, seed=3)
    eco.step(40)
    eco.save_snapshot(tmp_path / "s.okopill")
    records = data_records(tmp_path / "s.okodat", eco)
    for species, stored in zip(eco.plants + eco.animals, records):
        rows = eco.individuals(species)
        fields = [f for f in rows.dtype.names if species.kind == "plant" or f != "Tomeg"]
        assert len(rows) > 0
        assert np.array_equal(np.column_stack([rows[f] for f in fields]), stored), species


def test_clock_seed_and_saved_configuration(tmp_path):
    clocked = zelvaris.open(MEADOW)
    again = zelvaris.open(MEADOW, seed=clocked.start_seed)
    assert clocked.seed == again.seed
    saved = again.save_configuration(tmp_path / "copy")
    assert saved == tmp_path / "copy.okocfg"
    copy = zelvaris.open(saved, seed=clocked.start_seed)
    for species in clocked.animals + clocked.plants:
        assert np.array_equal(clocked.individuals(species.display_name, species.kind),
                              copy.individuals(species.display_name, species.kind))
