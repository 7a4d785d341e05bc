"""What a Python user expects of the package: version, signatures, pickling, Jupyter, frames."""

import concurrent.futures
import inspect
import multiprocessing
import pickle
import pydoc
import re

import numpy as np
import pandas as pd
import pytest

import tarnvik
from conftest import LAB, LAB_CASE, SOURCE

TYPICAL_INPUTS = dict(api=35, gas_gravity=0.75, temperature=200, pressure=3000, gor=0.5, porosity=20, swc=25,
                      salinity=3, wor=0.5)


def test_the_version_is_the_projects():
    project = re.search(r"project\(Tarnvik VERSION ([0-9.]+)", (SOURCE / "CMakeLists.txt").read_text()).group(1)
    assert tarnvik.__version__ == project


PUBLIC_FUNCTIONS = ["calculate", "calculate_frame", "compare_oil", "export_eclipse", "lab_residuals",
                    "pressure_table", "pressure_tables", "rank_oil", "rank_oil_frame", "read_cases", "read_lab",
                    "tune", "write_cases"]


@pytest.mark.parametrize("name", PUBLIC_FUNCTIONS)
def test_every_function_shows_its_arguments_and_documents_them(name):
    function = getattr(tarnvik, name)
    signature = inspect.signature(function)
    assert signature.parameters, name
    shown = pydoc.render_doc(function, renderer=pydoc.plaintext)
    assert str(signature) in shown, "help() shows the real signature"
    for parameter in signature.parameters:
        assert parameter in function.__doc__, f"{name}: {parameter} is not documented"


def test_help_of_calculate_and_case_shows_every_argument_with_its_default_and_unit():
    # The arguments with their defaults: the signature test above shows them for calculate.
    shown = pydoc.render_doc(tarnvik.calculate, renderer=pydoc.plaintext)
    for unit in ("[°API]", "[°F]", "[psia]", "[MCF/STB]", "[% NaCl"):
        assert unit in shown
    assert "title=None" in str(inspect.signature(tarnvik.Case))
    assert "(case=None, /, *, api=None" in pydoc.render_doc(tarnvik.Case, renderer=pydoc.plaintext)


def test_every_property_function_documents_its_units():
    for name in tarnvik.properties.__all__:
        function = getattr(tarnvik.properties, name)
        parameters = inspect.signature(function).parameters
        assert "units" in parameters and "threads" in parameters, name
        assert re.search(r"\[(psia|°F|cp|-|RB/|MCF|microsips|% of)", function.__doc__), name


def results_equal(a, b):
    """Every public attribute of two results, compared as the user reads them."""
    names = [name for name in dir(a) if not name.startswith("_") and not callable(getattr(a, name))]
    assert names
    for name in names:
        assert getattr(a, name) == getattr(b, name) or getattr(a, name) is getattr(b, name), name
    assert a.as_dict() == b.as_dict() and repr(a) == repr(b)


@pytest.mark.parametrize("arguments", [
    dict(TYPICAL_INPUTS, rock="Hall"),
    dict(TYPICAL_INPUTS, units="metric", pressure=200, temperature=90, gor=90),
    dict(TYPICAL_INPUTS, api=60, oil="Glaso", pressure=1000),  # outside Glaso's data
    dict(TYPICAL_INPUTS, gas_gravity=1.6, temperature=30),  # a z-factor failure
    dict(TYPICAL_INPUTS, api=0, gor=None, bubble_point=2000, salinity=None, water_gravity=1.05),
])
def test_a_result_pickles_to_the_same_result(arguments):
    result = tarnvik.calculate(**arguments)
    results_equal(pickle.loads(pickle.dumps(result)), result)


def test_a_result_of_another_release_is_refused_not_misread():
    function, (state,) = tarnvik.calculate(**TYPICAL_INPUTS).__reduce__()
    with pytest.raises(ValueError, match="another release"):
        function((99,) + state[1:])


def test_cases_and_lab_reports_pickle_with_their_lab_data_tuning_and_gas(tmp_path):
    case = tarnvik.read_cases(LAB_CASE)[0]
    tuned = tarnvik.tune(tarnvik.Case(case, co2=3, n2=1, rock="Newman", formation="Carbonates",
                                      title="with\na line break"), lab=LAB)
    for original in (case, tuned, tarnvik.read_lab(LAB)):
        copy = pickle.loads(pickle.dumps(original))
        assert copy == original and repr(copy) == repr(original)
    copy = pickle.loads(pickle.dumps(tuned))
    assert copy.tuning == tuned.tuning and copy.formation == "Carbonates"
    results_equal(tarnvik.calculate(copy), tarnvik.calculate(tuned))


