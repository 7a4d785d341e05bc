"""Shared fixtures: the repository's case files and runs of the real tarnvik-calc.

The test command sets TARNVIK_CALC (the built program), TARNVIK_SOURCE_DIR and PYTHONPATH
(the module as installed).
"""

import json
import os
import pathlib
import subprocess

import pytest

import tarnvik

SOURCE = pathlib.Path(os.environ.get("TARNVIK_SOURCE_DIR", pathlib.Path(__file__).resolve().parents[2]))
EXAMPLES = sorted((SOURCE / "examples").glob("*.csv"))
TYPICAL = SOURCE / "examples" / "typical-oil.csv"
# 85 records over every family, mode and failure; record 80 is malformed (a letter in a number).
ORACLE = SOURCE / "tests" / "data" / "oracle-cases.csv"
ORACLE_MALFORMED_LINE = 80
# A laboratory report (differential liberation at 220 F, bubble point 2634.7 psia at
# 854 SCF/STB) and a case of the same oil without lab data.
LAB = SOURCE / "examples" / "lab" / "good-oil-220F.csv"
LAB_CASE = SOURCE / "examples" / "lab" / "good-oil-case.csv"


def run_calc(*arguments):
    """The JSON lines tarnvik-calc writes for the arguments."""
    program = os.environ.get("TARNVIK_CALC")
    if not program:
        pytest.skip("TARNVIK_CALC names no tarnvik-calc program")
    done = subprocess.run([program, "--format", "json", *map(str, arguments)], capture_output=True, text=True)
    return [json.loads(line) for line in done.stdout.splitlines()]


@pytest.fixture(scope="session")
def oracle_cases():
    with pytest.warns(UserWarning, match=f":{ORACLE_MALFORMED_LINE}: "):
        return tarnvik.read_cases(ORACLE, errors="warn")


@pytest.fixture(scope="session")
def typical():
    return tarnvik.read_cases(TYPICAL)[0]


def same(value, expected):
    """A value of a result against one of a JSON line: None/NaN for null, else exactly equal."""
    if expected is None:
        return value is None or value != value
    return value == expected
