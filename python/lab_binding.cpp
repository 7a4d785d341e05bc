#include "lab_binding.h"

#include <optional>
#include <string>

#include "calc/lab_fit.h"
#include "present/selection_texts.h"

namespace tarnvik::python {

const char* const kTuningDoc =
    R"(The tuning of the oil family in force to the case's lab data, or None.

A dict: family; pressure_scale, pressure_exponent, reference_pressure [psia],
bo_factor and viscosity_factor (the factors the tuned family applies); and, when the
case carries lab data that the family can be compared with, separator_adjusted (True
when Rs and Bo were adjusted to separator conditions) and the errors against the data
untuned and tuned: "untuned" and "tuned", each {"score": percent, "pb": {"error":
percent or None, "points": n}, "rs": ..., "bo": ..., "oil_viscosity": ...,
"oil_compressibility": ...}, as rank_oil gives them; otherwise these three are None.)";

namespace {

constexpr std::array<const char*, kLabPropertyCount> kPropertyNames = {"pb", "rs", "bo", "oil_viscosity",
                                                                       "oil_compressibility"};

py::object Optional(const std::optional<double>& value) {
  return value ? py::object(py::float_(*value)) : py::object(py::none());
}

// The score and each property's error (percent, None without points) and points.
py::dict Errors(const LabErrors& errors) {
  py::dict figures;
  figures["score"] = 100 * LabScore(errors);
  for (std::size_t i = 0; i < kLabPropertyCount; ++i) {
    py::dict item;
    item["error"] = errors[i].points == 0 ? py::object(py::none()) : py::object(py::float_(100 * errors[i].aare));
    item["points"] = errors[i].points;
    figures[kPropertyNames[i]] = item;
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

}  // namespace

py::object LabReportOf(const PythonCase& c) { return c.lab.data ? py::cast(*c.lab.data) : py::none(); }

py::object TuningOf(const PythonCase& c) {
  const OilTuning& t = c.lab.tuning;
  if (!t.active) return py::none();
  py::dict tuning;
  tuning["family"] = OilCorrelationName(t.family);
  tuning["pressure_scale"] = t.pressureScale;
  tuning["pressure_exponent"] = t.pressureExponent;
  tuning["reference_pressure"] = t.referencePressure;
  tuning["bo_factor"] = t.boFactor;
  tuning["viscosity_factor"] = t.viscosityFactor;
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
    tuning["untuned"] = Errors(ErrorsAgainstLab(labCase, compared, family));
    tuning["tuned"] = Errors(ErrorsAgainstLab(labCase, compared, family, &t));
  }
  return tuning;
}

void BindLab(py::module_& module) {
  py::class_<LabData> report(module, "LabReport",
                             R"(A laboratory report on an oil: the lab data a case carries (Case.lab).

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

}  // namespace tarnvik::python
