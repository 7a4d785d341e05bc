"""calculate() over one case and over arrays, against the real tarnvik-calc."""

import collections

import numpy as np
import pytest

import tarnvik
from conftest import ORACLE, run_calc, same

FIELDS = [name for name, _, _ in tarnvik.FIELDS]
FORMATIONS = ["", "Consolidated Sands", "Friable Sands", "Unconsolidated Sands", "Carbonates"]


def check_line(values, line, case_number):
    """One run (a dict of field values, message and out_of_range) against a JSON line."""
    for key in FIELDS + ["message", "pbx_kind"]:
        assert same(values[key], line[key]), (case_number, key, values[key], line[key])
    assert list(values["out_of_range"]) == line["out_of_range"], case_number
    assert values["warnings"] == line["warnings"], case_number


@pytest.mark.parametrize("formation", FORMATIONS)
def test_scalar_calls_agree_with_the_command_line(oracle_cases, formation):
    lines = run_calc("--formation", formation, ORACLE)
    assert len(lines) == len(oracle_cases)
    for case, line in zip(oracle_cases, lines):
        result = tarnvik.calculate(case, formation=formation).as_dict()
        assert result["pbx_label"] == line["pbx_label"]
        check_line(result, line, line["case"])


@pytest.mark.parametrize("formation", ["", "Carbonates"])
def test_array_calls_agree_with_the_command_line(oracle_cases, formation):
    """All cases that share modes and correlations in one call, each input an array."""
    lines = run_calc("--formation", formation, ORACLE)
    groups = collections.defaultdict(list)
    for index, case in enumerate(oracle_cases):
        arguments = case.as_dict()
        numbers = tuple(key for key, value in arguments.items() if isinstance(value, float))
        groups[(numbers, arguments["oil"], arguments["gas"], arguments["rock"])].append(index)
    assert len(groups) > 1
    for (numbers, oil, gas, rock), indices in groups.items():
        inputs = {key: np.array([oracle_cases[i].as_dict()[key] for i in indices]) for key in numbers}
        result = tarnvik.calculate(**inputs, oil=oil, gas=gas, rock=rock or "", formation=formation)
        for position, index in enumerate(indices):
            values = {key: getattr(result, key)[position] for key in FIELDS}
            values["message"] = result.message[position]
            values["out_of_range"] = result.out_of_range[position]
            values["pbx_kind"] = result.pbx_kind[position]
            values["warnings"] = result.warnings[position]
            # Numbers taken out of the cases no longer know which boxes of the file were blank.
            line = dict(lines[index], warnings=[w for w in lines[index]["warnings"] if w["kind"] != "blank"])
            check_line(values, line, line["case"])


@pytest.mark.parametrize("record, status", [
    (73, tarnvik.ZFactorStatus.TPR_BELOW_1),
    (74, tarnvik.ZFactorStatus.PPR_ABOVE_20_5),
    (75, tarnvik.ZFactorStatus.NO_CONVERGENCE),
])
def test_a_z_factor_failure_leaves_no_values_and_says_which(oracle_cases, record, status):
    case = oracle_cases[record - 1]
    one = tarnvik.calculate(case)
    assert one.status is status and one.message == status.message != ""
    assert all(getattr(one, key) is None for key in FIELDS)
    many = tarnvik.calculate(case, wor=[0.5, 0.5])
    assert list(many.status) == [status, status] and list(many.message) == [status.message] * 2
    assert all(np.isnan(getattr(many, key)).all() for key in FIELDS)


def test_diagnostics_name_what_the_values_lack(oracle_cases):
    # Record 63: water specific gravity 0.98, a negative salinity; record 76: z refused at
    # p + 5 psia only, so the gas compressibility is one-sided and every value is given.
    negative_salinity, one_sided = oracle_cases[62], oracle_cases[75]
    result = tarnvik.calculate(negative_salinity)
    assert ("not_finite", "water_viscosity") in result.diagnostics
    assert result.water_viscosity is None and "water_viscosity" in result.out_of_range
    assert tarnvik.calculate(one_sided).out_of_range == ()
    many = tarnvik.calculate(negative_salinity, pressure=[2000, 3000])
    # The values lacking are the same at both pressures; data-range warnings may differ.
    lacking = lambda diagnostics: [d for d in diagnostics if d[0] in ("not_finite", "not_computed")]
    assert [lacking(d) for d in many.diagnostics] == [lacking(result.diagnostics)] * 2


def test_metric_units_convert_inputs_and_results():
    # 3000 psia = 206.8427 bara, 200 °F = 93.33 °C, 0.5 MCF/STB = 89.05 sm3/sm3.
    typical = dict(api=35, gas_gravity=0.75, temperature=200, pressure=3000, gor=0.5, porosity=20, swc=25,
                   salinity=3, wor=0.5, rock="Hall")
    field = tarnvik.calculate(**typical)
    in_metric = dict(typical, pressure=3000 * 0.0689475729317, temperature=(200 - 32) / 1.8, gor=0.5 * 178.107606679)
    metric = tarnvik.calculate(**in_metric, units="metric")
    assert metric.pbx == pytest.approx(field.pbx * 0.0689475729317, rel=1e-9)
    assert metric.rs == pytest.approx(field.rs * 178.107606679, rel=1e-9)
    assert metric.oil_density == pytest.approx(field.oil_density * 16.0184633740, rel=1e-9)
    assert metric.bo == pytest.approx(field.bo, rel=1e-9)
    many = tarnvik.calculate(**dict(in_metric, pressure=[206.8427, 206.8427]), units="metric")
    assert many.pbx[0] == pytest.approx(metric.pbx, rel=1e-6)
    with pytest.raises(ValueError, match="units"):
        tarnvik.calculate(**typical, units="imperial")
