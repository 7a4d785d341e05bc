"""tarnvik.calculate_frame: the calculation over the rows of a pandas DataFrame."""

import numpy as np

from . import _tarnvik
from ._arrays import ArrayResult, merge_warnings

_INPUTS = ("api", "gas_gravity", "temperature", "pressure", "gor", "bubble_point", "porosity", "swc", "salinity",
           "water_gravity", "wor", "co2", "h2s", "n2")
_IMPURITIES = ("co2", "h2s", "n2")
_CHOICES = ("oil", "gas", "rock", "formation")
_OPTIONS = ("units",)
_PAIRS = (("gor", "bubble_point"), ("salinity", "water_gravity"))
# Each member of a pair, and the pair's key column (named for its first member).
_PARTNER = {member: pair[0] for pair in _PAIRS for member in pair}


def _choice(value):
    """A correlation named in a cell; None for an empty cell (the default applies)."""
    return None if value is None or (isinstance(value, float) and np.isnan(value)) else value


def _column(frame, name):
    """A column of numbers as floats, an empty cell (NaN, None, pandas.NA) as NaN."""
    try:
        return frame[name].to_numpy(dtype=float, na_value=np.nan)
    except (TypeError, ValueError) as error:
        raise ValueError(f"column {name!r}: not numbers ({error})") from None


def calculate_frame(frame, *, threads=None, **options):
    """Calculates every row of a pandas DataFrame: tarnvik.calculate over its columns.

    Columns named as calculate's arguments are the inputs, one case per row: api,
    gas_gravity, temperature [°F], pressure [psia], gor [MCF/STB] or bubble_point [psia],
    porosity [%], swc [%], salinity [% NaCl] or water_gravity, wor [STB/STB], optionally
    co2, h2s and n2 [mol %]; and the
    correlations oil, gas, rock and formation, which may differ from row to row. Other
    columns are ignored. options, calculate's keyword arguments, give what no column
    holds, for every row: calculate_frame(df, swc=25, oil="Glaso"). Where a frame has both columns of a pair
    (gor and bubble_point, salinity and water_gravity), each row fills one and leaves the
    other NaN.

    A case file as a frame: pandas.DataFrame([c.as_dict() for c in tarnvik.read_cases(path)]).

    units="metric" reads the columns in metric units and reports in them, as calculate does.
    A pandas Series is one case (df.iloc[0]). A row with an empty (NaN, NA) input cell, or
    an impossible value, is not run: its status is INVALID_INPUT and its warnings say which
    input and why; an empty co2, h2s or n2 cell is none of that gas.
    threads: the threads the rows run on, as calculate's (None, the default: every core).

    Returns a DataFrame with the frame's index: status, message, the 21 quantities in
    their display units (NaN where there is none), pbx_kind, pbx_unit, out_of_range and
    warnings.
    Raises ValueError as calculate does, for an argument that is also a column, and for a
    column that does not hold numbers.
    """
    import pandas as pd

    from . import calculate

    if isinstance(frame, pd.Series):
        frame = frame.to_frame().T.infer_objects()
    unknown = sorted(set(options) - set(_INPUTS) - set(_CHOICES) - set(_OPTIONS))
    if unknown:
        raise ValueError(f"{', '.join(unknown)}: not an argument of calculate")
    both = sorted(set(options) & set(frame.columns))
    if both:
        raise ValueError(f"{', '.join(both)}: given both as a column and as an argument")
    numbers = {name: _column(frame, name) for name in _INPUTS if name in frame.columns}
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
        if first in numbers and second in numbers and len(frame) == 0:
            del numbers[second]  # no row to fill either
        elif first in numbers and second in numbers:
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
    pbx = (np.full(count, None, dtype=object), np.full(count, None, dtype=object))
    oil = np.zeros(count, dtype=bool)
    warnings = []
    units = {}
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
        pbx[0][rows], pbx[1][rows] = part._pbx
        oil[rows] = part._oil
        warnings.append((part._warnings, rows))
        # pbx is the bubble point of rows given a GOR, and the GOR of rows given the bubble point.
        for name, unit in part.units.items():
            if units.setdefault(name, unit) != unit:
                units[name] = " or ".join(sorted({units[name], unit}))
    system = "metric" if options.get("units") == "metric" else "field"
    return ArrayResult(values, status, masks, {}, None, units or None, system, warnings=merge_warnings(warnings),
                       pbx=pbx, oil=oil).to_frame(index=frame.index)


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


