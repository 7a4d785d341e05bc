"""Lab data and tuning: carried by a Case through case files, ranked, tuned, and used by every
calculation from the tuned case."""

import re

import pytest

import tarnvik
from conftest import LAB, LAB_CASE, run_calc

MEASURED_BUBBLE_POINT = 2634.7
PROPERTIES = ["pb", "rs", "bo", "oil_viscosity", "oil_compressibility", "relative_volume", "z", "bg"]

# A case file as the window saves a case with lab data and tuning.
SAVED = (
    '"Tuned","GOR MCF/STB","Salinity % NaCl","Standing : California Crudes","Wet Gas","Hall",'
    "35.1,0.872,220,4000,0.854,20,25,3,0.5\r\n"
    "@lab,tarnvik-lab,1,field\r\n"
    "@lab,temperature,220\r\n"
    "@lab,bubble_point,2634.7\r\n"
    "@lab,gor,854\r\n"
    "@lab,pressure,rs,bo\r\n"
    "@lab,1614.7,544,1.445\r\n"
    "@lab,2634.7,854,1.6\r\n"
    "@tuning,1,Standing,1.0523,0.981,1.12,1.04,2634.7\r\n"
    '"Plain","GOR MCF/STB","Salinity % NaCl","Glaso : North Sea Crudes","Wet Gas","",'
    "35,0.75,200,3000,0.5,20,25,3,0.5\r\n"
)


@pytest.fixture
def case():
    return tarnvik.read_cases(LAB_CASE)[0]


def test_a_saved_case_file_with_lab_data_and_tuning_is_written_back_as_it_was(tmp_path):
    path = tmp_path / "saved.csv"
    path.write_bytes(SAVED.encode())
    tuned, plain = tarnvik.read_cases(path)
    assert tuned.tuning["family"] == "Standing" and tuned.tuning["bo_factor"] == 0.981
    assert tuned.lab.bubble_point == MEASURED_BUBBLE_POINT and len(tuned.lab.points) == 2
    assert plain.lab is None and plain.tuning is None
    # The saved tuning is in force: the run differs from the same record untuned.
    assert tarnvik.calculate(tuned).bo != tarnvik.calculate(tarnvik.Case(**tuned.as_dict())).bo
    written = tmp_path / "written.csv"
    tarnvik.write_cases(written, [tuned, plain])
    assert written.read_bytes() == SAVED.encode()


@pytest.mark.parametrize("family, name", [("Standing", "Standing"), ("Gla", "Glaso"), (None, None)])
def test_the_tuned_case_gives_the_measured_bubble_point_everywhere(case, family, name):
    tuned = tarnvik.tune(case, LAB, family=family)
    expected = name or tarnvik.rank_oil(case, LAB)[0]["family"]
    assert tuned.oil == tuned.tuning["family"] == expected
    assert tuned.lab == tarnvik.read_lab(LAB) and case.lab is None
    assert tuned.tuning["tuned"]["pb"]["error"] == pytest.approx(0, abs=1e-9)
    assert tuned.tuning["tuned"]["score"] <= tuned.tuning["untuned"]["score"]
    # The case is at the report's conditions (220 F, 0.854 MCF/STB, its API and gas gravity).
    assert tarnvik.calculate(tuned).pbx == pytest.approx(MEASURED_BUBBLE_POINT, rel=1e-12)
    assert tarnvik.calculate(case, oil=expected).pbx != pytest.approx(MEASURED_BUBBLE_POINT, rel=1e-3)
    table = tarnvik.pressure_table(tuned, [1000, 3000])
    assert list(table.pbx) == pytest.approx([MEASURED_BUBBLE_POINT] * 2, rel=1e-12)
    assert "tuned to lab data" in repr(tuned) and "tuned" not in repr(case)


def test_a_tuned_case_written_and_read_again_is_the_same_case(case, tmp_path):
    # That tarnvik-calc runs the saved tuning as the module does: test_one_answer.py.
    tuned = tarnvik.tune(case, LAB, family="Standing")
    path = tmp_path / "tuned.csv"
    tarnvik.write_cases(path, [tuned, case])
    again = tarnvik.read_cases(path)
    assert again == [tuned, case] and again[0] != case
    tarnvik.write_cases(tmp_path / "again.csv", again)
    assert (tmp_path / "again.csv").read_bytes() == path.read_bytes()
    assert b"\r\n@tuning,2,Standing," in path.read_bytes()



