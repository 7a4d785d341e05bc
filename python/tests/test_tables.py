"""pressure_table, compare_oil and export_eclipse against the real tarnvik-calc."""

import numpy as np
import pytest

import tarnvik
from conftest import TYPICAL, run_calc, same

FIELDS = [name for name, _, _ in tarnvik.FIELDS]


def check_rows(result, lines, keys):
    assert len(result) == len(lines)
    for i, line in enumerate(lines):
        for key in keys:
            assert getattr(result, key)[i] == line[key], (i, key)
        assert result.message[i] == line["message"]
        assert list(result.out_of_range[i]) == line["out_of_range"]
        assert result.warnings[i] == line["warnings"], i
        for key in result.columns:
            assert same(getattr(result, key)[i], line[key]), (i, key)


@pytest.mark.parametrize("options", [{}, dict(pmin=500, pmax=6000, points=7)])
def test_pressure_tables_agree_with_the_command_line(typical, options):
    table = tarnvik.pressure_table(typical, **options)
    arguments = [f"--{key}={value}" for key, value in options.items()]
    lines = [line for line in run_calc("--table", *arguments, TYPICAL) if line["case"] == 1]
    check_rows(table, lines, ["pressure", "note"])
    # The same pressures given one by one make the same rows.
    again = tarnvik.pressure_table(typical, table.pressure)
    assert all(np.array_equal(getattr(again, key), getattr(table, key), equal_nan=True) for key in FIELDS)


def test_oil_families_compared_agree_with_the_command_line(typical):
    comparison = tarnvik.compare_oil(typical)
    assert comparison.columns == ("pbx", "rs", "bo", "oil_viscosity", "co", "oil_density")
    lines = [line for line in run_calc("--compare-oil", TYPICAL) if line["case"] == 1]
    check_rows(comparison, lines, ["family"])


def test_the_export_writes_what_the_command_line_writes(typical, tmp_path):
    one_case = tmp_path / "one.csv"
    one_case.write_text(typical.to_record() + "\r\n")
    run_calc("--export-eclipse", tmp_path / "calc.inc", "--deck", tmp_path / "CALC.DATA", one_case)
    report = tarnvik.export_eclipse(typical, tmp_path / "module.inc", deck=tmp_path / "MODULE.DATA")
    assert (tmp_path / "module.inc").read_text() == (tmp_path / "calc.inc").read_text()
    assert (tmp_path / "MODULE.DATA").read_text() == (tmp_path / "CALC.DATA").read_text().replace("calc.inc",
                                                                                                  "module.inc")
    assert report["keywords"] == ["PVTO", "PVDG", "PVTW", "ROCK", "DENSITY"] and not report["dead_oil"]
    assert report["adjustments"] and report["bubble_point"] == tarnvik.calculate(typical).pbx
