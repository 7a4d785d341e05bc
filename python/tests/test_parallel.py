"""Array calls on several threads: the same numbers as one thread and as scalar calls."""

import threading
import time

import numpy as np
import pytest

import tarnvik

FAMILIES = ("Standing", "Vazquez/Beggs", "Glaso", "Al-Marhoun", "Petrosky/Farshad", "Dokla/Osman", "Farshad",
            "Obomanu/Okpobiri", "Kartoatmodjo/Schmidt")


def spread(count, seed):
    """Cases over and beyond the correlations' ranges: dead oils, no oil, no gas, cold heavy
    gases whose z-factor fails, pressures above and below the bubble point."""
    rng = np.random.default_rng(seed)
    cases = dict(api=rng.uniform(10, 60, count), gas_gravity=rng.uniform(0.55, 1.6, count),
                 temperature=rng.uniform(40, 320, count), pressure=rng.uniform(15, 12000, count),
                 gor=rng.uniform(0, 3, count), porosity=rng.uniform(2, 35, count), swc=rng.uniform(5, 60, count),
                 salinity=rng.uniform(0, 25, count), wor=rng.uniform(0, 5, count))
    cases["api"][::97] = 0
    cases["gas_gravity"][::89] = 0
    cases["gor"][::83] = 0
    return cases


def blocks(result):
    return result._values, result._masks, result.status


def assert_identical(a, b):
    for x, y in zip(blocks(a), blocks(b)):
        assert x.shape == y.shape
        # Bit for bit: the same NaNs and the same signed zeros, not merely equal numbers.
        assert x.tobytes() == y.tobytes()
    # The same warnings, per element, in the same order.
    assert list(a.warnings.reshape(-1)) == list(b.warnings.reshape(-1))


@pytest.mark.parametrize("oil", ["Standing", "Petrosky/Farshad", "Obomanu/Okpobiri"])
def test_every_thread_count_gives_the_numbers_of_one_thread(oil):
    cases = spread(30_011, seed=7)
    one = tarnvik.calculate(**cases, oil=oil, rock="Hall", threads=1)
    assert np.count_nonzero(one.status) > 0, "the spread holds z-factor failures"
    for threads in (2, 3, 7, None):
        assert_identical(tarnvik.calculate(**cases, oil=oil, rock="Hall", threads=threads), one)


def test_broadcast_and_strided_inputs_run_in_contiguous_runs_of_the_flat_order():
    # (3, 4, 2000) elements from a column, a row, a strided slice and a Fortran-ordered block:
    # each run of elements must start at the right place in every operand.
    rng = np.random.default_rng(3)
    api = rng.uniform(20, 45, (3, 1, 1))
    pressure = rng.uniform(500, 6000, 4000)[::2]
    temperature = np.asfortranarray(rng.uniform(120, 250, (4, 2000)))
    gor = rng.uniform(0.1, 1.5, (3, 4, 2000)).transpose(2, 1, 0).copy().transpose(2, 1, 0)
    arguments = dict(api=api, gas_gravity=0.8, temperature=temperature, pressure=pressure, gor=gor, porosity=20,
                     swc=25, salinity=3, wor=0.5, units="field", rock="Hall")
    one = tarnvik.calculate(**arguments, threads=1)
    assert one.shape == (3, 4, 2000)
    # A 0-d array is one number, as numpy has it.
    scalars = dict(arguments, temperature=200, pressure=3000, gor=0.5)
    zero_d = tarnvik.calculate(**dict(scalars, api=np.array(30.0))).bo
    assert isinstance(zero_d, float) and zero_d == tarnvik.calculate(**dict(scalars, api=30)).bo
    for threads in (2, 5):
        assert_identical(tarnvik.calculate(**arguments, threads=threads), one)
    # Against scalar calls at scattered elements, the first and last of every run included.
    flat = np.arange(one.status.size)
    for element in np.concatenate([rng.choice(flat, 40, replace=False), [0, 4799, 4800, 9599, 9600, 23999]]):
        i, j, k = np.unravel_index(element, one.shape)
        scalar = tarnvik.calculate(api=float(api[i, 0, 0]), gas_gravity=0.8, temperature=float(temperature[j, k]),
                                   pressure=float(pressure[k]), gor=float(gor[i, j, k]), porosity=20, swc=25,
                                   salinity=3, wor=0.5, rock="Hall")
        for name, _, _ in tarnvik.FIELDS:
            value = getattr(scalar, name)
            expected = np.nan if value is None else value
            assert np.array_equal(getattr(one, name)[i, j, k], expected, equal_nan=True), (element, name)


def test_every_family_and_metric_units_on_two_threads_match_scalar_calls():
    cases = spread(9_000, seed=11)
    metric = dict(cases, temperature=(cases["temperature"] - 32) / 1.8, pressure=cases["pressure"] / 14.5)
    rng = np.random.default_rng(5)
    for oil in FAMILIES:
        many = tarnvik.calculate(**metric, oil=oil, gas="dry", units="metric", threads=2)
        assert_identical(many, tarnvik.calculate(**metric, oil=oil, gas="dry", units="metric", threads=1))
        for element in rng.choice(9_000, 5, replace=False):
            one = tarnvik.calculate(**{k: float(v[element]) for k, v in metric.items()}, oil=oil, gas="dry",
                                    units="metric")
            assert one.status == many.status[element]
            for name, _, _ in tarnvik.FIELDS:
                value = getattr(one, name)
                assert np.array_equal(getattr(many, name)[element], np.nan if value is None else value,
                                      equal_nan=True), (oil, element, name)


def test_the_interpreter_runs_other_threads_meanwhile():
    cases = spread(400_000, seed=1)
    done = threading.Event()
    took = {}

    def work():
        start = time.perf_counter()
        tarnvik.calculate(**cases, threads=1)
        took["seconds"] = time.perf_counter() - start
        done.set()

    # The longest the main thread waits between two steps of its own loop: the length of
    # the call if the call held the interpreter.
    worker = threading.Thread(target=work)
    longest, last = 0.0, time.perf_counter()
    worker.start()
    while not done.is_set():
        now = time.perf_counter()
        longest, last = max(longest, now - last), now
    worker.join()
    assert longest < took["seconds"] / 2, (longest, took)


@pytest.mark.parametrize("threads", [0, -1, 1.5, True, "2", [2]])
def test_a_thread_count_that_is_not_a_whole_positive_number_is_refused(threads):
    with pytest.raises(ValueError, match="threads: expected a whole number"):
        tarnvik.calculate(**spread(10, seed=2), threads=threads)


@pytest.mark.parametrize("shape", [(0,), (3, 0), (0, 5)])
def test_empty_arrays_give_empty_results_on_any_number_of_threads(shape):
    many = tarnvik.calculate(**dict(spread(1, seed=2), api=np.zeros(shape) + 35), threads=2)
    assert many.shape == shape and many.bo.shape == shape
    assert tarnvik.properties.z(0.7, 200, np.zeros(shape), threads=2).shape == shape
