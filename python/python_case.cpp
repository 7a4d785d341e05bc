#include "python_case.h"

#include <cerrno>
#include <fstream>
#include <string>

#include "io/atomic_file.h"
#include "lab_binding.h"
#include "model/case_entry.h"
#include "model/case_model.h"
#include "present/selection_texts.h"
#include "present/selector_texts.h"

namespace tarnvik::python {
namespace {

// A title as Python text: a file's bytes that are not UTF-8 (an older editor's Latin-1, say)
// become lone surrogates, as Python's own os.fsdecode makes them, so that the title
// writes back byte for byte.
py::str TitleText(const std::string& title) {
  return py::reinterpret_steal<py::str>(
      PyUnicode_DecodeUTF8(title.data(), static_cast<Py_ssize_t>(title.size()), "surrogateescape"));
}

std::string TitleBytes(const py::handle& title) {
  const py::object bytes =
      py::reinterpret_steal<py::object>(PyUnicode_AsEncodedString(title.ptr(), "utf-8", "surrogateescape"));
  if (!bytes) throw py::error_already_set();
  return bytes.cast<std::string>();
}

constexpr const char* kCaseDoc =
    R"(One case: the nine inputs, what the fifth and eighth are, the correlations and a title.

Case(case=None, /, *, api=None, gas_gravity=None, temperature=None, pressure=None,
     gor=None, bubble_point=None, porosity=None, swc=None, salinity=None,
     water_gravity=None, wor=None, oil=None, gas=None, rock=None, formation=None,
     title=None)

The arguments are those of tarnvik.calculate, scalars only, plus a title. Without a
case to start from, every input must be given; with one, the arguments given replace
its own. A case read from a case file keeps the file's texts, so write_cases writes it
back as it was.

A case may carry lab data and a tuning of its oil family to them (saved after its
record in a case file; made by tarnvik.tune): the properties lab and tuning show them,
and every calculation from the case runs the tuned family. They are not keyword
arguments: Case(case, ...) keeps the case's own, except that naming another oil family
turns the tuning off (as choosing another family in the window does).

The properties hold the numbers in the units calculate takes (API gravity [°API], gas
gravity [air = 1], temperature [°F], pressure [psia], GOR at the bubble point
[MCF/STB] or bubble-point pressure [psia], porosity [%], Swc [%], salinity [% NaCl] or
water specific gravity, WOR [STB/STB]), the correlations by name, and None for the
member of each pair not given.)";

// The selector texts and captions the window writes for a choice.
void WriteChoices(const CaseArguments& arguments, CaseRecord& record) {
  if (arguments.gorMode) {
    record.gorSelector = kGorSelectorItems[*arguments.gorMode == GorSelectorMode::Gor ? 0 : 1];
  }
  if (arguments.waterMode) {
    record.waterSelector = kWaterSelectorItems[*arguments.waterMode == WaterSelectorMode::Salinity ? 0 : 1];
  }
  if (arguments.oil) record.oilCaption = OilCorrelationItem(*arguments.oil);
  if (arguments.gas) record.gasCaption = GasCharacterisationItem(*arguments.gas);
  if (arguments.rock) record.rockCaption = RockCorrelationItem(*arguments.rock);
}

PythonCase NewCase(const py::object& base, const py::tuple& inputs, const py::tuple& choices, const py::object& title) {
  const CaseArguments arguments = ReadCaseArguments(inputs, choices);
  CaseRecord record;
  FormationType formation = FormationType::None;
  CaseLab lab;
  GasImpurities gas;
  if (!base.is_none()) {
    const PythonCase& from = CaseOf(base, "case");
    record = from.record;
    formation = from.formation;
    lab = from.lab;
    gas = from.gas;
    if (arguments.oil && !TunesFamily(lab.tuning, *arguments.oil)) lab.tuning = OilTuning{};
  } else {
    RequireEveryInput(arguments);
    record.oilCaption = OilCorrelationItem(OilCorrelation::Standing);
    record.gasCaption = GasCharacterisationItem(GasCharacterisation::WetGas);
  }
  const CalculationCase modes = WithChoices(MakeCase(record, formation).calculation, arguments);
  for (std::size_t i = 0; i < kInputCount; ++i) {
    if (!arguments.Given(i)) continue;
    const std::string_view name = InputName(i, modes.gorMode, modes.waterMode);
    if (IsArrayLike(arguments.numbers[i])) {
      throw py::value_error(std::string(name) + ": a Case holds numbers, not arrays (calculate takes arrays)");
    }
    record.numbers[i] = NumberOf(arguments.numbers[i], name);
  }
  for (std::size_t i = kInputCount; i < kOperandCount; ++i) {
    if (!arguments.Given(i)) continue;
    const std::string_view name = kInputArguments[i + 2];
    if (IsArrayLike(arguments.numbers[i])) {
      throw py::value_error(std::string(name) + ": a Case holds numbers, not arrays (calculate takes arrays)");
    }
    InputSet holder;
    holder.impurities = gas;
    InputOperand(holder, i) = NumberOf(arguments.numbers[i], name);
    gas = holder.impurities;
  }
  WriteChoices(arguments, record);
  if (arguments.formation) formation = *arguments.formation;
  if (!title.is_none()) {
    if (!py::isinstance<py::str>(title)) throw py::value_error("title: expected a text");
    record.title = TitleBytes(title);
  }
  return MakeCase(std::move(record), formation, std::move(lab), gas);
}

py::object NumberOrNone(bool given, double value) { return given ? py::object(py::float_(value)) : py::none(); }
py::object TextOrNone(std::string_view text) { return text.empty() ? py::object(py::none()) : py::str(text); }

// The keyword arguments that make this case again, in the order calculate takes them.
py::dict AsDict(const PythonCase& c) {
  const InputSet& in = c.calculation.inputs;
  const bool gor = c.calculation.gorMode == GorSelectorMode::Gor;
  const bool salinity = c.calculation.waterMode == WaterSelectorMode::Salinity;
  const CorrelationSelection& selection = c.calculation.selection;
  py::dict values;
  values["title"] = TitleText(c.record.title);
  values["api"] = in.apiGravity;
  values["gas_gravity"] = in.gasGravity;
  values["temperature"] = in.temperatureF;
  values["pressure"] = in.pressure;
  values[gor ? "gor" : "bubble_point"] = in.gorOrPb;
  values["porosity"] = in.porosity;
  values["swc"] = in.swc;
  values[salinity ? "salinity" : "water_gravity"] = in.salinityOrSg;
  values["wor"] = in.wor;
  // The impurities only where a gas has them, so that a sweet case reads as it always has.
  if (in.impurities.co2 != 0) values["co2"] = in.impurities.co2;
  if (in.impurities.h2s != 0) values["h2s"] = in.impurities.h2s;
  if (in.impurities.n2 != 0) values["n2"] = in.impurities.n2;
  values["oil"] = OilCorrelationName(selection.oilCorrelation);
  values["gas"] = selection.gasCharacterisation == GasCharacterisation::DryGas ? "dry" : "wet";
  values["rock"] = TextOrNone(RockCorrelationItem(selection.rockCorrelation));
  values["formation"] = TextOrNone(FormationTypeItem(selection.formationType));
  return values;
}

std::string Repr(const PythonCase& c) {
  std::string text = "Case(";
  bool first = true;
  for (const auto& [key, value] : AsDict(c)) {
    if (value.is_none()) continue;
    text.append(first ? "" : ", ").append(py::str(key)).append("=").append(py::repr(value));
    first = false;
  }
  text += ")";
  if (c.lab.data) text += " with lab data";
  if (c.lab.tuning.active) text += (c.lab.data ? ", " : " ") + TuningDescription(c.lab.tuning);
  return text;
}

bool SameCase(const PythonCase& a, const PythonCase& b) {
  const CaseRecord &x = a.record, &y = b.record;
  return x.title == y.title && x.gorSelector == y.gorSelector && x.waterSelector == y.waterSelector &&
         x.oilCaption == y.oilCaption && x.gasCaption == y.gasCaption && x.rockCaption == y.rockCaption &&
         x.numbers == y.numbers && a.formation == b.formation && a.lab == b.lab && a.gas == b.gas;
}

py::list ReadCases(const py::object& file, const py::object& errorsArgument) {
  const std::string errors = py::isinstance<py::str>(errorsArgument) ? errorsArgument.cast<std::string>() : "";
  if (errors != "raise" && errors != "warn") {
    throw py::value_error("errors: " + std::string(py::repr(errorsArgument)) + " is neither \"raise\" nor \"warn\"");
  }
  const std::string path = PathOf(file, "path");
  std::ifstream input(path, std::ios::binary);
  if (!input) ThrowFileError(errno, path);
  py::list cases;
  CaseEntryReader reader(input);
  CaseEntry entry;
  CaseEntryReader::Outcome outcome;
  while (reader.Next(entry, outcome)) {
    if (outcome.ok) {
      cases.append(MakeCase(std::move(entry.record), entry.formation, std::move(entry.lab), entry.gas));
      continue;
    }
    const std::string where = path + ":" + std::to_string(outcome.line) + ": " + outcome.error;
    if (errors == "raise") throw py::value_error(where + " (errors=\"warn\" skips such records)");
    if (PyErr_WarnEx(PyExc_UserWarning, (where + "; the record is skipped").c_str(), 1) != 0) {
      throw py::error_already_set();
    }
  }
  if (input.bad()) ThrowFileError(errno, path);
  return cases;
}

void WriteCases(const py::object& file, const py::object& cases) {
  const std::string path = PathOf(file, "path");
  if (!py::isinstance<py::iterable>(cases)) throw py::value_error("cases: expected a sequence of tarnvik.Case");
  std::string text;
  std::size_t index = 0;
  for (const py::handle item : cases) {
    const PythonCase& c = CaseOf(item, "cases[" + std::to_string(index++) + "]");
    text += WriteCaseEntry(CaseEntry{c.record, c.lab, c.gas, c.formation});
  }
  std::string error;
  if (!WriteFileAtomically(path, text, error)) {
    PyErr_SetString(PyExc_OSError, (path + ": not written: " + error).c_str());
    throw py::error_already_set();
  }
}

}  // namespace

