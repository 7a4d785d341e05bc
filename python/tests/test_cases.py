"""Case files read and written back, and cases made from keyword arguments."""

import pytest

import tarnvik
from conftest import EXAMPLES


@pytest.mark.parametrize("path", EXAMPLES, ids=lambda path: path.name)
def test_example_files_are_written_back_as_they_were_read(path, tmp_path):
    cases = tarnvik.read_cases(path)
    written = tmp_path / "cases.csv"
    tarnvik.write_cases(written, cases)
    assert written.read_bytes().decode().split("\r\n") == path.read_text().splitlines() + [""]
    assert [case.to_record() for case in cases] == path.read_text().splitlines()


def test_every_field_of_a_record_survives_a_round_trip(oracle_cases, tmp_path):
    # Titles with commas and quotation marks, selector texts that are not the mode texts,
    # captions that name no choice, numbers never filled.
    written = tmp_path / "cases.csv"
    tarnvik.write_cases(written, oracle_cases)
    assert tarnvik.read_cases(written) == oracle_cases


def test_a_case_from_its_own_arguments_is_the_same_case(oracle_cases):
    for case in oracle_cases:
        again = tarnvik.Case(**case.as_dict())
        assert again.as_dict() == case.as_dict()
        # Only the case read from a file can say which of its boxes were blank.
        ran, ran_again = tarnvik.calculate(case).as_dict(), tarnvik.calculate(again).as_dict()
        ran["warnings"] = [w for w in ran["warnings"] if w["kind"] != "blank"]
        assert ran_again == ran


def test_arguments_replace_those_of_the_case(typical):
    changed = tarnvik.Case(typical, bubble_point=2500, oil="Glaso", rock="", title="Sensitivity")
    assert (changed.gor, changed.bubble_point, changed.oil, changed.rock, changed.title) == (
        None, 2500.0, "Glaso", None, "Sensitivity")
    assert changed.to_record().startswith(
        '"Sensitivity","Bubble Point Pressure psia","Salinity % NaCl","Glaso : North Sea Crudes","Wet Gas","",')
    assert changed.api == typical.api and typical.oil == "Standing"
