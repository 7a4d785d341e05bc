#include "lab_binding.h"

#include <optional>
#include <string>

#include "calc/oil_tuning_fit.h"
#include "model/lab_file.h"
#include "model/lab_residuals.h"
#include "present/selection_texts.h"
#include "present/warning_texts.h"

namespace tarnvik::python {

const char* const kTuningDoc =
    R"(The tuning of the oil family in force to the case's lab data, or None.

A dict: version (2: the maps through the measured points; 1: a tuning saved by an
earlier release, a pressure scale and exponent and two factors), family, the tuning's
numbers (version 2: bo_factor, bo_shift, compressibility_factor,
dead_oil_viscosity_factor, undersaturated_viscosity_factor, reference_temperature [°F]
where there is a viscosity curve, and the nodes of rs_map [psia, family psia],
low_rs_map, bo_map [SCF/STB, SCF/STB] and viscosity_curve [SCF/STB, ln cp] as lists of
pairs; version 1: pressure_scale, pressure_exponent, reference_pressure [psia],
bo_factor, viscosity_factor), as tarnvik-calc --rank-oil --format json gives them; and,
when the case carries lab data that the family can be compared with, separator_adjusted
(True when Rs and Bo were adjusted to separator conditions) and the errors against the
data untuned and tuned: "untuned" and "tuned", each {"score": percent, "pb": {"error":
percent or None, "max_error": ..., "points": n}, "rs": ..., ...}, as rank_oil gives them;
otherwise these three are None.)";

