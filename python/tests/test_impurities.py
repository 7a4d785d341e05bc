"""Gases with CO2, H2S and N2: keyword arguments, arrays, Case and case files, and the same
numbers as the command line (which, like the C++ tests, holds them to the textbook's example)."""

import numpy as np
import pytest

import tarnvik
from conftest import run_calc

# T. Ahmed, Reservoir Engineering Handbook, Example 2-9: a gas of gravity 0.7 with 5 % CO2 and
# 10 % H2S at 3500 psia and 160 °F; z = 0.89 from the Standing-Katz chart, 11.98 lb/ft3.
SOUR = dict(api=0, gas_gravity=0.7, temperature=160, pressure=3500, gor=0, porosity=20, swc=25, salinity=3,
            wor=0.5, gas="dry")


def test_impurities_broadcast_as_arrays_and_zero_changes_nothing():
    many = tarnvik.calculate(**SOUR, co2=np.array([0.0, 5.0]), h2s=10, n2=[[0.0], [2.0]])
    assert many.z.shape == (2, 2)
    assert many.z[0, 1] == tarnvik.calculate(**SOUR, co2=5, h2s=10).z
    assert tarnvik.calculate(**SOUR, co2=0, h2s=0, n2=0).as_dict() == tarnvik.calculate(**SOUR).as_dict()


def test_a_case_carries_them_through_its_file_and_the_command_line(tmp_path):
    case = tarnvik.Case(**SOUR, co2=5, h2s=10, title="Sour")
    assert (case.co2, case.h2s, case.n2) == (5.0, 10.0, 0.0)
    assert tarnvik.Case(**case.as_dict()) == case
    path = tmp_path / "sour.csv"
    tarnvik.write_cases(path, [case])
    assert path.read_bytes().endswith(b"0,20,25,3,0.5\r\n@gas,1,5,10,0\r\n")
    again = tarnvik.read_cases(path)[0]
    assert again == case
    assert tarnvik.calculate(again).z == tarnvik.calculate(case).z
    assert run_calc(path)[0]["z"] == tarnvik.calculate(case).z

    with pytest.raises(ValueError, match="co2: a Case holds numbers"):
        tarnvik.Case(case, co2=[1, 2])
