"""A Monte-Carlo study on Dask: the same code on a cluster of two worker processes as in
this process, and exactly the same numbers."""

import sys

import numpy as np
import pandas as pd
import pytest

import tarnvik

da = pytest.importorskip("dask.array", reason="Debian's python3-dask runs studies beyond one machine")
dd = pytest.importorskip("dask.dataframe")
distributed = pytest.importorskip("distributed", reason="Debian's python3-distributed gives the cluster")
cloudpickle = pytest.importorskip("cloudpickle")

# Debian's distributed starts tornado's loop in a way tornado itself calls deprecated.
pytestmark = pytest.mark.filterwarnings("ignore:make_current is deprecated:DeprecationWarning")

CASES = 120_000
CHUNK = 30_000


def study_block(api, gas_gravity, gor, pressure):
    """One block of the study: Bo, the total compressibility and the status of each case."""
    result = tarnvik.calculate(api=api, gas_gravity=gas_gravity, temperature=220, pressure=pressure, gor=gor,
                               porosity=18, swc=22, salinity=4, wor=0.3, oil="Glaso", rock="Hall", threads=1)
    return np.stack([result.bo, result.ct, result.status.astype(float)])


@pytest.fixture(scope="module")
def client():
    # The workers are separate processes, as on other machines: this module's functions
    # travel to them by value, as those of a notebook or a script do.
    cloudpickle.register_pickle_by_value(sys.modules[__name__])
    try:
        with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None,
                                      silence_logs=40) as cluster, distributed.Client(cluster) as client:
            yield client
    finally:
        cloudpickle.unregister_pickle_by_value(sys.modules[__name__])


def test_a_study_over_a_dask_array_gives_the_numbers_of_one_process(client):
    assert len(client.scheduler_info()["workers"]) == 2
    random = da.random.RandomState(7)
    api = random.normal(35, 4, CASES, chunks=CHUNK)
    gas_gravity = random.uniform(0.65, 0.95, CASES, chunks=CHUNK)
    gor = random.lognormal(np.log(0.6), 0.35, CASES, chunks=CHUNK)
    pressure = random.uniform(1500, 5000, CASES, chunks=CHUNK)
    study = da.map_blocks(study_block, api, gas_gravity, gor, pressure, new_axis=0, chunks=((3,),) + api.chunks,
                          dtype=float)
    on_cluster = study.compute()
    here = study_block(*(np.asarray(x) for x in client.compute([api, gas_gravity, gor, pressure], sync=True)))
    assert on_cluster.shape == (3, CASES)
    assert on_cluster.tobytes() == here.tobytes(), "bit for bit the numbers of one process"
    # What such a study reports, the same from both.
    assert np.array_equal(np.nanpercentile(on_cluster[0], [10, 50, 90]), np.nanpercentile(here[0], [10, 50, 90]))


def test_a_dask_dataframe_of_cases_gives_the_frame_of_calculate_frame(client):
    rng = np.random.default_rng(3)
    count = 20_000
    frame = pd.DataFrame(dict(api=rng.uniform(20, 45, count), gas_gravity=rng.uniform(0.6, 1.0, count),
                              temperature=rng.uniform(120, 260, count), pressure=rng.uniform(800, 6000, count),
                              gor=rng.uniform(0.1, 1.5, count), porosity=rng.uniform(8, 30, count),
                              swc=rng.uniform(10, 40, count), salinity=rng.uniform(0, 10, count),
                              wor=rng.uniform(0, 2, count),
                              oil=rng.choice(["Standing", "Glaso", "Vazquez/Beggs"], count)))
    cases = dd.from_pandas(frame, npartitions=4)
    meta = tarnvik.calculate_frame(frame.iloc[:0], rock="Hall", threads=1)
    on_cluster = cases.map_partitions(tarnvik.calculate_frame, rock="Hall", threads=1, meta=meta).compute()
    pd.testing.assert_frame_equal(on_cluster, tarnvik.calculate_frame(frame, rock="Hall"), check_exact=True)