def test_rank_oil_gives_the_figures_of_tarnvik_calc(case):
    rows = tarnvik.rank_oil(case, tarnvik.read_lab(LAB))
    assert len(rows) == 9 and len({row["family"] for row in rows}) == 9
    assert [row["score"] for row in rows] == sorted(row["score"] for row in rows)
    assert tarnvik.rank_oil(tarnvik.tune(case, LAB)) == rows
    expected = run_calc("--lab", LAB, "--rank-oil", LAB_CASE)
    for row, line in zip(rows, expected, strict=True):
        assert [row[key] for key in ("rank", "family", "score", "data_range", "separator_adjusted")] == [
            line[key] for key in ("rank", "family", "score", "data_range", "separator_adjusted")]
        assert row["outside_data"] == line["outside_data"]
        assert all(row[name] == line[name] for name in PROPERTIES)
        assert row["ranked_score"] == line["ranked_score"]
        assert row["residuals"] == [dict(item, family=row["family"], tuned=False, unit=row["residuals"][i]["unit"])
                                    for i, item in enumerate(line["residuals"])]


def test_changes_keep_the_lab_data_and_another_family_turns_tuning_off(tmp_path):
    path = tmp_path / "saved.csv"
    path.write_bytes(SAVED.encode())
    tuned = tarnvik.read_cases(path)[0]
    moved = tarnvik.Case(tuned, pressure=3000, title="Lower")
    assert (moved.lab, moved.tuning) == (tuned.lab, tuned.tuning) and moved != tuned
    assert tarnvik.Case(tuned, oil="Standing").tuning == tuned.tuning
    other = tarnvik.Case(tuned, oil="Glaso")
    assert other.tuning is None and other.lab == tuned.lab
    assert tarnvik.calculate(other).as_dict() == tarnvik.calculate(tarnvik.Case(**other.as_dict())).as_dict()
    assert "lab" not in tuned.as_dict() and tarnvik.Case(**tuned.as_dict()).tuning is None


BAD_ATTACHED = [
    ("lab value", "@lab,tarnvik-lab,1,field\r\n@lab,temperature,hot", ':3: column 2 (temperature): "hot"'),
    ("tuning family", "@tuning,1,Nobody,1,1,1,1,1", ':2: "Nobody" names no oil family'),
    ("tuning factor", "@tuning,1,Standing,1,1,1,1,0", ':2: the reference pressure "0" is not a number above 0'),
    ("unknown line", "@note,1", ":2: a line of a case starting with @ is @lab, @tuning, @gas or @formation"),
]


@pytest.mark.parametrize("attached, message", [b[1:] for b in BAD_ATTACHED], ids=[b[0] for b in BAD_ATTACHED])
def test_lab_or_tuning_lines_that_do_not_read_follow_the_errors_policy(tmp_path, attached, message):
    record = LAB_CASE.read_text().strip()
    path = tmp_path / "cases.csv"
    path.write_text(f"{record}\r\n{attached}\r\n{record}\r\n", newline="")
    with pytest.raises(ValueError, match=re.escape(f"cases.csv{message}")):
        tarnvik.read_cases(path)
    with pytest.warns(UserWarning, match=re.escape(message) + ".*; the record is skipped"):
        assert len(tarnvik.read_cases(path, errors="warn")) == 1


def test_refusals_say_what_is_wrong(case, tmp_path):
    bad = tmp_path / "lab.csv"
    text = LAB.read_text()
    line = text[: text.index("2114.7,684,1.515")].count("\n") + 1
    bad.write_text(text.replace("2114.7,684,1.515", "2114.7,684,x"))
    with pytest.raises(ValueError, match=re.escape(f'lab.csv: line {line}, column 3 (bo): "x" is not a number')):
        tarnvik.read_lab(bad)
    with pytest.raises(ValueError, match="the case carries no lab data"):
        tarnvik.rank_oil(case)
    with pytest.raises(ValueError, match='family: "Foo" names no oil family'):
        tarnvik.tune(case, LAB, family="Foo")
    with pytest.raises(ValueError, match="lab: expected a lab file's path or a tarnvik.LabReport, got int"):
        tarnvik.tune(case, 3)
    with pytest.raises(FileNotFoundError):
        tarnvik.read_lab(tmp_path / "absent.csv")
