"""Every refusal is a ValueError (or OSError, ExportError) that says what is wrong; no input
crashes the interpreter."""

import re

import numpy as np
import pytest

import tarnvik
from conftest import ORACLE, ORACLE_MALFORMED_LINE

NINE = dict(api=35, gas_gravity=0.75, temperature=200, pressure=3000, gor=0.5, porosity=20, swc=25, salinity=3,
            wor=0.5)

REFUSED = [
    ("unknown oil family", lambda c: tarnvik.calculate(c, oil="Foo"), 'oil: "Foo" names no oil family'),
    ("oil family not a text", lambda c: tarnvik.calculate(c, oil=3), "oil: expected a text, got int"),
    ("unknown gas", lambda c: tarnvik.calculate(c, gas="moist"), 'gas: "moist" is neither "wet" nor "dry"'),
    ("rock in other letter case", lambda c: tarnvik.calculate(c, rock="hall"), 'rock: "hall" names no rock'),
    ("unknown formation", lambda c: tarnvik.calculate(c, formation="Sand"), 'formation: "Sand" names no formation'),
    ("missing inputs", lambda c: tarnvik.calculate(api=35, gor=0.5),
     "missing input: gas_gravity, temperature, pressure, porosity, swc, salinity or water_gravity, wor"),
    ("both gor and bubble point", lambda c: tarnvik.calculate(c, gor=0.5, bubble_point=2000),
     "give either gor or bubble_point, not both"),
    ("both salinity and water gravity", lambda c: tarnvik.calculate(**NINE, water_gravity=1.02),
     "give either salinity or water_gravity, not both"),
    ("text for a number", lambda c: tarnvik.calculate(c, api="35"), "api: expected a number, got the text '35'"),
    ("huge integer", lambda c: tarnvik.calculate(c, wor=10**400), "wor: cannot read 1000"),
    ("array of texts", lambda c: tarnvik.calculate(c, swc=["a"]), "swc: cannot read as numbers"),
    ("arrays that do not broadcast", lambda c: tarnvik.calculate(c, pressure=[1, 2, 3], temperature=[1, 2]),
     "temperature of shape (2,) and pressure of shape (3,) do not broadcast together"),
    ("not a case", lambda c: tarnvik.calculate(dict(NINE)), "case: expected a tarnvik.Case, got dict"),
    ("array in a case", lambda c: tarnvik.Case(c, pressure=[1, 2]), "pressure: a Case holds numbers, not arrays"),
    ("negative count", lambda c: tarnvik.pressure_table(c, points=-1), "from 2 to 2000, not -1"),
    ("count beyond any integer", lambda c: tarnvik.pressure_table(c, points=10**30), "from 2 to 2000"),
    ("fractional count", lambda c: tarnvik.pressure_table(c, points=2.5), "points: expected a whole number"),
    ("pressures and a range", lambda c: tarnvik.pressure_table(c, [1000], pmax=9),
     "give pressures, or pmin, pmax and points, not both"),
    ("one pressure for a table", lambda c: tarnvik.pressure_table(c, 3000), "pressures: expected a sequence"),
    ("unknown error handling", lambda c: tarnvik.read_cases(ORACLE, errors="ignore"), "errors: 'ignore' is neither"),
    ("malformed record", lambda c: tarnvik.read_cases(ORACLE),
     f':{ORACLE_MALFORMED_LINE}: field 12 (porosity): "12abc" is not a number'),
    ("writing what is not a case", lambda c: tarnvik.write_cases("unwritten.csv", [c, 1]),
     "cases[1]: expected a tarnvik.Case, got int"),
    ("path not a path", lambda c: tarnvik.read_cases(3.5), "path: expected a file path"),
    ("strict not a truth value", lambda c: tarnvik.export_eclipse(c, "unwritten.inc", strict="yes"),
     "strict: expected True or False"),
]


@pytest.mark.parametrize("call, message", [r[1:] for r in REFUSED], ids=[r[0] for r in REFUSED])
def test_bad_arguments_raise_value_error(typical, call, message):
    with pytest.raises(ValueError, match=re.escape(message)):
        call(typical)


def test_files_that_cannot_be_read_or_written(typical, tmp_path):
    with pytest.raises(FileNotFoundError):
        tarnvik.read_cases(tmp_path / "absent.csv")
    with pytest.raises(OSError, match="not written"):
        tarnvik.write_cases(tmp_path / "absent" / "cases.csv", [typical])
    (tmp_path / "pvt.inc").write_text("earlier")
    with pytest.raises(tarnvik.ExportError, match="the same file") as refused:
        tarnvik.export_eclipse(typical, tmp_path / "pvt.inc", tmp_path / "pvt.inc")
    assert not refused.value.tables_written and (tmp_path / "pvt.inc").read_text() == "earlier"


ODD_VALUES = [0, -1, np.nan, np.inf, -np.inf, 1e308, -1e308, 5e-324]
# What no reservoir has: refused for one case, an INVALID_INPUT element of an array call.
IMPOSSIBLE = {-1, -np.inf, -1e308, np.inf}
PERCENT = {"porosity", "swc"}


@pytest.mark.parametrize("name", list(NINE))
def test_odd_numbers_give_a_result_or_a_refusal_in_every_input(name):
    for value in ODD_VALUES:
        impossible = (value in IMPOSSIBLE or np.isnan(value) or (name in PERCENT and value > 100)) and not (
            name == "temperature" and value == -1)
        many = tarnvik.calculate(**{**NINE, name: [value, value]})
        if impossible:
            with pytest.raises(ValueError, match=f"^{name}: "):
                tarnvik.calculate(**{**NINE, name: value})
            assert many.status[0] == tarnvik.ZFactorStatus.INVALID_INPUT
            assert np.isnan(many.bo[0]) and np.isnan(many.pbx[0])
            (said,) = many.warnings[0]
            assert said["input"] == name and said["kind"] == "impossible" and said["why"]
            continue
        one = tarnvik.calculate(**{**NINE, name: value})
        assert int(many.status[0]) == one.status
        assert one.out_of_range == many.out_of_range[0]
        assert one.warnings == many.warnings[0]
