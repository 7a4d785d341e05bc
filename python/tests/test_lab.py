"""Lab data and tuning: carried by a Case through case files, and used by every calculation
from the tuned case."""

import re

import pytest

import tarnvik
from conftest import LAB_CASE

MEASURED_BUBBLE_POINT = 2634.7

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
    ("lab value", "@lab,tarnvik-lab,1,field\r\n@lab,temperature,hot", 'line 3, column 2 (temperature): "hot"'),
    ("tuning family", "@tuning,1,Nobody,1,1,1,1,1", 'line 2: "Nobody" names no oil family'),
    ("tuning factor", "@tuning,1,Standing,1,1,1,1,0", 'line 2: the reference pressure "0" is not a number above 0'),
    ("unknown line", "@note,1", "line 2: a line of a case starting with @ is @lab or @tuning"),
]


@pytest.mark.parametrize("attached, message", [b[1:] for b in BAD_ATTACHED], ids=[b[0] for b in BAD_ATTACHED])
def test_lab_or_tuning_lines_that_do_not_read_follow_the_errors_policy(tmp_path, attached, message):
    record = LAB_CASE.read_text().strip()
    path = tmp_path / "cases.csv"
    path.write_text(f"{record}\r\n{attached}\r\n{record}\r\n", newline="")
    with pytest.raises(ValueError, match=re.escape(f"cases.csv: {message}")):
        tarnvik.read_cases(path)
    with pytest.warns(UserWarning, match=re.escape(message) + ".*the record on line 1; the record is skipped"):
        assert len(tarnvik.read_cases(path, errors="warn")) == 1
