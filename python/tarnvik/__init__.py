"""Tarnvik: PVT properties of oil, gas, water and rock from published empirical correlations.

One case:

    >>> import tarnvik
    >>> r = tarnvik.calculate(api=35, gas_gravity=0.75, temperature=200, pressure=3000,
    ...                       gor=0.5, porosity=20, swc=25, salinity=3, wor=0.5)
    >>> round(r.bo, 3), round(r.pbx)
    (1.284, 2203)

Many cases: give any input as a numpy array (or a list); the inputs broadcast against
each other as numpy broadcasts them, and every quantity comes back as an array of the
broadcast shape (tarnvik.ArrayResult), computed on every core (threads=1 for one).
With pandas, tarnvik.calculate_frame maps the columns of a DataFrame, and every result
has to_frame(). tarnvik.Case holds one case (tarnvik.read_cases reads a case file);
tarnvik.pressure_table, tarnvik.compare_oil and tarnvik.export_eclipse take one, and
tarnvik.pressure_tables takes many. tarnvik.properties gives one property at a time
(properties.z(gas_gravity, temperature, pressure), properties.bo(...), ...). Results,
cases and lab reports pickle, so they travel to worker processes (multiprocessing, Dask).

Lab data: tarnvik.read_lab reads a lab file (a laboratory report, tarnvik.LabReport);
tarnvik.rank_oil ranks the nine oil families against it (tarnvik.rank_oil_frame as a
DataFrame; tarnvik.lab_residuals gives every measured point against every family as a
DataFrame); tarnvik.tune returns the case
with a family tuned to it and in force, which every calculation from the case then
uses, and which write_cases saves with its lab data:

    case = tarnvik.tune(tarnvik.read_cases("case.csv")[0], lab="lab.csv")
    tarnvik.calculate(case).pbx         # the measured bubble point
    tarnvik.write_cases("tuned.csv", [case])

Inputs are in field units, as the desktop window takes them: API gravity [°API], gas
gravity [air = 1], temperature [°F], pressure [psia], GOR at the bubble point [MCF/STB]
or bubble-point pressure [psia], porosity [%], Swc [%], salinity [% NaCl] or water
specific gravity, WOR [STB/STB].

The results, in the units the window shows them:
"""

import enum as _enum
import inspect as _inspect

from . import _display, _states, _tarnvik
from ._tarnvik import DEFAULT_TABLE_POINTS, FIELDS, GOR_AT_BUBBLE_POINT_FIELD, Case, LabReport, Result

__all__ = [
    "ArrayResult", "Case", "DEFAULT_TABLE_POINTS", "ExportError", "FIELDS", "GOR_AT_BUBBLE_POINT_FIELD",
    "LabReport", "Result", "ZFactorStatus", "calculate", "calculate_frame", "compare_oil", "export_eclipse",
    "lab_residuals", "pressure_table", "pressure_tables", "properties", "rank_oil", "rank_oil_frame", "read_cases",
    "read_lab", "tune", "write_cases",
]

__doc__ += "".join(
    f"    {name:16} {caption}{f' [{unit}]' if unit else ''}\n" for name, caption, unit in FIELDS
) + (
    f"    (pbx is the {GOR_AT_BUBBLE_POINT_FIELD[1].lower()} [{GOR_AT_BUBBLE_POINT_FIELD[2]}] "
    "when the bubble point was given.)\n"
)

__version__ = _tarnvik.__version__

Case.__module__ = LabReport.__module__ = Result.__module__ = __name__
Result.to_frame = _display.result_frame
Result._repr_html_ = _display.result_html


def _described_by(extension_function):
    """Gives a wrapper the docstring of the extension's function, without pybind11's signature
    line (the wrapper's own signature is the real one)."""

    def describe(function):
        text = extension_function.__doc__ or ""
        head, _, rest = text.partition("\n\n")
        function.__doc__ = rest if head.startswith(extension_function.__name__ + "(") else text
        return function

    return describe


