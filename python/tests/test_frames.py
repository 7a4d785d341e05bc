"""calculate_frame over a pandas DataFrame of cases (skipped without pandas)."""

import pytest

import tarnvik

pd = pytest.importorskip("pandas")
FIELDS = [name for name, _, _ in tarnvik.FIELDS]


def test_every_row_is_its_case_calculated(oracle_cases):
    # Rows of every family, gas and rock, with the GOR or the bubble point, salinity or gravity.
    frame = pd.DataFrame([case.as_dict() for case in oracle_cases], index=range(100, 100 + len(oracle_cases)))
    result = tarnvik.calculate_frame(frame)
    assert list(result.index) == list(frame.index)
    for (_, row), case in zip(result.iterrows(), oracle_cases):
        one = tarnvik.calculate(case)
        assert row["message"] == one.message and row["out_of_range"] == one.out_of_range
        assert all((row[key] != row[key]) if getattr(one, key) is None else row[key] == getattr(one, key)
                   for key in FIELDS)


def test_arguments_fill_what_the_columns_do_not(typical):
    frame = pd.DataFrame({"pressure": [2000.0, 3000.0], "oil": ["Glaso", None]})
    arguments = {key: value for key, value in typical.as_dict().items() if key not in ("pressure", "oil", "title")}
    result = tarnvik.calculate_frame(frame, **arguments)
    assert result["bo"].tolist() == [tarnvik.calculate(typical, pressure=2000, oil="Glaso").bo,
                                     tarnvik.calculate(typical, pressure=3000, oil="Standing").bo]
    with pytest.raises(ValueError, match="pressure: given both as a column and as an argument"):
        tarnvik.calculate_frame(frame, pressure=1)
