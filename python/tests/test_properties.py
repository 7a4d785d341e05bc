"""tarnvik.properties: each property alone equals calculate's value for it."""

import numpy as np
import pytest

import tarnvik
from tarnvik import properties

FAMILIES = ("Standing", "Vazquez/Beggs", "Glaso", "Al-Marhoun", "Petrosky/Farshad", "Dokla/Osman", "Farshad",
            "Obomanu/Okpobiri", "Kartoatmodjo/Schmidt")
COUNT = 3_000


def cases(seed, mode):
    """Random cases in field units over and beyond the correlations' ranges; `mode` names
    the fifth input (gor or bubble_point)."""
    rng = np.random.default_rng(seed)
    inputs = dict(api=rng.uniform(12, 58, COUNT), gas_gravity=rng.uniform(0.55, 1.4, COUNT),
                  temperature=rng.uniform(60, 320, COUNT), pressure=rng.uniform(15, 9000, COUNT),
                  porosity=rng.uniform(0, 35, COUNT), swc=rng.uniform(5, 60, COUNT),
                  salinity=rng.uniform(0, 25, COUNT), wor=rng.uniform(0, 3, COUNT))
    inputs[mode] = rng.uniform(0, 2.5, COUNT) if mode == "gor" else rng.uniform(100, 7000, COUNT)
    if mode == "gor":
        inputs["gor"][::50] = 0  # dead oils
    return inputs


def to_metric(inputs):
    out = dict(inputs, temperature=(inputs["temperature"] - 32) / 1.8)
    for name in ("pressure", "bubble_point"):
        if name in out:
            out[name] = out[name] * 0.0689475729
    if "gor" in out:
        out["gor"] = out["gor"] * 178.1076
    return out


def assert_same_where_calculated(value, expected, name):
    """calculate's value wherever it gives one; NaN from both where neither could."""
    given = ~np.isnan(expected)
    assert np.count_nonzero(given) > COUNT // 3, f"{name}: too few values to compare"
    np.testing.assert_array_equal(value[given], expected[given], err_msg=name)


def assert_each_equals_calculate(names, got, run, *args, **kwargs):
    """Each property of `got` is calculate's, and each function alone gives it too."""
    for name in names:
        assert_same_where_calculated(got[name], getattr(run, name), name)
        np.testing.assert_array_equal(getattr(properties, name)(*args, **kwargs), got[name])


@pytest.mark.parametrize("units", ["field", "metric"])
@pytest.mark.parametrize("mode", ["gor", "bubble_point"])
@pytest.mark.parametrize("oil", FAMILIES)
def test_oil_properties_equal_calculate(oil, mode, units):
    inputs = cases(sum(map(ord, oil)), mode)
    if units == "metric":
        inputs = to_metric(inputs)
    run = tarnvik.calculate(**inputs, oil=oil, units=units, threads=1)
    args = [inputs[name] for name in ("api", "gas_gravity", "temperature", "pressure")]
    kwargs = {mode: inputs[mode], "oil": oil, "units": units}
    got = properties.oil_properties(*args, **kwargs)
    assert_each_equals_calculate(("rs", "bo", "oil_viscosity"), got, run, *args, **kwargs)
    # pbx is the member of the pair not given: the bubble point for a GOR, and the other way.
    other = "bubble_point" if mode == "gor" else "gor"
    assert_same_where_calculated(got[other], run.pbx, other)
    if mode == "gor":
        at = properties.bubble_point(inputs["api"], inputs["gas_gravity"], inputs["temperature"], inputs["gor"],
                                     oil=oil, units=units)
        assert_same_where_calculated(at, run.pbx, "bubble_point()")


@pytest.mark.parametrize("units", ["field", "metric"])
@pytest.mark.parametrize("gas", ["wet", "dry"])
def test_gas_properties_equal_calculate_with_and_without_impurities(gas, units):
    inputs = cases(17, "gor")
    inputs["temperature"][::20], inputs["gas_gravity"][::20] = 20, 1.5  # below the pseudo-critical temperature
    rng = np.random.default_rng(4)
    impurities = dict(co2=rng.uniform(0, 30, COUNT) * (rng.random(COUNT) < 0.5), h2s=rng.uniform(0, 20, COUNT),
                      n2=rng.uniform(0, 10, COUNT))
    if units == "metric":
        inputs = to_metric(inputs)
    run = tarnvik.calculate(**inputs, **impurities, gas=gas, units=units)
    assert np.count_nonzero(run.status) > 0, "some z-factors fail"
    args = [inputs[name] for name in ("gas_gravity", "temperature", "pressure")]
    got = properties.gas_properties(*args, gas=gas, units=units, **impurities)
    assert_each_equals_calculate(("z", "bg", "gas_viscosity", "cg"), got, run, *args, gas=gas, units=units,
                                 **impurities)
    # Where calculate fails for the z-factor, the gas properties are NaN too.
    assert np.isnan(got["z"][run.status != 0]).all()


