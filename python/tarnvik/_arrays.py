"""tarnvik.ArrayResult: the results of many runs as numpy arrays."""

import html

import numpy as np

from . import _tarnvik

_NAMES = tuple(name for name, _, _ in _tarnvik.FIELDS)
_MESSAGES = np.array([message for _, _, message in _tarnvik.Z_FACTOR_STATUSES], dtype=object)
# Rows of the mask block: out of range, not computed, then one per diagnostic kind.
_OUT_OF_RANGE, _NOT_COMPUTED, _FIRST_KIND = 0, 1, 2


def _names(mask):
    return tuple(name for i, name in enumerate(_NAMES) if int(mask) >> i & 1)


def _diagnostics(masks):
    """(kind, name) pairs in field order from one mask per diagnostic kind."""
    return tuple(
        (kind, name)
        for i, name in enumerate(_NAMES)
        for kind, mask in zip(_tarnvik.DIAGNOSTIC_KINDS, masks)
        if int(mask) >> i & 1
    )


_NO_WARNINGS: tuple = (np.zeros(0, np.uint64), np.zeros(0, np.uint16), np.zeros(0), [])
# Warnings about inputs and quantities rather than results: their subjects come from the
# warnings, not from the masks.
_SUBJECT_KINDS = ("blank", "outside_data_range")


def merge_warnings(parts):
    """One warning log from (warnings, rows) parts: each part's elements put at its rows."""
    elements, kinds, values, prototypes = [], [], [], []
    for (part_elements, part_kinds, part_values, part_prototypes), rows in parts:
        elements.append(np.asarray(rows)[part_elements.astype(np.intp)].astype(np.uint64))
        kinds.append(part_kinds.astype(np.uint32) + len(prototypes))
        values.append(part_values)
        prototypes.extend(part_prototypes)
    if not elements:
        return _NO_WARNINGS
    return np.concatenate(elements), np.concatenate(kinds), np.concatenate(values), prototypes


def _per_element(codes, describe):
    """An object array holding describe(code) for each element, built once per distinct code.

    codes: (rows, *shape); each element's code is its column of rows.
    """
    shape = codes.shape[1:]
    columns = codes.reshape(codes.shape[0], -1).T
    distinct, inverse = np.unique(columns, axis=0, return_inverse=True)
    described = np.empty(len(distinct), dtype=object)
    for i, code in enumerate(distinct):
        described[i] = describe(code)
    return described[inverse.reshape(-1)].reshape(shape)