def test_array_results_pickle_and_results_come_back_from_a_worker_process():
    many = tarnvik.calculate(**dict(TYPICAL_INPUTS, pressure=np.linspace(500, 6000, 50)))
    many.out_of_range  # a computed cache is not pickled
    copy = pickle.loads(pickle.dumps(many))
    pd.testing.assert_frame_equal(copy.to_frame(), many.to_frame())
    assert copy.units == many.units
    case = tarnvik.tune(tarnvik.read_cases(LAB_CASE)[0], lab=LAB)
    with concurrent.futures.ProcessPoolExecutor(1, mp_context=multiprocessing.get_context("fork")) as pool:
        there = pool.submit(tarnvik.calculate, case).result()
    results_equal(there, tarnvik.calculate(case))


def test_frames_carry_the_units_in_attrs_or_in_the_column_names():
    field = tarnvik.calculate(**dict(TYPICAL_INPUTS, api=[30, 35])).to_frame()
    assert field.attrs["units"]["bo"] == "RB/STB" and field.attrs["units"]["pbx"] == "psia"
    assert field.attrs["unit_system"] == "field"
    metric = tarnvik.calculate(**dict(TYPICAL_INPUTS, api=[30, 35], bubble_point=150, gor=None, pressure=200,
                                      temperature=90), units="metric").to_frame(unit_names=True)
    assert {"rs [sm3/sm3]", "pbx [sm3/sm3]", "cg [1e-5/bar]", "z", "status"} <= set(metric.columns)
    one = tarnvik.calculate(**TYPICAL_INPUTS).to_frame()
    assert list(one.columns) == list(field.columns) and one["bo"][0] == tarnvik.calculate(**TYPICAL_INPUTS).bo
    # A frame of rows given the GOR and rows given the bubble point: pbx has both units.
    mixed = tarnvik.calculate_frame(pd.DataFrame(dict(TYPICAL_INPUTS, gor=[0.5, np.nan], bubble_point=[np.nan, 2000])))
    assert mixed.attrs["units"]["pbx"] == "MCF/STB or psia"


def test_results_show_themselves_in_jupyter():
    shown = tarnvik.calculate(**dict(TYPICAL_INPUTS, api=60, oil="Glaso"))._repr_html_()
    assert "<table>" in shown and "Oil formation volume factor" in shown and "RB/STB" in shown
    assert "api (outside data range)" not in shown or "Warnings" in shown
    assert "Warnings:" in shown
    failed = tarnvik.calculate(**dict(TYPICAL_INPUTS, gas_gravity=1.6, temperature=30))._repr_html_()
    assert "z-factor Routine FAILS" in failed
    many = tarnvik.calculate(**dict(TYPICAL_INPUTS, pressure=np.linspace(500, 6000, 1000)))._repr_html_()
    assert "1,000 elements" in many and "bo [RB/STB]" in many
    assert many.count("<tr") <= 23, "the first and last 10 rows and the header, not a thousand rows"


def test_pressure_tables_of_many_cases_are_the_tables_of_each(oracle_cases):
    cases = oracle_cases[:12]
    frame = tarnvik.pressure_tables(cases, pmax=5000, points=7, threads=2)
    assert frame.index.names == ["case", "row"]
    for position, case in enumerate(cases):
        alone = tarnvik.pressure_table(case, pmax=5000, points=7).to_frame()
        part = frame.loc[position].drop(columns="title")
        pd.testing.assert_frame_equal(part.reset_index(drop=True), alone)
        assert (frame.loc[position, "title"] == case.title).all()
    assert frame.attrs["units"]["pbx"] in ("psia", "MCF/STB")
    # The default top of a table is the larger of the reservoir pressure and 1.25 times the
    # bubble point: 5000 psia for the first case, 1500 psia (below pmin) for the second.
    deep, shallow = (tarnvik.Case(**dict(TYPICAL_INPUTS, gor=None, bubble_point=1000, pressure=p)) for p in (5000, 1500))
    with pytest.raises(ValueError, match=r"cases\[1\]: "):
        tarnvik.pressure_tables([deep, shallow], pmin=4000)


def test_the_ranking_as_a_frame_holds_rank_oils_figures():
    case = tarnvik.read_cases(LAB_CASE)[0]
    ranked = tarnvik.rank_oil(case, LAB)
    frame = tarnvik.rank_oil_frame(case, LAB)
    assert list(frame.index) == list(range(1, 10)) and list(frame["family"]) == [r["family"] for r in ranked]
    assert frame.loc[1, "rs_error"] == ranked[0]["rs"]["error"]
    assert frame.loc[1, "pb_points"] == 1
    assert np.isnan(frame.loc[1, "oil_viscosity_error"]) == (ranked[0]["oil_viscosity"]["error"] is None)
    assert frame.attrs["units"]["score"] == "%"


def test_the_interpreter_finds_the_type_stubs_with_the_module():
    package = SOURCE / "python" / "tarnvik"
    assert (package / "py.typed").exists()
    stubs = {path.stem for path in package.glob("*.pyi")}
    assert {"__init__", "properties"} <= stubs
    installed = pathlib_of(tarnvik)
    assert (installed / "py.typed").exists() and (installed / "__init__.pyi").exists()


def pathlib_of(module):
    import pathlib

    return pathlib.Path(module.__file__).parent