[[noreturn]] void ThrowFileError(int error, const std::string& path) {
  errno = error;
  PyErr_SetFromErrnoWithFilename(PyExc_OSError, path.c_str());
  throw py::error_already_set();
}

PythonCase MakeCase(CaseRecord record, FormationType formation, CaseLab lab, GasImpurities gas) {
  PythonCase c{std::move(record), formation, std::move(lab), gas, {}};
  c.calculation = CaseFromEntry(CaseEntry{c.record, c.lab, c.gas, c.formation});
  // A tuning of another family than the caption names has put its family in force: the
  // caption says so, as the window's does.
  if (TuningInForce(c.calculation.selection)) c.record.oilCaption = OilCorrelationItem(c.lab.tuning.family);
  return c;
}

std::string PathOf(const py::handle& path, std::string_view name) {
  try {
    return py::str(py::module_::import("os").attr("fsdecode")(path));
  } catch (const py::error_already_set& error) {
    throw py::value_error(std::string(name) + ": expected a file path (" + std::string(py::str(error.value())) + ")");
  }
}

const PythonCase& CaseOf(const py::handle& value, std::string_view name) {
  if (!py::isinstance<PythonCase>(value)) {
    throw py::value_error(std::string(name) + ": expected a tarnvik.Case, got " +
                          std::string(py::str(py::type::handle_of(value).attr("__name__"))));
  }
  return value.cast<const PythonCase&>();
}

