"""tarnvik.calculate_frame: the calculation over the rows of a pandas DataFrame."""

import numpy as np

from . import _tarnvik
from ._arrays import ArrayResult

_INPUTS = ("api", "gas_gravity", "temperature", "pressure", "gor", "bubble_point", "porosity", "swc", "salinity",
           "water_gravity", "wor", "co2", "h2s", "n2")
_IMPURITIES = ("co2", "h2s", "n2")
_CHOICES = ("oil", "gas", "rock", "formation")
_PAIRS = (("gor", "bubble_point"), ("salinity", "water_gravity"))
# Each member of a pair, and the pair's key column (named for its first member).
_PARTNER = {member: pair[0] for pair in _PAIRS for member in pair}


def _choice(value):
    """A correlation named in a cell; None for an empty cell (the default applies)."""
    return None if value is None or (isinstance(value, float) and np.isnan(value)) else value


def calculate_frame(frame, *, threads=None, **options):
    """Calculates every row of a pandas DataFrame: tarnvik.calculate over its columns.

    Columns named as calculate's arguments are the inputs, one case per row: api,
    gas_gravity, temperature [°F], pressure [psia], gor [MCF/STB] or bubble_point [psia],
    porosity [%], swc [%], salinity [% NaCl] or water_gravity, wor [STB/STB], optionally
    co2, h2s and n2 [mol %]; and the
    correlations oil, gas, rock and formation, which may differ from row to row. Other
    columns are ignored. Keyword arguments give what no column holds, for every row:
    calculate_frame(df, swc=25, oil="Glaso"). Where a frame has both columns of a pair
    (gor and bubble_point, salinity and water_gravity), each row fills one and leaves the
    other NaN.

    A case file as a frame: pandas.DataFrame([c.as_dict() for c in tarnvik.read_cases(path)]).

    threads: the threads the rows run on, as calculate's (None, the default: every core).

    Returns a DataFrame with the frame's index: status, message, the 21 quantities in
    their display units (NaN where there is none) and out_of_range.
    Raises ValueError as calculate does, and for an argument that is also a column.
    """
    import pandas as pd

    from . import calculate

    unknown = sorted(set(options) - set(_INPUTS) - set(_CHOICES))
    if unknown:
        raise ValueError(f"{', '.join(unknown)}: not an argument of calculate")
    both = sorted(set(options) & set(frame.columns))
    if both:
        raise ValueError(f"{', '.join(both)}: given both as a column and as an argument")
    numbers = {name: frame[name].to_numpy(dtype=float) for name in _INPUTS if name in frame.columns}
    # An empty cell of an impurity is a gas without it (a frame of sweet and sour cases).
    for name in _IMPURITIES:
        if name in numbers:
            numbers[name] = np.nan_to_num(numbers[name], nan=0.0)
    if not numbers:
        raise ValueError(f"the frame has none of the input columns {', '.join(_INPUTS)}")

    # What varies from row to row besides the numbers: the correlations, and which member of
    # a pair of columns a row fills (a frame of cases of both kinds has both columns).
    keys = pd.DataFrame({name: frame[name].to_numpy() for name in _CHOICES if name in frame.columns})
    for first, second in _PAIRS:
        if first in numbers and second in numbers:
            given = ~np.isnan(numbers[first])
            twice = given & ~np.isnan(numbers[second])
            if twice.any():
                raise ValueError(f"row {frame.index[np.argmax(twice)]!r}: give either {first} or {second}, not both")
            keys[first] = np.where(given, first, second)
    if keys.empty:
        return calculate(**numbers, **options, threads=threads).to_frame(index=frame.index)

    # One array call for each combination, its rows put back in place.
    count = len(frame)
    values = np.full((len(_tarnvik.FIELDS), count), np.nan)
    status = np.zeros(count, dtype=np.int8)
    masks = np.zeros((2 + len(_tarnvik.DIAGNOSTIC_KINDS), count), dtype=np.uint32)
    for key, rows in keys.groupby(list(keys.columns), sort=False, dropna=False).indices.items():
        key = dict(zip(keys.columns, key if isinstance(key, tuple) else (key,)))
        arguments = {name: _choice(key[name]) for name in _CHOICES if name in key}
        for name, column in numbers.items():
            pair = _PARTNER.get(name)
            if pair in key and key[pair] != name:
                continue
            arguments[name] = column[rows]
        part = calculate(**arguments, **options, threads=threads)
        values[:, rows] = part._values
        status[rows] = part.status
        masks[:, rows] = part._masks
    return ArrayResult(values, status, masks, {}, None).to_frame(index=frame.index)


def lab_residuals(case, lab=None):
    """Every measured value of a lab report against every oil family: a pandas DataFrame.

    case: a tarnvik.Case; lab: a lab file's path or a tarnvik.LabReport, None (the default)
    for the case's own lab data. One row per measured value and family, best-ranked family
    first (rank_oil's order), then, when the case's tuning is in force, the tuned family's
    rows (tuned True). Columns: family, tuned, pressure [psia], property (pb, rs, bo,
    oil_viscosity, oil_compressibility, relative_volume, z, bg), unit, measured, predicted
    (field units), error [%: of the measured value; for Rs below a tenth of the GOR at the
    bubble point, of that GOR], target [%, the tuned model's; NaN for the oil
    compressibility] and within_target. The same residuals as tarnvik-calc --rank-oil
    --residuals --format csv.
    """
    import pandas as pd

    rows = _tarnvik._lab_residuals(case, lab)
    columns = ["family", "tuned", "pressure", "property", "unit", "measured", "predicted", "error", "target",
               "within_target"]
    frame = pd.DataFrame(rows, columns=columns)
    frame["target"] = frame["target"].astype(float)
    return frame
