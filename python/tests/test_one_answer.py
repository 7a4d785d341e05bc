"""One case, one answer: the module and tarnvik-calc agree on the same files, say what a
program needs (warnings, what pbx is, units) and never compute an input no reservoir has."""

import math

import numpy as np
import pandas as pd
import pytest

import tarnvik
from conftest import LAB, LAB_CASE, run_calc, same

FIELDS = [name for name, _, _ in tarnvik.FIELDS]
NINE = dict(api=35, gas_gravity=0.75, temperature=200, pressure=3000, gor=0.5, porosity=20, swc=25, salinity=3,
            wor=0.5)
# A Newman carbonate with a sour gas, a blank WOR box and nothing else odd.
EXTENDED = ('"Sour carbonate","GOR MCF/STB","Salinity % NaCl","Glaso : North Sea Crudes","Wet Gas","Newman",'
            "38,0.82,230,4200,0.9,18,22,6,\r\n"
            "@gas,1,4.5,12,1.5\r\n"
            '@formation,1,"Carbonates"\r\n')


def test_every_extension_line_gives_the_module_and_the_command_line_one_answer(case_with_everything):
    path, cases = case_with_everything
    lines = run_calc(path)
    assert len(lines) == len(cases) == 2
    for case, line in zip(cases, lines):
        result = tarnvik.calculate(case).as_dict()
        for key in FIELDS + ["message", "pbx_kind", "pbx_unit", "status", "warnings"]:
            assert same(result[key], line[key]), (line["case"], key, result[key], line[key])
    sour, tuned = cases
    # The formation type survives a save: Newman's carbonate cf, not a blank.
    assert sour.formation == "Carbonates" and tarnvik.calculate(sour).cf > 0
    assert {"input": "wor", "kind": "blank"}.items() <= tarnvik.calculate(sour).warnings[0].items()
    assert tuned.tuning is not None and lines[1]["tuning_parameters"]["family"] == tuned.tuning["family"]


@pytest.fixture
def case_with_everything(tmp_path):
    tuned = tarnvik.tune(tarnvik.read_cases(LAB_CASE)[0], LAB)
    (tmp_path / "sour.csv").write_bytes(EXTENDED.encode())
    sour = tarnvik.read_cases(tmp_path / "sour.csv")[0]
    path = tmp_path / "everything.csv"
    tarnvik.write_cases(path, [sour, tuned])
    return path, tarnvik.read_cases(path)


def test_warnings_name_the_input_or_quantity_they_are_about():
    rng = np.random.default_rng(20)
    count = 400
    inputs = dict(api=rng.uniform(10, 70, count), gas_gravity=rng.uniform(0.55, 1.4, count),
                  temperature=rng.uniform(60, 350, count), pressure=rng.uniform(100, 12000, count),
                  gor=rng.uniform(0, 3, count), porosity=rng.uniform(1, 40, count), swc=rng.uniform(5, 60, count),
                  salinity=rng.uniform(0, 25, count), wor=rng.uniform(0, 3, count))
    many = tarnvik.calculate(**inputs, rock="Hall")
    subjects = {name for pairs in many.diagnostics for kind, name in pairs if kind == "outside_data_range"}
    assert {"api", "temperature", "pressure", "gas_gravity"} <= subjects
    frame = many.to_frame()
    for i in rng.choice(count, 20, replace=False):
        one = tarnvik.calculate(**{name: values[i] for name, values in inputs.items()}, rock="Hall")
        assert many.warnings[i] == one.warnings == frame["warnings"][i]
        assert many.diagnostics[i] == one.diagnostics


@pytest.mark.parametrize("units, given, kind, unit, label", [
    ("field", "gor", "pb", "psia", "Bubble Point Pressure, psia"),
    ("metric", "gor", "pb", "bara", "Bubble Point Pressure, bara"),
    ("field", "bubble_point", "rsb", "MCF/STB", "     GOR MCF/STB"),
    ("metric", "bubble_point", "rsb", "sm3/sm3", "     GOR sm3/sm3"),
])
def test_what_pbx_holds_is_said_in_the_units_of_the_call(units, given, kind, unit, label):
    inputs = {key: value for key, value in NINE.items() if key != "gor"}
    inputs[given] = {"gor": 0.5 if units == "field" else 90, "bubble_point": 2500 if units == "field" else 170}[given]
    one = tarnvik.calculate(**inputs, units=units)
    assert (one.pbx_kind, one.pbx_unit, one.pbx_label) == (kind, unit, label)
    many = tarnvik.calculate(**dict(inputs, api=[35, 0]), units=units)
    assert list(many.pbx_kind) == [kind, None] and list(many.pbx_unit) == [unit, None]
    # No oil, no bubble point.
    assert tarnvik.calculate(**dict(inputs, api=0), units=units).pbx is None and math.isnan(many.pbx[1])


def test_every_function_takes_the_units_of_the_command_line(typical, tmp_path):
    metric = tarnvik.calculate(typical, units="metric")
    table = tarnvik.pressure_table(typical, [100, 200.5], units="metric")
    at = tarnvik.calculate(typical, pressure=[100, 200.5], units="metric")
    assert list(table.pressure) == [100, 200.5]
    assert all(np.array_equal(getattr(table, key), getattr(at, key), equal_nan=True) for key in FIELDS)
    spaced = tarnvik.pressure_table(typical, pmin=1, pmax=300, points=3, units="metric")
    assert list(spaced.pressure[[0, -1]]) == [1, 300]
    assert tarnvik.compare_oil(typical, units="metric").pbx[0] == metric.pbx
    report = tarnvik.export_eclipse(typical, tmp_path / "pvt.inc", units="metric")
    assert report["bubble_point"] == pytest.approx(metric.pbx, rel=1e-12)
    assert "bara" in " ".join(report["adjustments"]) and "psia" not in " ".join(report["adjustments"] +
                                                                                  report["notes"])
    assert "METRIC" in (tmp_path / "pvt.inc").read_text()
    metric_inputs = dict(NINE, temperature=90, pressure=200, gor=90)
    frame = tarnvik.calculate_frame(pd.DataFrame([metric_inputs]), units="metric")
    assert frame["pbx"][0] == tarnvik.calculate(**metric_inputs, units="metric").pbx > 0


