#include "results.h"

#include <cctype>
#include <string>

#include "present/input_texts.h"
#include "present/output_fields.h"
#include "present/run_messages.h"
#include "present/unit_texts.h"
#include "present/warning_texts.h"

namespace tarnvik::python {
namespace {

constexpr const char* kResultDoc = R"(The results of one case, as tarnvik.calculate returns them.

Each of the 21 quantities is a property holding a float in the unit its docstring names
(the units the desktop window shows: MCF/STB, microsips = 1e-6 1/psi, percent of pore
volume), or None where there is none: not computed in this run (no oil, say), outside a
correlation's domain, or not computable although its fluid is present; the last two are
named in out_of_range. On a z-factor failure at the reservoir pressure every value is
None, and status and message say which failure it was.)";

// What a diagnostic is about: a result's column, or for a value outside a correlation's
// data (and a blank input) the quantity's or input's name ("api", "pressure").
std::string DiagnosticSubject(const Diagnostic& d, GorSelectorMode gorMode) {
  if (d.kind == DiagnosticKind::OutsideDataRange || d.kind == DiagnosticKind::Blank) {
    return std::string(DescribeWarning(d, gorMode).name);
  }
  return std::string(InfoOf(d.field).column);
}

// The window's caption of pbx in the result's units ("Bubble Point Pressure, bara").
std::string PbLabel(const ScalarResult& result) {
  return result.pbCaption ? CaptionInUnits(*result.pbCaption, result.units) : std::string();
}

std::string Describe(const OutputFieldInfo& info) {
  std::string text(info.caption);
  if (!info.unit.empty()) text.append(" [").append(info.unit).append("]");
  return text;
}

py::tuple Description(const OutputFieldInfo& info) { return py::make_tuple(info.column, info.caption, info.unit); }

py::object ValueOf(const ScalarResult& result, std::size_t field) {
  const Quantity value = ShownValue(result.shown.values[field]);
  return value ? py::object(py::float_(*value)) : py::none();
}

py::tuple DiagnosticPairs(const ScalarResult& result) {
  py::tuple items(result.diagnostics.size());
  for (std::size_t i = 0; i < result.diagnostics.size(); ++i) {
    const Diagnostic& d = result.diagnostics[i];
    items[i] =
        py::make_tuple(kDiagnosticKindNames[static_cast<std::size_t>(d.kind)], DiagnosticSubject(d, result.gorMode));
  }
  return items;
}

py::list WarningList(const ScalarResult& result) {
  py::list warnings;
  for (const Diagnostic& d : result.diagnostics) {
    if (IsWarning(d.kind)) warnings.append(WarningDict(d, result.gorMode, result.units));
  }
  return warnings;
}

// The run as a JSON line of tarnvik-calc holds it: message, pbx_label, the 21 values and
// out_of_range.
py::dict AsDict(const ScalarResult& result) {
  py::dict values;
  values["message"] = ZFactorMessage(result.status);
  values["pbx_label"] = PbLabel(result);
  values["pbx_kind"] = result.pbxKind ? py::object(py::str(result.pbxKind->kind)) : py::object(py::none());
  values["pbx_unit"] = result.pbxKind ? py::object(py::str(result.pbxKind->unit)) : py::object(py::none());
  values["status"] = static_cast<int>(result.status);
  for (std::size_t i = 0; i < kOutputFieldCount; ++i) values[py::str(kOutputFields[i].column)] = ValueOf(result, i);
  values["out_of_range"] = FieldNames(result.shown.outOfRange | result.shown.notComputed);
  values["warnings"] = WarningList(result);
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

ScalarResult MakeScalarResult(CalculationOutcome&& outcome, GorSelectorMode gorMode, UnitSystem units,
                              const Diagnostics& blank) {
  ScalarResult result;
  result.status = outcome.zFactorStatus;
  result.gorMode = gorMode;
  result.units = units;
  result.pbCaption = PbCaption(outcome, gorMode);
  result.pbxKind = PbxKindOf(outcome, gorMode, units);
  if (!outcome.failed()) result.shown = ValuesToShow(outcome, gorMode, units);
  result.diagnostics = blank;
  result.diagnostics.insert(result.diagnostics.end(), outcome.diagnostics.begin(), outcome.diagnostics.end());
  return result;
}

py::dict WarningDict(const Diagnostic& d, GorSelectorMode gorMode, UnitSystem units) {
  const WarningRecord record = DescribeWarning(d, gorMode, units);
  py::dict item;
  item[record.input ? "input" : "output"] = std::string(record.name);
  item["value"] = record.value;
  item["low"] = record.low ? py::object(py::float_(*record.low)) : py::object(py::none());
  item["high"] = record.high ? py::object(py::float_(*record.high)) : py::object(py::none());
  item["unit"] = record.unit;
  item["correlation"] = record.correlation ? py::object(py::str(*record.correlation)) : py::object(py::none());
  item["kind"] = std::string(record.kind);
  return item;
}

py::dict ImpossibleDict(const ImpossibleInput& input, GorSelectorMode gorMode, WaterSelectorMode waterMode,
                        UnitSystem units) {
  const InputText& text = InputTextOf(input.field, gorMode, waterMode);
  py::dict item;
  item["input"] = std::string(text.name);
  item["value"] = FromField(input.value, text.dimension, units);
  item["low"] = py::none();
  item["high"] = py::none();
  item["unit"] = std::string(UnitIn(text, units));
  item["correlation"] = py::none();
  item["kind"] = "impossible";
  item["why"] = std::string(input.why);
  return item;
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
      "pbx_label", &PbLabel,
      "The window's caption of pbx in the result's units: \"Bubble Point Pressure, psia\" (bara) or \"     GOR "
      "MCF/STB\" (sm3/sm3); \"\" without oil. Programs read pbx_kind and pbx_unit instead.");
  cls.def_property_readonly(
      "pbx_kind",
      [](const ScalarResult& r) { return r.pbxKind ? py::object(py::str(r.pbxKind->kind)) : py::object(py::none()); },
      "What pbx holds: \"pb\", the bubble-point pressure (the GOR was given), or \"rsb\", the GOR at the bubble "
      "point (the bubble point was given); None without oil.");
  cls.def_property_readonly(
      "pbx_unit",
      [](const ScalarResult& r) { return r.pbxKind ? py::object(py::str(r.pbxKind->unit)) : py::object(py::none()); },
      "The unit of pbx (psia, bara, MCF/STB or sm3/sm3); None without oil.");
  cls.def_property_readonly("warnings", &WarningList,
                            "What to be wary of, the values still given: a list of dicts with the keys of "
                            "tarnvik-calc's JSON warnings: \"input\" (its name) or \"output\" (a result's), value, "
                            "low, high (None where the range has no end), unit, correlation (None where no one "
                            "correlation applies) and kind (\"outside_data_range\", \"unphysical\", or \"blank\" for "
                            "an input a case file left blank, read as 0).");
  cls.def_property_readonly(
      "out_of_range", [](const ScalarResult& r) { return FieldNames(r.shown.outOfRange | r.shown.notComputed); },
      "Names of the quantities without a value although their fluid is present: outside a correlation's "
      "domain, or not computable (see not_computed).");
  cls.def_property_readonly(
      "not_computed", [](const ScalarResult& r) { return FieldNames(r.shown.notComputed); },
      "Names of the quantities that could not be computed although their fluid is present (gas and total "
      "compressibility when the z-factor fails at both p - 5 and p + 5 psia).");
  cls.def_property_readonly("diagnostics", &DiagnosticPairs,
                            "What the run said about its results: (kind, name) pairs, kind one of \"not_finite\", "
                            "\"not_computed\", \"outside_data_range\", \"unphysical\", \"blank\"; the name a result's "
                            "column, or the input or quantity a warning is about (\"api\", \"pressure\").");
  cls.def("as_dict", &AsDict,
          "The results as a dict: message, pbx_label, pbx_kind, pbx_unit, status, the 21 quantities, out_of_range "
          "and warnings, as a JSON line of tarnvik-calc holds them.");
  cls.def("__repr__", &Repr);
}

}  // namespace tarnvik::python