@pytest.mark.parametrize("units", ["field", "metric"])
@pytest.mark.parametrize("water", ["salinity", "water_gravity"])
def test_water_properties_equal_calculate_with_the_oils_bubble_point(water, units):
    # The water holds the gas it held at the oil's bubble point: give calculate the bubble
    # point, and the water functions the same number.
    inputs = cases(23, "bubble_point")
    if water == "water_gravity":
        inputs["water_gravity"] = 1 + inputs.pop("salinity") / 100
    if units == "metric":
        inputs = to_metric(inputs)
    run = tarnvik.calculate(**inputs, units=units)
    salt = {water: inputs[water]}
    got = properties.water_properties(inputs["temperature"], inputs["pressure"], bubble_point=inputs["bubble_point"],
                                      units=units, **salt)
    assert_each_equals_calculate(("rsw", "bw", "water_viscosity", "cw"), got, run, inputs["temperature"],
                                 inputs["pressure"], bubble_point=inputs["bubble_point"], units=units, **salt)
    # Without a bubble point the water is saturated at its own pressure.
    np.testing.assert_array_equal(
        properties.rsw(inputs["temperature"], inputs["pressure"], units=units, **salt),
        properties.rsw(inputs["temperature"], inputs["pressure"], bubble_point=inputs["pressure"], units=units,
                       **salt))


@pytest.mark.parametrize("rock, formation", [("Hall", None), ("Van der Knaap", None),
                                             ("Newman", "Consolidated Sands"), ("Newman", "Carbonates"),
                                             ("Yale et. al.", "Friable Sands"), ("Yale et. al.", "Unconsolidated Sands")])
def test_rock_compressibility_equals_calculate(rock, formation):
    inputs = cases(29, "gor")
    run = tarnvik.calculate(**inputs, rock=rock, formation=formation or "")
    got = properties.cf(inputs["porosity"], inputs["pressure"], rock=rock, formation=formation)
    assert_same_where_calculated(got, run.cf, rock)


def test_numbers_give_floats_and_arrays_give_arrays_of_the_broadcast_shape():
    assert isinstance(properties.z(0.75, 200, 3000), float)
    grid = properties.bo(35, 0.75, np.array([[150], [200]]), np.linspace(500, 5000, 4), gor=0.5, threads=2)
    assert grid.shape == (2, 4)
    assert grid[1, 2] == properties.bo(35, 0.75, 200, float(np.linspace(500, 5000, 4)[2]), gor=0.5)
    assert np.isnan(properties.bo(0, 0.75, 200, 3000, gor=0.5)), "no oil, no Bo"
    assert np.isnan(properties.z(0, 200, 3000)), "no gas, no z"


@pytest.mark.parametrize("call, message", [
    (lambda: properties.bo(35, 0.75, 200, 3000), "gor or bubble_point"),
    (lambda: properties.bo(35, 0.75, 200, 3000, gor=0.5, bubble_point=2000), "not both"),
    (lambda: properties.rs(35, 0.75, 200, 3000, gor=0.5, oil="Nonesuch"), "names no oil family"),
    (lambda: properties.z(0.75, 200, 3000, gas="moist"), "neither"),
    (lambda: properties.bw(200, 3000), "salinity or water_gravity"),
    (lambda: properties.cf(20, 3000, rock="Granite"), "names no rock correlation"),
    (lambda: properties.z(0.75, [200, 210], [1000, 2000, 3000]), "do not broadcast"),
    (lambda: properties.z(0.75, "hot", 3000), "temperature"),
])
def test_bad_arguments_are_refused_with_the_reason(call, message):
    with pytest.raises(ValueError, match=message):
        call()


def test_inputs_no_reservoir_has_are_refused_alone_and_left_unrun_in_arrays():
    with pytest.raises(ValueError, match="gor"):
        properties.bo(35, 0.75, 200, 3000, gor=-0.5)
    with pytest.raises(ValueError, match="temperature"):
        properties.z(0.75, -500, 3000)
    bo = properties.bo(35, 0.75, 200, 3000, gor=np.array([0.5, -0.5, np.nan, 0.5]))
    assert np.isnan(bo[1:3]).all() and bo[0] == bo[3] == properties.bo(35, 0.75, 200, 3000, gor=0.5)
