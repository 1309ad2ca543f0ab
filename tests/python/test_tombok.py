"""Maps, occupancy, age pyramids and sprays read from a running world."""

import os
import subprocess

import numpy as np
import pytest

import zelvaris
from segito import MEADOW, MEADOW_SPRAYS


@pytest.mark.skipif("ZELVARIS_TERKEP_PNG" not in os.environ, reason="built without Qt")
def test_map_image_equals_the_window_programs_png_export(tmp_path):
    from matplotlib.image import imread
    subprocess.run([os.environ["ZELVARIS_TERKEP_PNG"], MEADOW, "4", "100", tmp_path / "map.png"],
                   check=True)
    exported = (imread(tmp_path / "map.png")[:, :, :3] * 255).round().astype(np.uint8)
    eco = zelvaris.open(MEADOW, seed=4)
    eco.step(100)
    image = eco.map_image()
    assert image.shape == (300, 300, 3) and image.dtype == np.uint8
    assert np.array_equal(image, exported)
    # Drawing the map draws no random number.
    assert np.array_equal(eco.map_image(), image)
    twin = zelvaris.open(MEADOW, seed=4)
    twin.step(100)
    assert twin.seed == eco.seed


def test_occupancy_and_age_pyramid_match_the_individuals():
    eco = zelvaris.open(MEADOW, seed=6)
    assert eco.age_pyramid("Rabbit").shape == (0, 2)
    eco.step(30)
    for species in eco.animals + eco.plants:
        rows = eco.individuals(species)
        where = np.zeros((eco.side, eco.side), bool)
        where[rows["Sor"], rows["Oszlop"]] = True
        assert np.array_equal(eco.occupancy(species), where), species
    for species in eco.animals:
        rows = eco.individuals(species)
        pyramid = eco.age_pyramid(species)
        ages = np.bincount(rows["Eletkor"] - 1, minlength=len(pyramid))
        assert np.array_equal(pyramid.sum(axis=1), ages)
        # Animals of undecided sex are counted on a side drawn at random.
        for column, sex in [(0, 1), (1, 2)]:
            decided = np.bincount(rows["Eletkor"][rows["Nem"] == sex] - 1, minlength=len(pyramid))
            assert (pyramid[:, column] >= decided).all(), species


def snapshot_flags(eco, path):
    lines = eco.save_snapshot(path).read_bytes().split(b"\r\n")
    return [int(x) for x in lines[2:5]]


def test_sprays_clean_and_heal(tmp_path):
    eco = zelvaris.open(MEADOW_SPRAYS, seed=8)
    eco.spray("persistent")
    assert snapshot_flags(eco, tmp_path / "a") == [1, 0, 1]
    eco.spray("degradable")
    assert snapshot_flags(eco, tmp_path / "b") == [1, 1, 1]
    eco.step(10)
    rabbits = eco.individuals("Rabbit")
    assert rabbits["PerDozis"].max() > 0 and rabbits["DegDozis"].max() == 0
    eco.clean()
    assert snapshot_flags(eco, tmp_path / "c") == [0, 0, 0]
    eco.heal()
    for species in eco.animals:
        rows = eco.individuals(species)
        assert not rows["PerDozis"].any() and not rows["DegDozis"].any()