class ArrayResult:
    """The results of many runs: tarnvik.calculate over arrays, pressure_table, compare_oil.

    Each of the 21 quantities is a float array of the result's shape, in the unit its
    docstring names (the units the desktop window shows), NaN where there is none: not
    computed in that run, outside a correlation's domain or not computable (the last two
    named in out_of_range). A z-factor failure at an element's reservoir pressure leaves
    all of its values NaN and is said in status and message.

    Key columns (pressure and note of a pressure table, family of a comparison) are
    attributes too, and come first in to_frame(). units maps each quantity to its unit
    (unit_system says which system); to_frame() carries them in the frame's attrs.
    Results pickle (to worker processes, say) and show as a table in Jupyter.
    """

    def __init__(self, values, status, masks, keys, columns, units=None, unit_system="field", *, warnings=None,
                 pbx=("pb", "psia"), oil=None):
        self._values = values
        self._masks = masks
        self._status = status
        self._warnings = _NO_WARNINGS if warnings is None else warnings
        # What pbx holds and its unit: for the whole call, or per element (a frame of both kinds).
        self._pbx = pbx
        # Where oil was computed (pbx_kind then says what pbx holds, even where pbx is NaN).
        self._oil = ~np.isnan(values[_NAMES.index("pbx")]) if oil is None else oil
        self.keys = {name: np.array(column) for name, column in keys.items()}
        self.columns = tuple(columns) if columns is not None else _NAMES
        self.units = dict(units) if units is not None else _tarnvik._units(True, unit_system)
        self.unit_system = unit_system
        self._described = {}

    def __getstate__(self):
        state = dict(self.__dict__)
        state["_described"] = {}  # computed again on demand
        return state

    def __getattr__(self, name):
        keys = self.__dict__.get("keys", {})
        if name in keys:
            return keys[name]
        raise AttributeError(f"ArrayResult has no attribute {name!r}")

    @property
    def shape(self):
        """The shape of every per-element array: the inputs' broadcast shape, or (rows,)."""
        return self._status.shape

    def __len__(self):
        return len(self._status)

    @property
    def status(self):
        """The status per element: int8 array of tarnvik.ZFactorStatus values. 0 is SUCCESS; 1 to 3
        a z-factor failure at the reservoir pressure; INVALID_INPUT an element with an input no
        reservoir can have (NaN, infinite, negative, a porosity or Swc above 100 %), not run, its
        values NaN and its warnings saying which input and why."""
        return self._status

    @property
    def message(self):
        """The failure per element in words ('' where there was none): object array."""
        return _MESSAGES[self._status]

    def _pbx_property(self, which):
        described = np.asarray(self._pbx[which], dtype=object)
        return np.where(self._oil, np.broadcast_to(described, self._oil.shape), None)

    @property
    def pbx_kind(self):
        """Per element, what pbx holds: "pb", the bubble-point pressure (the GOR was given), or
        "rsb", the GOR at the bubble point (the bubble point was given); None without oil."""
        return self._pbx_property(0)

    @property
    def pbx_unit(self):
        """Per element, the unit of pbx (psia, bara, MCF/STB or sm3/sm3); None without oil."""
        return self._pbx_property(1)

    @property
    def warnings(self):
        """Per element, what to be wary of: object array of lists of dicts, each with the keys of
        tarnvik.Result.warnings ("input" or "output", value, low, high, unit, correlation, kind);
        kind "impossible" (with "why") for the inputs of an INVALID_INPUT element."""
        if "warnings" not in self._described:
            elements, kinds, values, prototypes = self._warnings
            lists = np.empty(self._status.size, dtype=object)
            for i in range(lists.size):
                lists[i] = []
            for element, kind, value in zip(elements.tolist(), kinds.tolist(), values.tolist()):
                lists[element].append(dict(prototypes[kind], value=value))
            self._described["warnings"] = lists.reshape(self.shape)
        return self._described["warnings"]

    def _describe(self, key, rows, describe):
        if key not in self._described:
            self._described[key] = _per_element(self._masks[rows], describe)
        return self._described[key]

    @property
    def out_of_range(self):
        """Per element, the names of the quantities without a value although their fluid is present
        (outside a correlation's domain, or not computable): object array of tuples."""
        return self._describe("out_of_range", slice(_OUT_OF_RANGE, _NOT_COMPUTED + 1),
                              lambda masks: _names(masks[0] | masks[1]))

    @property
    def not_computed(self):
        """Per element, the names of the quantities that could not be computed although their fluid
        is present (gas and total compressibility when the z-factor fails at p - 5 and p + 5 psia)."""
        return self._describe("not_computed", slice(_NOT_COMPUTED, _NOT_COMPUTED + 1), lambda masks: _names(masks[0]))

    @property
    def diagnostics(self):
        """Per element, what its run said: tuples of (kind, name) pairs as tarnvik.Result.diagnostics
        has them, the name a result's column, or for a blank input or a value outside a
        correlation's data the input or quantity it is about ("api", "pressure")."""
        if "diagnostics" not in self._described:
            about_results = self._describe("results", slice(_FIRST_KIND, None), _diagnostics).reshape(-1)
            elements, kinds, _, prototypes = self._warnings
            subjects = [(p["kind"], p.get("input") or p.get("output")) for p in prototypes]
            extra = {}
            for element, kind in zip(elements.tolist(), kinds.tolist()):
                if subjects[kind][0] in _SUBJECT_KINDS:
                    extra.setdefault(element, []).append(subjects[kind])
            pairs = about_results.copy()
            for element, found in extra.items():
                pairs[element] = tuple(found) + about_results[element]
            self._described["diagnostics"] = pairs.reshape(self.shape)
        return self._described["diagnostics"]

    def to_frame(self, index=None, *, unit_names=False):
        """The results as a pandas DataFrame, one row per element (in C order): the key columns,
        status, message, the value columns, pbx_kind and pbx_unit (after them, where pbx is
        one: "pb" or "rsb" and its unit, None without oil), out_of_range and warnings.

        The frame's attrs["units"] maps each value column to its unit ("" for z);
        unit_names=True puts the units in the column names too ("bo [RB/STB]").
        """
        return self._frame(None, index, unit_names)

    def _frame(self, elements, index, unit_names):
        """The frame of the elements at the given flat positions (None: all)."""
        import pandas as pd

        def flat(array):
            array = array.reshape(-1)
            return array if elements is None else array[elements]

        data = {name: flat(column) for name, column in self.keys.items()}
        data["status"] = flat(self._status)
        data["message"] = _MESSAGES[data["status"]]
        for name in self.columns:
            data[name] = flat(getattr(self, name))
        if "pbx" in self.columns:
            data["pbx_kind"] = flat(self.pbx_kind)
            data["pbx_unit"] = flat(self.pbx_unit)
        if elements is None:
            data["out_of_range"] = self.out_of_range.reshape(-1)
        else:
            masks = self._masks.reshape(self._masks.shape[0], -1)[:, elements]
            data["out_of_range"] = _per_element(masks[_OUT_OF_RANGE:_NOT_COMPUTED + 1],
                                                lambda m: _names(m[0] | m[1]))
        data["warnings"] = flat(self.warnings)
        units = {name: self.units[name] for name in self.columns}
        if unit_names:
            data = {f"{name} [{units[name]}]" if units.get(name) else name: column for name, column in data.items()}
        frame = pd.DataFrame(data, index=index)
        frame.attrs["units"] = units
        frame.attrs["unit_system"] = self.unit_system
        return frame

    def _repr_html_(self):
        """Jupyter's view: the first and last rows as a table, with the units in the header."""
        try:
            import pandas as pd
        except ImportError:
            return None
        count = int(self._status.size)
        shown = np.arange(count) if count <= 20 else np.r_[0:10, count - 10:count]
        frame = self._frame(shown, shown, True)
        frame.index.name = "element" if self._status.ndim == 1 else f"element (C order of {self.shape})"
        with pd.option_context("display.max_rows", 20, "display.max_columns", 40):
            table = frame._repr_html_()
        more = f"<p>{count:,} elements; the first and last 10 shown</p>" if count > 20 else ""
        return f"<p>{html.escape(repr(self))}</p>{table}{more}"

    def __repr__(self):
        failed = int(np.count_nonzero(self._status))
        return f"ArrayResult(shape={self.shape}, z-factor failures={failed}, columns={', '.join(self.columns)})"


def _value_property(index, name, caption, unit):
    doc = f"{caption} [{unit}]" if unit else caption
    if name == "pbx":
        _, other, other_unit = _tarnvik.GOR_AT_BUBBLE_POINT_FIELD
        doc += f" when the GOR was given; otherwise the {other[0].lower() + other[1:]} [{other_unit}]"
    return property(lambda self: self._values[index], doc=doc + ": float array, NaN where there is none.")


for _index, (_name, _caption, _unit) in enumerate(_tarnvik.FIELDS):
    setattr(ArrayResult, _name, _value_property(_index, _name, _caption, _unit))