namespace {

// Case(case, /, *, api=..., ...): a case from another, with the keywords given replaced.
void DefineCaseInit(py::class_<PythonCase>& cls) {
  cls.def(py::init([](const py::object& base, py::object api, py::object gasGravity, py::object temperature,
                      py::object pressure, py::object gor, py::object bubblePoint, py::object porosity, py::object swc,
                      py::object salinity, py::object waterGravity, py::object wor, py::object co2, py::object h2s,
                      py::object n2, py::object oil, py::object gas, py::object rock, py::object formation,
                      py::object title) {
            return NewCase(base,
                           py::make_tuple(api, gasGravity, temperature, pressure, gor, bubblePoint, porosity, swc,
                                          salinity, waterGravity, wor, co2, h2s, n2),
                           py::make_tuple(oil, gas, rock, formation), title);
          }),
          py::arg("case") = py::none(), py::pos_only(), py::kw_only(), py::arg("api") = py::none(),
          py::arg("gas_gravity") = py::none(), py::arg("temperature") = py::none(), py::arg("pressure") = py::none(),
          py::arg("gor") = py::none(), py::arg("bubble_point") = py::none(), py::arg("porosity") = py::none(),
          py::arg("swc") = py::none(), py::arg("salinity") = py::none(), py::arg("water_gravity") = py::none(),
          py::arg("wor") = py::none(), py::arg("co2") = py::none(), py::arg("h2s") = py::none(),
          py::arg("n2") = py::none(), py::arg("oil") = py::none(), py::arg("gas") = py::none(),
          py::arg("rock") = py::none(), py::arg("formation") = py::none(), py::arg("title") = py::none());
}

// The case's inputs, selections, lab data and tuning, read-only.
void DefineCaseProperties(py::class_<PythonCase>& cls) {
  const auto number = [&cls](const char* name, double InputSet::*member, const char* doc) {
    cls.def_property_readonly(
        name, [member](const PythonCase& c) { return c.calculation.inputs.*member; }, doc);
  };
  number("api", &InputSet::apiGravity, "Stock-tank oil gravity [°API]; 0 for no oil.");
  number("gas_gravity", &InputSet::gasGravity, "Gas specific gravity [air = 1]; 0 for no gas.");
  number("temperature", &InputSet::temperatureF, "Reservoir temperature [°F].");
  number("pressure", &InputSet::pressure, "Reservoir pressure [psia].");
  number("porosity", &InputSet::porosity, "Porosity [%].");
  number("swc", &InputSet::swc, "Connate-water saturation [% of pore volume].");
  number("wor", &InputSet::wor, "Water-oil ratio [STB/STB].");
  cls.def_property_readonly(
      "co2", [](const PythonCase& c) { return c.gas.co2; }, "Carbon dioxide in the gas [mol %]; 0 for none.");
  cls.def_property_readonly(
      "h2s", [](const PythonCase& c) { return c.gas.h2s; }, "Hydrogen sulphide in the gas [mol %]; 0 for none.");
  cls.def_property_readonly(
      "n2", [](const PythonCase& c) { return c.gas.n2; }, "Nitrogen in the gas [mol %]; 0 for none.");
  cls.def_property_readonly(
      "gor",
      [](const PythonCase& c) {
        return NumberOrNone(c.calculation.gorMode == GorSelectorMode::Gor, c.calculation.inputs.gorOrPb);
      },
      "GOR at the bubble point [MCF/STB]; None when the bubble point was given.");
  cls.def_property_readonly(
      "bubble_point",
      [](const PythonCase& c) {
        return NumberOrNone(c.calculation.gorMode == GorSelectorMode::BubblePoint, c.calculation.inputs.gorOrPb);
      },
      "Bubble-point pressure [psia]; None when the GOR was given.");
  cls.def_property_readonly(
      "salinity",
      [](const PythonCase& c) {
        return NumberOrNone(c.calculation.waterMode == WaterSelectorMode::Salinity, c.calculation.inputs.salinityOrSg);
      },
      "Water salinity [% NaCl]; None when the water specific gravity was given.");
  cls.def_property_readonly(
      "water_gravity",
      [](const PythonCase& c) {
        return NumberOrNone(c.calculation.waterMode == WaterSelectorMode::SpecificGravity,
                            c.calculation.inputs.salinityOrSg);
      },
      "Water specific gravity [fresh water = 1]; None when the salinity was given.");
  const auto text = [&cls](const char* name, const char* doc) {
    cls.def_property_readonly(
        name, [name](const PythonCase& c) { return py::object(AsDict(c)[name]); }, doc);
  };
  text("title", "The case title.");
  text("oil", "The oil family in force: \"Standing\", \"Vazquez/Beggs\", \"Glaso\", ...");
  text("gas", "The gas characterisation in force: \"wet\" or \"dry\".");
  text("rock", "The rock-compressibility correlation in force, or None.");
  text("formation", "The formation type for Newman and Yale et al., or None.");
  cls.def_property_readonly("lab", &LabReportOf,
                            "The lab data saved with the case (a tarnvik.LabReport), or None; not a keyword "
                            "argument: Case(case, ...) keeps them.");
  cls.def_property_readonly("tuning", &TuningOf, kTuningDoc);
}

void DefineCaseMethods(py::class_<PythonCase>& cls) {
  cls.def("as_dict", &AsDict,
          "The keyword arguments that make this case again: tarnvik.Case(**case.as_dict()).\n\n"
          "A list of them makes a pandas DataFrame that calculate_frame takes. The lab data and "
          "tuning are not keyword arguments and are not among them: tarnvik.Case(case, ...) keeps "
          "them.");
  cls.def(
      "to_record",
      [](const PythonCase& c) {
        std::string line = WriteCaseRecord(c.record);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        return line;
      },
      "The case's record as a line of a case file (without its line end); the lab data and "
      "tuning lines that write_cases writes after it are left out.");
  cls.def("__repr__", &Repr);
  cls.def("__eq__", [](const PythonCase& a, const py::object& b) {
    return py::isinstance<PythonCase>(b) && SameCase(a, b.cast<const PythonCase&>());
  });
  cls.attr("__hash__") = py::none();
}

}  // namespace

