// The words of a run's warnings, once for every face: the values outside the data a
// correlation in force was fitted to and the unphysical results, as a sentence for the
// status bar, as a code for data files and as numbers; the ranges an input box is checked
// against, for its tooltip; and whether an oil family's data cover a case.
//
// Numbers are in display units (GOR and Rs in MCF/STB, compressibilities in microsips,
// saturations in percent). Sentences and codes write a typed value as typed, a derived one
// to four significant digits, an unphysical result as the window shows it, and the limits
// as published.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/unit_system.h"
#include "calc/calculation_case.h"
#include "calc/diagnostics.h"
#include "calc/lab_fit.h"

namespace tarnvik {

// How a quantity with a data range is named and shown.
struct RangedQuantityInfo {
  std::string_view code;   // in data files: "api", "gor"
  std::string_view label;  // in sentences: "API", "GOR"
  std::string_view unit;   // display unit: "°API", "MCF/STB"; empty for the dimensionless ones
  double perDisplayUnit;   // display value = calculation value / perDisplayUnit (1000 SCF/STB per MCF/STB)
};
const RangedQuantityInfo& QuantityInfo(RangedQuantity quantity);

// "Glaso's data", "Vazquez and Beggs' oil compressibility data".
std::string DataOf(Correlation correlation);

// "Glaso (1980)", "Vazquez and Beggs (1980), oil compressibility".
std::string CorrelationTitle(Correlation correlation);

// The diagnostics that warn (OutsideDataRange, Unphysical), in run order.
std::vector<Diagnostic> Warnings(const Diagnostics& diagnostics);

// The status-bar sentence of a warning, in `system`'s units:
//   "API 58 is above Glaso's data, 22.3-48.1 °API"
//   "Oil compressibility -5.3 microsips is unphysical (below 0)"
// and of several, joined by "; ", one value outside the same range of several
// correlations' data in one sentence ("Salinity -2.655 is below Culberson and McKetta's
// data and Numbere, Brigham and Standing's data, 0-25 % NaCl").
std::string WarningSentence(const Diagnostic& warning, GorSelectorMode gorMode, UnitSystem system = UnitSystem::Field);
std::string WarningSentences(const std::vector<Diagnostic>& warnings, GorSelectorMode gorMode,
                             UnitSystem system = UnitSystem::Field);

// The sentence of the warnings about one input box's value, as WarningSentences gives it;
// a box left blank counts as 0 and says so: "Temperature blank (read as 0) is below
// Standing's data, 100-258 °F".
std::string BoxWarningSentences(const std::vector<Diagnostic>& warnings, bool blank, GorSelectorMode gorMode,
                                UnitSystem system = UnitSystem::Field);

// The code of a warning in data files: "api>48.1(Glaso)", "gor<0.02(Standing)",
// "co<0(unphysical)", "pbx<=0(unphysical)"; and of several, joined by ";".
std::string WarningCode(const Diagnostic& warning, GorSelectorMode gorMode, UnitSystem system = UnitSystem::Field);
std::string WarningCodes(const std::vector<Diagnostic>& warnings, GorSelectorMode gorMode,
                         UnitSystem system = UnitSystem::Field);

// A warning as numbers, for data files that carry numbers (JSON).
struct WarningRecord {
  bool input = false;     // the name is an input's; otherwise a result's or a derived value's
  std::string_view name;  // the quantity's code, or the output's column
  double value = 0;
  std::optional<double> low, high;  // the range; empty where it has no end
  std::string unit;
  std::optional<std::string> correlation;  // CorrelationTitle, where one correlation applies
  std::string_view kind;                   // "outside_data_range" or "unphysical"
};
WarningRecord DescribeWarning(const Diagnostic& warning, GorSelectorMode gorMode,
                              UnitSystem system = UnitSystem::Field);
// Its value alone, as DescribeWarning gives it, without building any text (for millions).
double WarningValue(const Diagnostic& warning, GorSelectorMode gorMode, UnitSystem system = UnitSystem::Field);

// The ranges of the correlations in force that an input box's value is checked against,
// one line each, for its tooltip:
//   "Glaso's data: 22.3-48.1 °API (Ø. Glaso, "Generalized Pressure-Volume-Temperature
//   Correlations", JPT 32(5) (1980) 785-795, doi:10.2118/8016-PA)"
// Empty when no correlation in force has a range for that box.
std::string InputRangesText(InputField input, const CalculationCase& calculationCase);

// Whether the boxes of a case (API gravity, gas gravity, temperature, and the GOR or the
// bubble point) lie inside an oil family's published data; Unknown where the paper's
// ranges are not known (Obomanu and Okpobiri).
enum class DataFit { Inside, Outside, Unknown };
struct FamilyFit {
  DataFit fit = DataFit::Unknown;
  std::vector<Diagnostic> outside;  // the boxes outside, in the table's order
};
FamilyFit OilFamilyFit(const CalculationCase& calculationCase, OilCorrelation family);

// Whether a report's values lie inside the data of a family ranked against it
// (calc/lab_fit.h).
DataFit LabDataFit(const FamilyRank& rank);

// "inside", "outside", "unknown".
std::string_view DataFitText(DataFit fit);

}  // namespace tarnvik