def typical_file(case, tmp_path):
    path = tmp_path / "typical.csv"
    tarnvik.write_cases(path, [case])
    return path


def test_a_tuned_case_compares_its_tuned_and_published_family_as_the_command_line_does(tmp_path):
    plain = tarnvik.read_cases(LAB_CASE)[0]
    tuned = tarnvik.tune(plain, LAB, family="Glaso")
    comparison = tarnvik.compare_oil(tuned)
    assert len(comparison) == 10
    glaso = list(comparison.family).index("Glaso")
    assert list(comparison.family[glaso:glaso + 2]) == ["Glaso", "Glaso"]
    assert list(comparison.tuned[glaso:glaso + 2]) == [True, False]
    assert comparison.pbx[glaso] == tarnvik.calculate(tuned).pbx
    assert comparison.pbx[glaso + 1] == tarnvik.calculate(plain, oil="Glaso").pbx
    lines = run_calc("--compare-oil", typical_file(tuned, tmp_path))
    assert [line["family"] for line in lines][glaso:glaso + 2] == ["Glaso (tuned)", "Glaso"]
    assert [line["pbx"] for line in lines] == list(comparison.pbx)


def test_impossible_and_missing_inputs_are_never_computed(tmp_path):
    with pytest.raises(ValueError, match="^api: nan is not a finite number"):
        tarnvik.Case(**dict(NINE, api=float("nan")))
    with pytest.raises(ValueError, match="^pressure: inf is not a finite number"):
        tarnvik.calculate(**dict(NINE, pressure=1e400))
    with pytest.raises(ValueError, match=r"^porosity: Porosity 120 % is impossible \(above 100 %\)"):
        tarnvik.calculate(**dict(NINE, porosity=120))
    impossible = tarnvik.Case(**dict(NINE, gor=-0.5))
    for call in (tarnvik.calculate, tarnvik.compare_oil, tarnvik.pressure_table):
        with pytest.raises(ValueError, match="GOR at the bubble point -0.5 MCF/STB is impossible"):
            call(impossible)
    # Programs that read many cases get a status and the reason per element.
    many = tarnvik.calculate(**dict(NINE, gor=[0.5, -0.5, np.nan]))
    assert list(many.status) == [0, tarnvik.ZFactorStatus.INVALID_INPUT, tarnvik.ZFactorStatus.INVALID_INPUT]
    assert [w[0]["why"] for w in many.warnings[1:]] == ["below 0", "not a number"]
    assert np.isnan(many.so[1:]).all() and many.message[1] != ""


def test_frames_take_what_pandas_gives(typical):
    both = pd.DataFrame({**{k: [v] for k, v in NINE.items()}, "bubble_point": [np.nan]})
    assert len(tarnvik.calculate_frame(both.iloc[:0])) == 0
    nullable = pd.concat([both, both.assign(gor=np.nan, bubble_point=2500)], ignore_index=True)
    nullable["api"] = pd.array([35, None], dtype="Int64")
    frame = tarnvik.calculate_frame(nullable)
    assert list(frame["status"]) == [0, tarnvik.ZFactorStatus.INVALID_INPUT]
    assert frame["warnings"][1][0]["input"] == "api" and list(frame["pbx_kind"]) == ["pb", None]
    with pytest.raises(ValueError, match="column 'swc'"):
        tarnvik.calculate_frame(both.assign(swc="wet"))
    row = tarnvik.calculate_frame(both.iloc[0])
    assert row["bo"][0] == tarnvik.calculate(**NINE).bo
    assert tarnvik.calculate(**dict(NINE, api=pd.Series([35.0, 40.0]))).bo[0] == tarnvik.calculate(**NINE).bo


def test_a_title_that_is_not_utf8_reads_and_writes_back_byte_for_byte(tmp_path):
    record = ('"Caf\xe9 field","GOR MCF/STB","Salinity % NaCl","Standing : California Crudes","Wet Gas","",'
              "35,0.75,200,3000,0.5,20,25,3,0.5\r\n").encode("latin-1")
    (tmp_path / "latin.csv").write_bytes(record)
    (case,) = tarnvik.read_cases(tmp_path / "latin.csv")
    assert case.title == "Caf\udce9 field" and "Caf" in repr(case)
    tarnvik.write_cases(tmp_path / "again.csv", [case, tarnvik.Case(case, title=case.title)])
    assert (tmp_path / "again.csv").read_bytes() == record * 2


def test_tuning_again_fits_the_saved_family_as_the_command_line_does(tmp_path):
    glaso = tarnvik.tune(tarnvik.read_cases(LAB_CASE)[0], LAB, family="Glaso")
    path = typical_file(glaso, tmp_path)
    again = tarnvik.tune(tarnvik.read_cases(path)[0])
    assert again.oil == "Glaso"
    (line,) = run_calc("--tune", path)
    assert line["tuning_parameters"]["family"] == "Glaso" and line["pbx"] == tarnvik.calculate(again).pbx