namespace {

py::object Optional(const std::optional<double>& value) {
  return value ? py::object(py::float_(*value)) : py::object(py::none());
}

// The score and each property's error (percent, None without points) and points.
py::dict Errors(const LabErrors& errors) {
  py::dict figures;
  figures["score"] = 100 * LabScore(errors);
  for (std::size_t i = 0; i < kLabPropertyCount; ++i) {
    py::dict item;
    const bool none = errors[i].points == 0;
    item["error"] = none ? py::object(py::none()) : py::object(py::float_(100 * errors[i].aare));
    item["max_error"] = none ? py::object(py::none()) : py::object(py::float_(100 * errors[i].maxError));
    item["points"] = errors[i].points;
    figures[py::str(std::string(kLabPropertyTexts[i].name))] = item;
  }
  return figures;
}

py::list Points(const LabData& data) {
  py::list points;
  for (const LabPoint& p : data.points) {
    py::dict point;
    point["pressure"] = p.pressure;
    point["rs"] = Optional(p.rs);
    point["bo"] = Optional(p.bo);
    point["oil_viscosity"] = Optional(p.oilViscosity);
    point["oil_compressibility"] = Optional(p.oilCompressibility);
    point["z"] = Optional(p.z);
    point["bg"] = Optional(p.bg);
    point["relative_volume"] = Optional(p.relativeVolume);
    points.append(point);
  }
  return points;
}

std::string Repr(const LabData& data) {
  std::string text = "LabReport(";
  if (!data.source.empty()) text += "source=" + std::string(py::repr(py::str(data.source))) + ", ";
  text += "temperature=" + std::string(py::repr(py::float_(data.temperatureF))) +
          ", bubble_point=" + std::string(py::repr(py::float_(data.bubblePoint))) +
          ", gor=" + std::string(py::repr(py::float_(data.gor))) + ", points=" + std::to_string(data.points.size());
  return text + ")";
}

LabData ReadLab(const py::object& file) {
  const std::string path = PathOf(file, "path");
  LabData data;
  std::string error;
  int fileError = 0;
  if (!ReadLabFileAt(path, data, error, fileError)) {
    if (fileError != 0) ThrowFileError(fileError, path);
    throw py::value_error(path + ": " + error);
  }
  return data;
}

// The lab data an argument names: a LabReport, a lab file's path, or None for the case's own.
LabData LabOf(const py::object& lab, const PythonCase& c) {
  if (lab.is_none()) {
    if (!c.lab.data) {
      throw py::value_error("lab: the case carries no lab data; give a lab file's path or a tarnvik.LabReport");
    }
    return *c.lab.data;
  }
  if (py::isinstance<LabData>(lab)) return lab.cast<LabData>();
  if (!py::isinstance<py::str>(lab) && !py::isinstance<py::bytes>(lab) &&
      !py::isinstance(lab, py::module_::import("os").attr("PathLike"))) {
    throw py::value_error("lab: expected a lab file's path or a tarnvik.LabReport, got " +
                          std::string(py::str(py::type::handle_of(lab).attr("__name__"))));
  }
  return ReadLab(lab);
}

OilRanking Rank(const PythonCase& c, const LabData& data) {
  OilRanking ranking;
  std::string error;
  if (!RankOilFamilies(c.calculation, data, ranking, error)) throw py::value_error(error);
  return ranking;
}

// Each residual of a comparison as a dict, in field units; `family` names the model.
py::list Residuals(const LabComparison& comparison, const std::string& family, bool tuned) {
  py::list rows;
  for (const ShownResidual& r : ShownResiduals(comparison, UnitSystem::Field)) {
    const LabPropertyText& text = TextOf(r.property);
    py::dict row;
    row["family"] = family;
    row["tuned"] = tuned;
    row["pressure"] = r.pressure;
    row["property"] = std::string(text.name);
    row["unit"] = std::string(UnitIn(*text.quantity, UnitSystem::Field));
    row["measured"] = r.measured;
    row["predicted"] = r.predicted;
    row["error"] = r.errorPercent;
    row["target"] = r.targetPercent ? py::object(py::float_(*r.targetPercent)) : py::object(py::none());
    row["within_target"] = r.withinTarget;
    rows.append(row);
  }
  return rows;
}

py::dict TuningDict(const OilTuning& t) {
  const TuningFields fields = TuningFieldsOf(t);
  py::dict tuning;
  tuning["version"] = fields.version;
  tuning["family"] = OilCorrelationName(t.family);
  for (const TuningNumber& n : fields.numbers) tuning[py::str(std::string(n.name))] = n.value;
  if (fields.version < 2) return tuning;
  for (const TuningFields::NamedMap& map : fields.maps()) {
    py::list list;
    for (const MapNode& node : map.nodes) list.append(py::make_tuple(node.x, node.y));
    tuning[py::str(std::string(map.name))] = list;
  }
  return tuning;
}

py::list RankOil(const py::object& caseObject, const py::object& lab) {
  const PythonCase& c = CaseOf(caseObject, "case");
  const OilRanking ranking = Rank(c, LabOf(lab, c));
  py::list rows;
  for (std::size_t i = 0; i < ranking.families.size(); ++i) {
    const FamilyRank& f = ranking.families[i];
    py::dict row;
    row["rank"] = i + 1;
    row["family"] = OilCorrelationName(f.family);
    for (const auto& [key, value] : Errors(f.errors())) row[key] = value;
    row["ranked_score"] = 100 * f.rankedScore;
    row["data_range"] = std::string(DataFitText(LabDataFit(f)));
    py::list codes;
    for (const Diagnostic& outside : f.outsideData) codes.append(WarningCode(outside, GorSelectorMode::Gor));
    row["outside_data"] = codes;
    row["separator_adjusted"] = ranking.separatorAdjusted;
    row["residuals"] = Residuals(f.comparison, std::string(OilCorrelationName(f.family)), false);
    rows.append(row);
  }
  return rows;
}

// Every family's residuals, then, when the case's tuning is in force, the tuned family's.
py::list LabResiduals(const py::object& caseObject, const py::object& lab) {
  const PythonCase& c = CaseOf(caseObject, "case");
  const OilRanking ranking = Rank(c, LabOf(lab, c));
  py::list rows;
  for (const FamilyRank& f : ranking.families) {
    for (const auto& row : Residuals(f.comparison, std::string(OilCorrelationName(f.family)), false)) rows.append(row);
  }
  if (const OilTuning* tuning = TuningInForce(c.calculation.selection)) {
    const LabComparison tuned = CompareWithLab(ranking.labCase, ranking.compared, tuning->family, tuning);
    for (const auto& row : Residuals(tuned, std::string(OilCorrelationName(tuning->family)), true)) rows.append(row);
  }
  return rows;
}

PythonCase Tune(const py::object& caseObject, const py::object& lab, const py::object& familyName) {
  const PythonCase& c = CaseOf(caseObject, "case");
  LabData data = LabOf(lab, c);
  // The rule of every face: the family named, else the saved tuning's, else the best-ranked.
  const std::optional<OilCorrelation> family = OilFamilyOf(familyName, "family");
  TunedEntry tuned;
  std::string error;
  if (!TuneEntry(CaseEntry{c.record, c.lab, c.gas, c.formation}, {}, data, family, tuned, error)) {
    throw py::value_error(error);
  }
  CaseRecord record = c.record;
  record.oilCaption = OilCorrelationItem(tuned.calculationCase.selection.oilCorrelation);
  return MakeCase(std::move(record), c.formation, CaseLab{std::move(tuned.lab), tuned.fit.tuning}, c.gas);
}

}  // namespace

