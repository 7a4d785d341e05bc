#!/usr/bin/env python3
"""Speed of the Python module on one core: one scalar tarnvik.calculate call, one array call
over a million generated cases, and, when the pure-Python library pyrestoolbox is installed,
the ratio of its cost for one case's property set to Tarnvik's.

    cmake --build build/release
    PYTHONPATH=build/release/python /usr/bin/python3 bench/python_bench.py [--cases N]

The process pins itself to one core. Figures are in the process's CPU time (so other work on
the machine does not count), the best of a few repetitions.
"""

import argparse
import inspect
import os
import sys
import time
import timeit

import numpy as np

import tarnvik

# The example case (examples/typical-oil.csv) in the window's units.
TYPICAL = dict(api=35, gas_gravity=0.75, temperature=200, pressure=3000, gor=0.5, porosity=20, swc=25, salinity=3,
               wor=0.5)


def best(seconds_of, repeat):
    return min(seconds_of() for _ in range(repeat))


def scalar_call(repeat):
    calls = 20_000
    timer = timeit.Timer(lambda: tarnvik.calculate(**TYPICAL, rock="Hall"), timer=time.process_time)
    seconds = best(lambda: timer.timeit(number=calls), repeat)
    return seconds / calls


def generated_cases(count, seed=42):
    """Cases spread over the correlations' usual ranges, above and below their bubble points."""
    rng = np.random.default_rng(seed)
    return dict(api=rng.uniform(18, 48, count), gas_gravity=rng.uniform(0.6, 1.1, count),
                temperature=rng.uniform(100, 260, count), pressure=rng.uniform(500, 6000, count),
                gor=rng.uniform(0.1, 1.5, count), porosity=rng.uniform(8, 32, count), swc=rng.uniform(10, 40, count),
                salinity=rng.uniform(0, 10, count), wor=rng.uniform(0, 2, count))


def array_call(count, oil, repeat):
    cases = generated_cases(count)

    def once():
        start = time.process_time()
        result = tarnvik.calculate(**cases, oil=oil, rock="Hall")
        seconds = time.process_time() - start
        del result
        return seconds

    once()  # the first call also maps the result's memory for the first time
    return count / best(once, repeat)


def peer_case_cost(repeat):
    """Seconds for one case's property set through pyrestoolbox, or the reason there is none."""
    try:
        from pyrestoolbox import brine, gas, oil
    except ImportError:
        return None, "pyrestoolbox is not installed: no ratio"
    # The example case in the peer's arguments (field units; GOR in SCF/STB).
    values = dict(p=3000.0, pb=2203.3, degf=200.0, api=35.0, sg_g=0.75, sg_sp=0.75, sg=0.75, sg_o=141.5 / 166.5,
                  rsb=500.0, rs=500.0, wt=3.0, ch4_sat=1.0)
    wanted = [(oil, "oil_pbub"), (oil, "oil_rs"), (oil, "oil_bo"), (oil, "oil_viso"), (oil, "oil_co"),
              (oil, "oil_deno"), (gas, "gas_z"), (gas, "gas_bg"), (gas, "gas_ug"), (gas, "gas_cg"), (gas, "gas_den"),
              (brine, "brine_props")]
    calls = []
    for module, name in wanted:
        function = getattr(module, name, None)
        if function is None:
            continue
        accepted = inspect.signature(function).parameters
        arguments = {key: value for key, value in values.items() if key in accepted}
        try:
            function(**arguments)
        except Exception as error:  # the peer's interface differs from the one known here
            return None, f"pyrestoolbox {name} could not be called ({error}): no ratio"
        calls.append((function, arguments))
    if not calls:
        return None, "pyrestoolbox has none of the property functions known here: no ratio"
    rounds = 200

    def once():
        start = time.process_time()
        for _ in range(rounds):
            for function, arguments in calls:
                function(**arguments)
        return (time.process_time() - start) / rounds

    return best(once, repeat), f"pyrestoolbox: {len(calls)} property functions per case"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cases", type=int, default=1_000_000, help="cases in the array call (default 1,000,000)")
    parser.add_argument("--repeat", type=int, default=3, help="repetitions; the best counts (default 3)")
    options = parser.parse_args()
    core = max(os.sched_getaffinity(0))
    os.sched_setaffinity(0, {core})
    print(f"tarnvik {tarnvik.__file__}, Python {sys.version.split()[0]}, numpy {np.__version__}, core {core}")

    scalar = scalar_call(options.repeat)
    print(f"scalar calculate(): {scalar * 1e6:.2f} us per call (target: under 10 us)")
    for oil in ("Standing", "Petrosky/Farshad"):
        rate = array_call(options.cases, oil, options.repeat)
        print(f"array calculate() over {options.cases:,} cases, {oil}: {rate:,.0f} cases/s "
              f"({1e9 / rate:.0f} ns per case; target: at least 1,000,000 cases/s)")
    peer, note = peer_case_cost(options.repeat)
    if peer is None:
        print(note)
    else:
        print(f"{note}: {peer * 1e6:.0f} us per case, {peer / scalar:,.0f} times a scalar call, "
              f"{peer * rate:,.0f} times a case of the array call")


if __name__ == "__main__":
    main()
