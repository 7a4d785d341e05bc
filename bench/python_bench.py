#!/usr/bin/env python3
"""Speed of the Python module: one scalar tarnvik.calculate call on one core; one array call
over a million generated cases on one thread and on every core (threads=1, threads=2, ...),
per core and in total; and, when the pure-Python library pyrestoolbox is installed, the
ratio of its cost for one case's property set to Tarnvik's.

    cmake --build build/release
    PYTHONPATH=build/release/python /usr/bin/python3 bench/python_bench.py [--cases N]

Per core is the cases over the process's CPU time (other work on the machine does not
count); total is the cases over the wall-clock time of the call (it does, so run it on a
quiet machine). Each figure is the best of a few repetitions. The goal for the array call:
at least 0.9 million cases per second per core, 1.8 million in total on two cores.
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


def array_call(cases, oil, threads, repeat):
    """(cases per CPU second, cases per wall-clock second) of the best repetition."""
    count = len(cases["api"])

    def once():
        cpu, wall = time.process_time(), time.perf_counter()
        result = tarnvik.calculate(**cases, oil=oil, rock="Hall", threads=threads)
        cpu, wall = time.process_time() - cpu, time.perf_counter() - wall
        del result
        return wall, cpu

    once()  # the first call also maps the result's memory for the first time
    runs = [once() for _ in range(repeat)]
    return count / min(cpu for _, cpu in runs), count / min(wall for wall, _ in runs)


def machine():
    model = "unknown processor"
    try:
        with open("/proc/cpuinfo") as info:
            model = next(line.split(":", 1)[1].strip() for line in info if line.startswith("model name"))
    except (OSError, StopIteration):
        pass
    load = ", load average {:.2f} {:.2f} {:.2f}".format(*os.getloadavg()) if hasattr(os, "getloadavg") else ""
    return f"{model}, {len(os.sched_getaffinity(0))} cores{load}"


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
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[1])
    parser.add_argument("--cases", type=int, default=1_000_000, help="cases in the array call (default 1,000,000)")
    parser.add_argument("--repeat", type=int, default=3, help="repetitions; the best counts (default 3)")
    options = parser.parse_args()
    cores = sorted(os.sched_getaffinity(0))
    print(f"tarnvik {tarnvik.__version__} {tarnvik.__file__}, Python {sys.version.split()[0]}, "
          f"numpy {np.__version__}")
    print(f"machine: {machine()}")

    os.sched_setaffinity(0, {cores[-1]})
    scalar = scalar_call(options.repeat)
    print(f"scalar calculate(): {scalar * 1e6:.2f} us per call on one core (target: under 10 us)")
    cases = generated_cases(options.cases)
    rate = None
    for oil in ("Standing", "Petrosky/Farshad"):
        for threads in sorted({1, 2, len(cores)}):
            if threads > len(cores):
                continue
            os.sched_setaffinity(0, cores[-threads:])
            per_core, total = array_call(cases, oil, threads, options.repeat)
            rate = rate or per_core
            print(f"array calculate() over {options.cases:,} cases, {oil}, threads={threads}: "
                  f"{per_core / 1e6:.2f} million cases/s per core ({1e9 / per_core:.0f} ns CPU per case), "
                  f"{total / 1e6:.2f} million in total")
    os.sched_setaffinity(0, cores)
    print("goal: at least 0.90 million cases/s per core, 1.80 million in total with threads=2")
    peer, note = peer_case_cost(options.repeat)
    if peer is None:
        print(note)
    else:
        print(f"{note}: {peer * 1e6:.0f} us per case, {peer / scalar:,.0f} times a scalar call, "
              f"{peer * rate:,.0f} times a case of the array call on one core")


if __name__ == "__main__":
    main()