@_described_by(_tarnvik.read_cases)
def read_cases(path, *, errors="raise"):
    return _tarnvik.read_cases(path, errors=errors)


@_described_by(_tarnvik.write_cases)
def write_cases(path, cases):
    return _tarnvik.write_cases(path, cases)


@_described_by(_tarnvik.pressure_table)
def pressure_table(case, pressures=None, *, pmin=None, pmax=None, points=None, units=None):
    return _tarnvik.pressure_table(case, pressures, pmin=pmin, pmax=pmax, points=points, units=units)


@_described_by(_tarnvik.compare_oil)
def compare_oil(case, *, units=None):
    return _tarnvik.compare_oil(case, units=units)


@_described_by(_tarnvik.export_eclipse)
def export_eclipse(case, path, deck=None, *, strict=False, units=None):
    return _tarnvik.export_eclipse(case, path, deck, strict=strict, units=units)


@_described_by(_tarnvik.read_lab)
def read_lab(path):
    return _tarnvik.read_lab(path)


@_described_by(_tarnvik.rank_oil)
def rank_oil(case, lab=None):
    return _tarnvik.rank_oil(case, lab)


@_described_by(_tarnvik.tune)
def tune(case, lab=None, family=None):
    return _tarnvik.tune(case, lab, family)


# Case(...) as help() and inspect.signature show it: the case to start from, then calculate's
# inputs and correlations, and a title, all keywords.
Case.__signature__ = _inspect.Signature(
    [_inspect.Parameter("case", _inspect.Parameter.POSITIONAL_ONLY, default=None)] + [
        _inspect.Parameter(name, _inspect.Parameter.KEYWORD_ONLY, default=None)
        for name in ("api", "gas_gravity", "temperature", "pressure", "gor", "bubble_point", "porosity", "swc",
                     "salinity", "water_gravity", "wor", "co2", "h2s", "n2", "oil", "gas", "rock", "formation",
                     "title")
    ])


def __getattr__(name):
    """ArrayResult, the frames and properties, with numpy, load on first use: one case needs none."""
    if name == "ArrayResult":
        from ._arrays import ArrayResult

        return ArrayResult
    if name == "calculate_frame":
        from ._frames import calculate_frame

        return calculate_frame
    if name == "properties":
        import importlib

        return importlib.import_module(".properties", __name__)
    if name in ("lab_residuals", "pressure_tables", "rank_oil_frame"):
        from . import _frames

        return getattr(_frames, name)
    raise AttributeError(f"module 'tarnvik' has no attribute {name!r}")


def __dir__():
    return sorted(set(globals()) | set(__all__))


ZFactorStatus = _enum.IntEnum("ZFactorStatus", [(name, value) for name, value, _ in _tarnvik.Z_FACTOR_STATUSES])
ZFactorStatus.__doc__ = (
    "The z-factor (Hall-Yarborough) at the reservoir pressure: SUCCESS, or the failure that "
    "ended the run. Its message property says it as the window does."
)
ZFactorStatus.__module__ = __name__
ZFactorStatus.message = property(
    lambda self: _tarnvik.Z_FACTOR_STATUSES[self.value][2], doc="The failure in words; '' for SUCCESS."
)


class ExportError(RuntimeError):
    """export_eclipse could not write what was asked; the message says why.

    tables_written and deck_written say which files were written all the same (only
    the tables, when the deck could not take its place after them).
    """

    def __init__(self, message, tables_written=False, deck_written=False):
        super().__init__(message)
        self.tables_written = tables_written
        self.deck_written = deck_written


