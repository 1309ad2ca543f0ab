"""Species fields as attributes, checked and set as zelvaris-batch --set sets them."""

import pytest

import zelvaris
from segito import MEADOW, MEADOW_SNAPSHOT, batch, final_seed


def test_fields_read_as_the_files_hold_them():
    eco = zelvaris.open(MEADOW, seed=1)
    fox, rabbit, grass = eco.species("Fox"), eco.species("Rabbit"), eco.species("Grass")
    assert (fox.Nev, fox.PopulacioMeret, fox.NovenyUtkozes) == ("Fox", 40, [1])
    assert rabbit.NovenyPredak == [[1], [0]] and fox.AllatPredak == [[0], [1]]
    assert fox.Tkp is True and fox.DegHatas is False
    assert {"id", "Utod", "MozgasHossz", "AllatPredak"} <= set(dir(fox))
    assert "Novekmeny" in dir(grass) and "Novekmeny" not in dir(fox)


def test_bad_fields_and_values_change_nothing():
    eco = zelvaris.open(MEADOW, seed=1)
    fox = eco.species("Fox")
    before = {name: getattr(fox, name) for name in ["Utod", "Nev", "NovenyUtkozes", "AllatPredak"]}
    with pytest.raises(KeyError, match="Novekmeny"):
        fox.Novekmeny
    with pytest.raises(zelvaris.FieldError):
        fox.Novekmeny = 3
    assert not hasattr(fox, "Novekmeny") and getattr(fox, "Novekmeny", None) is None
    for bad in ["3", 3.5, None, True]:
        with pytest.raises(ValueError):
            fox.Utod = bad
    with pytest.raises(ValueError, match="beyond 32 bits"):
        fox.Utod = 2**31
    with pytest.raises(ValueError):
        fox.DegHatas = 2
    with pytest.raises(ValueError):
        fox.NovenyUtkozes = [-1]
    with pytest.raises(ValueError):
        fox.AllatPredak = [[0], []]
    with pytest.raises(ValueError):
        fox.Nev = "two\nlines"
    with pytest.raises(AttributeError):
        fox.id = 3
    assert {name: getattr(fox, name) for name in before} == before


@pytest.mark.parametrize("path", [MEADOW, MEADOW_SNAPSHOT])
def test_values_set_from_python_give_the_run_of_batch_set(tmp_path, path):
    (tmp_path / "batch").mkdir()
    (tmp_path / "python").mkdir()
    ran = batch("--seed", 21, "--steps", 40, "--set", "animal:Fox.Utod=6",
                "--set", "animal:Rabbit.NovenyPredak=0/1", "--set", "animal:Fox.MozgasHossz=60",
                "--set", "plant:Bramble.Novekmeny=9", "--set", "animal:Mouse.DegHatas=1",
                "--snapshot", tmp_path / "batch" / "run", path)
    eco = zelvaris.open(path, seed=21)
    eco.species("Fox").Utod = 6
    eco.species("Rabbit").NovenyPredak = [[0, 1]]
    eco.species("Fox").MozgasHossz = 60
    eco.species("Bramble").Novekmeny = 9
    eco.species("Mouse").DegHatas = True
    eco.step(40)
    assert eco.seed == final_seed(ran)
    eco.save_snapshot(tmp_path / "python" / "run")
    for name in ["run.okopill", "run.okodat"]:
        assert (tmp_path / "python" / name).read_bytes() == (tmp_path / "batch" / name).read_bytes()
