// What the Python objects of the extension need beyond their bindings: their state for
// pickle (tarnvik.Result, Case and LabReport travel to worker processes, Dask workers and
// saved sessions), and the unit each value of a result is shown in.
#include <pybind11/stl.h>

#include <limits>
#include <string>
#include <vector>

#include "calc/lab_data.h"
#include "io/case_record.h"
#include "model/case_lab.h"
#include "model/lab_file.h"
#include "object_states.h"
#include "present/output_fields.h"
#include "present/run_messages.h"
#include "python_case.h"
#include "results.h"

namespace tarnvik::python {
namespace {

// The state layout; a state of another layout (another release) is refused, not misread.
constexpr int kStateLayout = 1;

template <typename Enum>
int Code(const std::optional<Enum>& value) {
  return value ? static_cast<int>(*value) : -1;
}
template <typename Enum>
std::optional<Enum> FromCode(int code) {
  return code < 0 ? std::nullopt : std::optional<Enum>(static_cast<Enum>(code));
}

py::object Optional(const std::optional<double>& value) {
  return value ? py::object(py::float_(*value)) : py::object(py::none());
}
std::optional<double> OptionalOf(const py::handle& value) {
  return value.is_none() ? std::nullopt : std::optional<double>(value.cast<double>());
}

void CheckLayout(const py::tuple& state, std::size_t size, const char* what) {
  if (state.size() != size || state[0].cast<int>() != kStateLayout) {
    throw py::value_error(std::string("cannot restore a ") + what +
                          " pickled by another release of tarnvik; calculate it again with this one");
  }
}

py::tuple ResultState(const ScalarResult& r) {
  py::tuple values(kOutputFieldCount);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) values[i] = Optional(ShownValue(r.shown.values[i]));
  py::list diagnostics;
  for (const Diagnostic& d : r.diagnostics) {
    diagnostics.append(py::make_tuple(static_cast<int>(d.kind), static_cast<int>(d.field), static_cast<int>(d.quantity),
                                      Code(d.input), Code(d.output), d.value, d.range.low, d.range.high,
                                      static_cast<int>(d.side), d.lowIncluded, Code(d.correlation)));
  }
  return py::make_tuple(kStateLayout, values, r.shown.outOfRange, r.shown.notComputed, static_cast<int>(r.status),
                        static_cast<int>(r.gorMode), static_cast<int>(r.units), r.pbCaption.has_value(),
                        py::tuple(diagnostics), r.pbxKind.has_value());
}

ScalarResult ResultFromState(const py::tuple& state) {
  CheckLayout(state, 10, "tarnvik.Result");
  ScalarResult r;
  const py::tuple values = state[1];
  for (std::size_t i = 0; i < kOutputFieldCount; ++i)
    r.shown.values[i] = OptionalOf(values[i]).value_or(std::numeric_limits<double>::quiet_NaN());
  r.shown.outOfRange = state[2].cast<FieldMask>();
  r.shown.notComputed = state[3].cast<FieldMask>();
  r.status = static_cast<ZFactorStatus>(state[4].cast<int>());
  r.gorMode = static_cast<GorSelectorMode>(state[5].cast<int>());
  r.units = static_cast<UnitSystem>(state[6].cast<int>());
  if (state[7].cast<bool>()) r.pbCaption = PbCaption(r.gorMode);
  for (const py::handle item : state[8].cast<py::tuple>()) {
    const py::tuple t = py::reinterpret_borrow<py::tuple>(item);
    Diagnostic d{static_cast<DiagnosticKind>(t[0].cast<int>())};
    d.field = static_cast<OutputField>(t[1].cast<int>());
    d.quantity = static_cast<RangedQuantity>(t[2].cast<int>());
    d.input = FromCode<InputField>(t[3].cast<int>());
    d.output = FromCode<OutputField>(t[4].cast<int>());
    d.value = t[5].cast<double>();
    d.range = {t[6].cast<double>(), t[7].cast<double>()};
    d.side = static_cast<Side>(t[8].cast<int>());
    d.lowIncluded = t[9].cast<bool>();
    d.correlation = FromCode<Correlation>(t[10].cast<int>());
    r.diagnostics.push_back(d);
  }
  if (state[9].cast<bool>()) r.pbxKind = PbxKindWithOil(r.gorMode, r.units);
  return r;
}

// A case as the fields of its record, the formation type, the gas impurities and the lab
// data and tuning in the lines a case file holds them in (which read back exactly).
py::tuple CaseState(const PythonCase& c) {
  const CaseRecord& record = c.record;
  py::tuple numbers(record.numbers.size());
  for (std::size_t i = 0; i < record.numbers.size(); ++i) numbers[i] = Optional(record.numbers[i]);
  return py::make_tuple(
      kStateLayout,
      // Bytes: a title read from a file need not be UTF-8.
      py::make_tuple(py::bytes(record.title), py::bytes(record.gorSelector), py::bytes(record.waterSelector),
                     py::bytes(record.oilCaption), py::bytes(record.gasCaption), py::bytes(record.rockCaption)),
      numbers, static_cast<int>(c.formation), py::make_tuple(c.gas.co2, c.gas.h2s, c.gas.n2),
      py::bytes(WriteCaseLab(c.lab)));
}

PythonCase CaseFromState(const py::tuple& state) {
  CheckLayout(state, 6, "tarnvik.Case");
  CaseRecord record;
  const auto texts = state[1].cast<std::vector<std::string>>();
  if (texts.size() != 6) throw py::value_error("tarnvik.Case: a malformed state");
  record.title = texts[0];
  record.gorSelector = texts[1];
  record.waterSelector = texts[2];
  record.oilCaption = texts[3];
  record.gasCaption = texts[4];
  record.rockCaption = texts[5];
  const py::tuple numbers = state[2];
  for (std::size_t i = 0; i < record.numbers.size(); ++i) record.numbers[i] = OptionalOf(numbers[i]);
  const auto gas = state[4].cast<std::array<double, 3>>();
  // The lab lines as a case file holds them after the record, each "@..." on its own line.
  std::vector<CaseRecordReader::AttachedLine> lines;
  const std::string text = state[5].cast<std::string>();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back({lines.size() + 2, line.front() == '@' ? line.substr(1) : line});
    start = end + 1;
  }
  CaseLab lab;
  std::string error;
  if (!ReadCaseLab(lines, lab, error)) throw py::value_error("tarnvik.Case: its lab data do not read: " + error);
  return MakeCase(std::move(record), static_cast<FormationType>(state[3].cast<int>()), std::move(lab),
                  GasImpurities{gas[0], gas[1], gas[2]});
}