def pressure_tables(cases, pressures=None, *, pmin=None, pmax=None, points=None, units=None, threads=None,
                    unit_names=False):
    """Pressure tables of many cases at once: one pandas DataFrame indexed by case and row.

    cases: a sequence of tarnvik.Case (read_cases gives one). The other arguments are
    pressure_table's, for every case: pressures [psia] of the rows, or else pmin, pmax
    [psia] and points (by default 50 points from 14.7 psia to the larger of each case's
    reservoir pressure and 1.25 times its bubble point, plus rows at both).
    units: "field" (the default) or "metric", for the pressures and the results.
    threads: the cases run on this many threads (None, the default: every core).

    Returns a DataFrame with a MultiIndex (case: the position in `cases`, row) and the
    columns title, then those of pressure_table(case).to_frame(): pressure [psia or bara], note,
    status, message, the 21 quantities in their display units and out_of_range;
    attrs["units"] maps each quantity to its unit, and unit_names=True puts the units in
    the column names too. Raises ValueError, naming the case, for a range that makes no
    table.
    """
    import concurrent.futures
    import os

    import pandas as pd

    from . import _tarnvik as extension

    cases = list(cases)
    if threads is None:
        threads = len(os.sched_getaffinity(0)) if hasattr(os, "sched_getaffinity") else os.cpu_count() or 1
    if isinstance(threads, bool) or not isinstance(threads, int) or threads < 1:
        raise ValueError(f"threads: expected a whole number of threads, at least 1 (None for every core), "
                         f"got {threads!r}")

    def table(position):
        try:
            return extension.pressure_table(cases[position], pressures, pmin=pmin, pmax=pmax, points=points,
                                            units=units)
        except ValueError as error:
            raise ValueError(f"cases[{position}]: {error}") from None

    # Each table is built with the interpreter released, so the threads run side by side.
    with concurrent.futures.ThreadPoolExecutor(max_workers=min(threads, max(len(cases), 1))) as pool:
        tables = list(pool.map(table, range(len(cases))))
    frames = []
    for position, result in enumerate(tables):
        frame = result.to_frame(unit_names=unit_names)
        frame.insert(0, "title", cases[position].title)
        frame.index = pd.MultiIndex.from_product([[position], range(len(frame))], names=["case", "row"])
        frames.append(frame)
    if not frames:
        return pd.DataFrame()
    joined = pd.concat(frames)
    joined.attrs = dict(frames[0].attrs)
    return joined


_LAB_PROPERTIES = ("pb", "rs", "bo", "oil_viscosity", "oil_compressibility", "relative_volume", "z", "bg")


def rank_oil_frame(case, lab=None):
    """The nine oil families ranked against lab data, best first: rank_oil as a pandas DataFrame.

    case: a tarnvik.Case; lab: a lab file's path or a tarnvik.LabReport, None (the default)
    for the case's own lab data. One row per family, indexed by rank (1 for the best), with
    the columns family, score and ranked_score [%], data_range, separator_adjusted,
    outside_data, and for each property (pb, rs, bo, oil_viscosity, oil_compressibility,
    relative_volume, z, bg) its average absolute error "<property>_error" [%] (NaN without
    points), its largest "<property>_max_error" [%] and "<property>_points". The residual
    of every measured value: tarnvik.lab_residuals(case, lab).
    """
    import pandas as pd

    from . import rank_oil

    rows = []
    for ranked in rank_oil(case, lab):
        row = {name: ranked[name] for name in ("rank", "family", "score", "ranked_score", "data_range",
                                               "separator_adjusted")}
        row["outside_data"] = tuple(ranked["outside_data"])
        for name in _LAB_PROPERTIES:
            figures = ranked[name]
            row[f"{name}_error"] = np.nan if figures["error"] is None else figures["error"]
            row[f"{name}_max_error"] = np.nan if figures["max_error"] is None else figures["max_error"]
            row[f"{name}_points"] = figures["points"]
        rows.append(row)
    frame = pd.DataFrame(rows).set_index("rank")
    frame.attrs["units"] = {column: "%" for column in frame.columns if column.endswith("error") or "score" in column}
    return frame
