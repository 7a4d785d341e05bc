"""How one case's results show: in Jupyter (an HTML table) and as a one-row DataFrame."""

import html

from . import _tarnvik

_CAPTIONS = {name: caption for name, caption, _ in _tarnvik.FIELDS}


def _shown(value):
    return "" if value is None else f"{value:.6g}"


def result_html(self):
    """Result._repr_html_: the 21 quantities with their units, then what the run said."""
    values = self.as_dict()
    units = self.units
    rows = []
    for name, caption in _CAPTIONS.items():
        if name == "pbx" and values["pbx_label"]:
            caption = values["pbx_label"].split(",")[0].strip()
        unit = units[name]
        rows.append(f"<tr><td>{html.escape(caption)}</td><td><code>{name}</code></td>"
                    f"<td style='text-align:right'>{_shown(values[name])}</td><td>{html.escape(unit)}</td></tr>")
    notes = []
    if self.message:
        notes.append(f"<b>{html.escape(self.message)}</b>")
    if values["out_of_range"]:
        notes.append("No value (outside a correlation's domain or not computable): " +
                     ", ".join(values["out_of_range"]))
    warned = [f"{w.get('input') or w.get('output')} ({w['kind'].replace('_', ' ')})" for w in self.warnings]
    if warned:
        notes.append("Warnings: " + ", ".join(dict.fromkeys(warned)))
    return ("<table><thead><tr><th>Quantity</th><th>Name</th><th>Value</th><th>Unit</th></tr></thead><tbody>" +
            "".join(rows) + "</tbody></table>" + "".join(f"<p>{note}</p>" for note in notes))


def result_frame(self, index=None, *, unit_names=False):
    """Result.to_frame: the results as a one-row pandas DataFrame, with the columns of
    ArrayResult.to_frame() (status, message, the 21 quantities, NaN where there is none,
    pbx_kind, pbx_unit, out_of_range and warnings); attrs["units"] maps each quantity to its unit, and unit_names=True
    puts the units in the column names too ("bo [RB/STB]")."""
    import pandas as pd

    values = self.as_dict()
    data = {"status": [int(self.status)], "message": [values["message"]]}
    for name in _CAPTIONS:
        data[name] = [float("nan") if values[name] is None else values[name]]
    data["pbx_kind"] = [values["pbx_kind"]]
    data["pbx_unit"] = [values["pbx_unit"]]
    data["out_of_range"] = [values["out_of_range"]]
    data["warnings"] = [values["warnings"]]
    units = self.units
    if unit_names:
        data = {f"{name} [{units[name]}]" if units.get(name) else name: column for name, column in data.items()}
    frame = pd.DataFrame(data, index=index)
    frame.attrs["units"] = dict(units)
    frame.attrs["unit_system"] = self.unit_system
    return frame