def calculate(case=None, /, *, api=None, gas_gravity=None, temperature=None, pressure=None, gor=None,
              bubble_point=None, porosity=None, swc=None, salinity=None, water_gravity=None, wor=None,
              co2=None, h2s=None, n2=None, oil=None, gas=None, rock=None, formation=None, units=None,
              threads=None):
    """Calculates the 21 quantities for one case, or for arrays of cases.

    Inputs (field units, or metric with units="metric"; each a number, or an array of
    numbers for many cases):
        api           stock-tank oil gravity [°API]; 0 means no oil
        gas_gravity   gas specific gravity [air = 1]; 0 means no gas
        temperature   reservoir temperature [°F]
        pressure      reservoir pressure [psia]
        gor           GOR at the bubble point [MCF/STB], or else
        bubble_point  bubble-point pressure [psia]
        porosity      porosity [% of bulk volume]
        swc           connate-water saturation [% of pore volume]
        salinity      water salinity [% NaCl by weight], or else
        water_gravity water specific gravity [fresh water = 1]
        wor           water-oil ratio [STB/STB]
        co2, h2s, n2  carbon dioxide, hydrogen sulphide and nitrogen in the gas [mol %],
                      optional (0 by default): the pseudo-critical properties are corrected
                      by Wichert and Aziz (CO2, H2S) and Carr, Kobayashi and Burrows (N2),
                      the gas viscosity by Carr, Kobayashi and Burrows' corrections
    Correlations (texts):
        oil        oil family, by its first three letters: "Standing" (the default),
                   "Vazquez/Beggs", "Glaso", "Al-Marhoun", "Petrosky/Farshad",
                   "Dokla/Osman", "Farshad", "Obomanu/Okpobiri", "Kartoatmodjo/Schmidt"
        gas        "wet" (the default) or "dry": the pseudo-critical properties
        rock       pore-volume compressibility: "Hall", "Van der Knaap", "Yale et. al.",
                   "Newman", or "" for none (the default)
        formation  for Newman and Yale et al.: "Consolidated Sands", "Friable Sands",
                   "Unconsolidated Sands", "Carbonates", or "" for none (the default)

    Threads: for arrays, the number of threads the cases run on (None, the default:
    every core this process may use; 1 for one). The threads take contiguous runs of
    the elements in turn, and every element's results are bit for bit those of one
    thread and of a scalar call.

    Units: "field" (the default) or "metric": temperature in °C, pressure and
    bubble_point in bara, gor in sm3/sm3, wor in sm3/sm3 given, and the results reported
    in metric units (sm3/sm3, rm3/sm3, bara, 1e-5/bar, kg/m3; see help(tarnvik)). A case's
    own inputs are held in field units whatever `units` says.

    Without `case` every input must be given (one of each pair). With a tarnvik.Case,
    the case's inputs and correlations apply and the arguments given replace them:
    calculate(case, pressure=numpy.linspace(500, 5000, 10)) runs the case at ten
    pressures.

    Returns a tarnvik.Result when every input is a number: each quantity a float in its
    display unit (see help(tarnvik)) or None where there is none, with status, message,
    out_of_range, not_computed and diagnostics. When any input is an array, the inputs
    are broadcast as numpy broadcasts them and a tarnvik.ArrayResult comes back: each
    quantity a float array of the broadcast shape, NaN where there is none, a status
    array, and the diagnostics per element. The GIL is released while the cases run,
    so other Python threads go on meanwhile.

    Raises ValueError for a missing input, both members of a pair, a correlation that
    names nothing, a value that is not a number, or arrays that do not broadcast; and, for
    one case, an input no reservoir has (NaN or infinite, a negative GOR, pressure,
    gravity, porosity, Swc, salinity or WOR, a porosity or Swc above 100 %, a temperature
    below absolute zero). In an array call such an element is not run: its status is
    ZFactorStatus.INVALID_INPUT, its values NaN, and its warnings say which input and why.
    """
    return _tarnvik._calculate(
        case,
        (api, gas_gravity, temperature, pressure, gor, bubble_point, porosity, swc, salinity, water_gravity, wor,
         co2, h2s, n2),
        (oil, gas, rock, formation, units),
        threads,
    )