void BindCase(py::module_& module) {
  py::class_<PythonCase> cls(module, "Case", kCaseDoc);
  DefineCaseInit(cls);
  DefineCaseProperties(cls);
  DefineCaseMethods(cls);

  module.def("read_cases", &ReadCases, py::arg("path"), py::kw_only(), py::arg("errors") = "raise",
             R"(Reads a case file: one Case per record, in file order.

A case file holds one record per line, fifteen comma-separated fields: the title, the
two selector texts and the three correlation captions in double quotation marks, then
the nine numbers (as the desktop window saves them). Each record starts from Standing,
wet gas and no rock correlation, with its captions applied as the window applies them.
A record may be followed by its lab data ("@lab,..." lines, a lab file) and the tuning
fitted to them ("@tuning,..."): the case carries them (Case.lab, Case.tuning) and runs
tuned, as the window opens it; a tuning of another family than the record's caption
names puts that family in force.

path: the file (str or path-like).
errors: "raise" (the default) raises ValueError naming the line of a malformed record,
    or of a lab data or tuning line that does not read; "warn" skips that record with
    a UserWarning naming the line.
Raises OSError when the file cannot be read.)");
  module.def("write_cases", &WriteCases, py::arg("path"), py::arg("cases"),
             R"(Writes cases to a case file, one record per line (CR LF), as read_cases reads them.

The file is replaced whole or not at all. A case read from a file is written with the
file's own texts. Each record is followed by the lines the window saves after it: the gas
impurities, the formation type, and the lab data and tuning (a case without any is its
record alone, the fifteen fields as always).

path: the file (str or path-like); cases: an iterable of tarnvik.Case.
Raises ValueError when an item is not a Case, OSError when the file cannot be written.)");
}

}  // namespace tarnvik::python