py::tuple LabState(const LabData& data) {
  return py::make_tuple(kStateLayout, py::bytes(WriteLabFile(data, UnitSystem::Field)));
}

LabData LabFromState(const py::tuple& state) {
  CheckLayout(state, 2, "tarnvik.LabReport");
  LabData data;
  UnitSystem units = UnitSystem::Field;
  std::string error;
  if (!ReadLabFile(state[1].cast<std::string>(), data, units, error)) {
    throw py::value_error("tarnvik.LabReport: its lab file does not read: " + error);
  }
  return data;
}

}  // namespace

py::dict UnitsOf(GorSelectorMode gorMode, UnitSystem units) {
  py::dict result;
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    const auto field = static_cast<OutputField>(i);
    result[py::str(kOutputFields[i].column)] = std::string(FieldInfo(field, gorMode, units).unit);
  }
  return result;
}

void BindStates(py::module_& module) {
  // The states pickle keeps; tarnvik/_states.py gives the classes their __reduce__.
  module.def("_result_state", &ResultState);
  module.def("_result_from_state", &ResultFromState);
  module.def("_case_state", &CaseState);
  module.def("_case_from_state", &CaseFromState);
  module.def("_lab_state", &LabState);
  module.def("_lab_from_state", &LabFromState);
  const py::object property = py::module_::import("builtins").attr("property");
  py::type::of<ScalarResult>().attr("units") = property(
      py::cpp_function([](const ScalarResult& r) { return UnitsOf(r.gorMode, r.units); }), py::none(), py::none(),
      "The unit of each quantity as shown: a dict from its name to its unit (\"MCF/STB\", \"bara\", ...; \"\" "
      "for z); pbx's is the bubble point's or the GOR's, as pbx_label says.");
  py::type::of<ScalarResult>().attr("unit_system") = property(
      py::cpp_function([](const ScalarResult& r) { return r.units == UnitSystem::Metric ? "metric" : "field"; }),
      py::none(), py::none(), "The units the values are shown in: \"field\" or \"metric\", as calculate was asked.");
  module.def(
      "_units",
      [](bool gor, const std::string& system) {
        return UnitsOf(gor ? GorSelectorMode::Gor : GorSelectorMode::BubblePoint,
                       system == "metric" ? UnitSystem::Metric : UnitSystem::Field);
      },
      py::arg("gor"), py::arg("units"), "The unit of each quantity, for GOR or bubble-point input, in a unit system.");
}

}  // namespace tarnvik::python
