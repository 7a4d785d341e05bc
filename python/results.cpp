#include "results.h"

#include <cctype>
#include <string>

#include "present/output_fields.h"
#include "present/run_messages.h"

namespace tarnvik::python {
namespace {

constexpr const char* kResultDoc = R"(The results of one case, as tarnvik.calculate returns them.

Each of the 21 quantities is a property holding a float in the unit its docstring names
(the units the desktop window shows: MCF/STB, microsips = 1e-6 1/psi, percent of pore
volume), or None where there is none: not computed in this run (no oil, say), outside a
correlation's domain, or not computable although its fluid is present; the last two are
named in out_of_range. On a z-factor failure at the reservoir pressure every value is
None, and status and message say which failure it was.)";

std::string Describe(const OutputFieldInfo& info) {
  std::string text(info.caption);
  if (!info.unit.empty()) text.append(" [").append(info.unit).append("]");
  return text;
}

py::tuple Description(const OutputFieldInfo& info) { return py::make_tuple(info.column, info.caption, info.unit); }

py::object ValueOf(const ScalarResult& result, std::size_t field) {
  const Quantity& value = result.shown.values[field];
  return value ? py::object(py::float_(*value)) : py::none();
}

py::tuple Diagnostics(const ScalarResult& result) {
  py::tuple items(result.diagnostics.size());
  for (std::size_t i = 0; i < result.diagnostics.size(); ++i) {
    const Diagnostic& d = result.diagnostics[i];
    items[i] = py::make_tuple(kDiagnosticKindNames[static_cast<std::size_t>(d.kind)], InfoOf(d.field).column);
  }
  return items;
}

// The run as a JSON line of tarnvik-calc holds it: message, pbx_label, the 21 values and
// out_of_range.
py::dict AsDict(const ScalarResult& result) {
  py::dict values;
  values["message"] = ZFactorMessage(result.status);
  values["pbx_label"] = result.pbCaption.value_or("");
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) values[py::str(kOutputFields[i].column)] = ValueOf(result, i);
  values["out_of_range"] = FieldNames(result.shown.outOfRange | result.shown.notComputed);
  return values;
}

std::string Repr(const ScalarResult& result) {
  std::string text = "Result(";
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    text.append(i ? ", " : "").append(kOutputFields[i].column).append("=");
    text.append(py::repr(ValueOf(result, i)));
  }
  if (result.status != ZFactorStatus::Success)
    text.append(", message=").append(py::repr(py::str(ZFactorMessage(result.status))));
  const FieldMask without = result.shown.outOfRange | result.shown.notComputed;
  if (without) text.append(", out_of_range=").append(py::repr(FieldNames(without)));
  return text + ")";
}

}  // namespace

ScalarResult MakeScalarResult(CalculationOutcome&& outcome, GorSelectorMode gorMode, UnitSystem units) {
  ScalarResult result;
  result.status = outcome.zFactorStatus;
  result.gorMode = gorMode;
  result.units = units;
  result.pbCaption = PbCaption(outcome, gorMode);
  if (!outcome.failed()) result.shown = ValuesToShow(outcome, gorMode, units);
  result.diagnostics = std::move(outcome.diagnostics);
  return result;
}

py::tuple FieldNames(FieldMask mask) {
  py::list names;
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    if (mask & MaskOf(static_cast<OutputField>(i))) names.append(kOutputFields[i].column);
  }
  return py::tuple(names);
}

py::tuple FieldDescriptions() {
  py::tuple fields(kOutputFieldCount);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) fields[i] = Description(kOutputFields[i]);
  return fields;
}

py::tuple GorAtBubblePointDescription() { return Description(kGorAtBubblePointField); }

void BindResult(py::module_& module) {
  py::class_<ScalarResult> cls(module, "Result", kResultDoc);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) {
    const auto field = static_cast<OutputField>(i);
    std::string doc = Describe(InfoOf(field));
    if (field == OutputField::PbOrRsb) {
      std::string other = Describe(kGorAtBubblePointField);
      other[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(other[0])));
      doc += " when the GOR was given; otherwise the " + other;
    }
    cls.def_property_readonly(
        std::string(kOutputFields[i].column).c_str(), [i](const ScalarResult& r) { return ValueOf(r, i); },
        doc.c_str());
  }
  cls.def_property_readonly(
      "status",
      [](const ScalarResult& r) {
        return py::module_::import("tarnvik").attr("ZFactorStatus")(static_cast<int>(r.status));
      },
      "The z-factor at the reservoir pressure: ZFactorStatus.SUCCESS, or the failure that ended the run.");
  cls.def_property_readonly(
      "message", [](const ScalarResult& r) { return ZFactorMessage(r.status); },
      "The z-factor failure in words (\"pTr<1: z-factor Routine FAILS\", ...); \"\" when there was none.");
  cls.def_property_readonly(
      "pbx_label", [](const ScalarResult& r) { return r.pbCaption.value_or(""); },
      "The window's caption of pbx: \"Bubble Point Pressure, psia\" or \"     GOR MCF/STB\"; \"\" without oil.");
  cls.def_property_readonly(
      "out_of_range", [](const ScalarResult& r) { return FieldNames(r.shown.outOfRange | r.shown.notComputed); },
      "Names of the quantities without a value although their fluid is present: outside a correlation's "
      "domain, or not computable (see not_computed).");
  cls.def_property_readonly(
      "not_computed", [](const ScalarResult& r) { return FieldNames(r.shown.notComputed); },
      "Names of the quantities that could not be computed although their fluid is present (gas and total "
      "compressibility when the z-factor fails at both p - 5 and p + 5 psia).");
  cls.def_property_readonly("diagnostics", &Diagnostics,
                            "What the run said about its results: (kind, name) pairs in field order, kind one of "
                            "\"not_finite\", \"not_computed\", \"outside_data_range\", \"unphysical\".");
  cls.def("as_dict", &AsDict,
          "The results as a dict: message, pbx_label, the 21 quantities and out_of_range, as a JSON line of "
          "tarnvik-calc holds them.");
  cls.def("__repr__", &Repr);
}

}  // namespace tarnvik::python