py::object LabReportOf(const PythonCase& c) { return c.lab.data ? py::cast(*c.lab.data) : py::none(); }

py::object TuningOf(const PythonCase& c) {
  const OilTuning& t = c.lab.tuning;
  if (!t.active) return py::none();
  py::dict tuning = TuningDict(t);
  tuning["separator_adjusted"] = py::none();
  tuning["untuned"] = py::none();
  tuning["tuned"] = py::none();
  // The errors as the tuning's fit reports them: the family untuned and tuned against the
  // data at separator conditions, in the case at the report's conditions.
  LabData compared;
  CalculationCase labCase;
  std::string error;
  if (c.lab.data && AtSeparatorConditions(*c.lab.data, compared, error) &&
      LabCase(c.calculation, compared, labCase, error)) {
    const OilCorrelation family = c.calculation.selection.oilCorrelation;
    tuning["separator_adjusted"] = c.lab.data->separator.has_value();
    tuning["untuned"] = Errors(CompareWithLab(labCase, compared, family).errors);
    tuning["tuned"] = Errors(CompareWithLab(labCase, compared, family, &t).errors);
  }
  return tuning;
}

namespace {

// tarnvik.LabReport: a lab file's report, read-only.
void DefineLabReport(py::module_& module) {
  py::class_<LabData> report(module, "LabReport",
                             R"(A laboratory report on an oil, as tarnvik.read_lab reads a lab file.

In field units, whatever units the file was written in: temperature [°F],
bubble_point [psia] (measured), gor [SCF/STB] (the GOR at the bubble point; the
differential one when there is a separator test), separator None or (Bofb [RB/STB],
Rsfb [SCF/STB]), api [°API] and gas_gravity [air = 1] or None where the report gives
none (the case's are used), source (text), and points: a list of dicts by increasing
pressure with pressure [psia], rs [SCF/STB], bo [RB/STB], oil_viscosity [cp],
oil_compressibility [1/psi], z and bg [RB/MCF], None where not measured.)");
  report.def_property_readonly("source", [](const LabData& d) { return d.source; });
  report.def_property_readonly("temperature", [](const LabData& d) { return d.temperatureF; });
  report.def_property_readonly("bubble_point", [](const LabData& d) { return d.bubblePoint; });
  report.def_property_readonly("gor", [](const LabData& d) { return d.gor; });
  report.def_property_readonly("separator", [](const LabData& d) {
    return d.separator ? py::object(py::make_tuple(d.separator->bo, d.separator->gor)) : py::object(py::none());
  });
  report.def_property_readonly("api", [](const LabData& d) { return Optional(d.apiGravity); });
  report.def_property_readonly("gas_gravity", [](const LabData& d) { return Optional(d.gasGravity); });
  report.def_property_readonly("points", &Points);
  report.def("__repr__", &Repr);
  report.def("__eq__", [](const LabData& a, const py::object& b) {
    return py::isinstance<LabData>(b) && a == b.cast<const LabData&>();
  });
  report.attr("__hash__") = py::none();
}

}  // namespace

void BindLab(py::module_& module) {
  DefineLabReport(module);

  module.def("read_lab", &ReadLab, py::arg("path"),
             R"(Reads a lab file: a laboratory report on an oil, a tarnvik.LabReport.

A lab file is comma-separated text: "tarnvik-lab,1,field" (or metric), the reservoir
temperature, the measured bubble point and GOR, an optional separator test, API and gas
gravity, then a table of points by pressure (see docs/lab-data.md). The report is held in
field units whatever the file's units.

path: the file (str or path-like).
Raises ValueError naming the line and column ("line 12, column 2 (bo): ...") when the
file is not a valid lab file, OSError when it cannot be read.)");
  module.def("rank_oil", &RankOil, py::arg("case"), py::arg("lab") = py::none(),
             R"(The nine oil families ranked against lab data, best first.

case: a tarnvik.Case (its API and gas gravity stand in where the report gives none).
lab: a lab file's path or a tarnvik.LabReport; None (the default) uses the case's own
    lab data, a ValueError when it carries none.

Each family at the report's temperature predicts the bubble point from the measured
GOR, and Rs, Bo, oil viscosity and compressibility, relative volume, z and Bg at each
measured pressure (Rs and Bo at separator conditions when there is a separator test).
Errors are relative to the measured value, Rs below a tenth of the GOR at the bubble
point relative to that GOR. Returns a list of nine dicts, best first: rank (1 for the
best), family, score (percent: the mean of the errors of pb, rs, bo and oil_viscosity
over those measured), ranked_score (the score plus 2 points for a family whose published
data do not cover the report, 1 for one whose data are unknown: what the families are
sorted by), pb, rs, bo, oil_viscosity, oil_compressibility, relative_volume, z and bg,
each {"error": average absolute error in percent or None without points, "max_error":
the largest, "points": n}, data_range ("inside", "outside" the family's published data,
or "unknown"), outside_data (the codes of the report's values outside them, such as
api>48.1(Glaso)), separator_adjusted, and residuals (a list of dicts, one per measured
value: pressure [psia], property, unit, measured, predicted, error [%], target [%] or
None, within_target). The same figures as tarnvik-calc --rank-oil --format json.
Raises ValueError when the data cannot be compared (no API or gas gravity).)");
  module.def("_lab_residuals", &LabResiduals, py::arg("case"), py::arg("lab") = py::none());
  module.def("tune", &Tune, py::arg("case"), py::arg("lab") = py::none(), py::arg("family") = py::none(),
             R"(A new tarnvik.Case with an oil family tuned to lab data and in force.

case: the tarnvik.Case to tune.
lab: a lab file's path or a tarnvik.LabReport; None (the default) uses the case's own
    lab data, a ValueError when it carries none.
family: the family to tune by name ("Standing", "Glaso", ...; the first three letters
    decide); None (the default) fits the case's saved tuning's family again, or, without
    one, the best-ranked family (rank_oil), as tarnvik-calc --tune does.

The tuned family gives the measured bubble point at the measured GOR and passes through
every measured Rs, saturated Bo and oil viscosity (a monotone map of pressure for Rs; a
factor, shift and map for Bo as a function of Rs; the measured dead oil and a smooth
falling curve for the viscosity), with factors on the undersaturated compressibility and
viscosity slope fitted to the points above the bubble point.
The new case carries the lab data and the tuning (case.lab, case.tuning with the errors
untuned and tuned), write_cases saves both after its record, and calculate,
pressure_table, compare_oil and export_eclipse run the tuned family. Raises ValueError
when the family cannot be tuned to the data.)");
}

}  // namespace tarnvik::python
