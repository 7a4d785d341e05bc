#include "export/black_oil_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/units.h"
#include "calc/calculation_run.h"
#include "calc/densities_saturations.h"
#include "calc/pressure_grid.h"
#include "calc/pressure_table.h"
#include "present/run_messages.h"

namespace tarnvik {
namespace {

constexpr double kNotComputed = std::numeric_limits<double>::quiet_NaN();

double Value(const Quantity& q) { return q.value_or(kNotComputed); }

// Numbers in messages: six significant digits.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}

CalculationOutcome Run(const CalculationCase& c, GorSelectorMode mode, double gorOrPb, double pressure) {
  InputSet inputs = c.inputs;
  inputs.gorOrPb = gorOrPb;
  inputs.pressure = pressure;
  return Calculate(inputs, mode, c.waterMode, c.selection);
}

// `count` evenly spaced pressures from `low` to `high`, both included. An `exact`
// pressure between them takes the place of the nearest inner one, so the table holds it
// without a near-duplicate beside it.
std::vector<double> Pressures(double low, double high, int count, std::optional<double> exact = std::nullopt) {
  std::vector<double> pressures = EvenlySpaced(low, high, count);
  if (exact && *exact > low && *exact < high && count > 2) {
    const auto nearest = std::min_element(pressures.begin() + 1, pressures.end() - 1, [&](double a, double b) {
      return std::abs(a - *exact) < std::abs(b - *exact);
    });
    *nearest = *exact;
  }
  return pressures;
}

std::string ZFailure(const std::string& where, const CalculationOutcome& outcome) {
  return where + ": the z-factor failed (" + std::string(ZFactorMessage(outcome.zFactorStatus)) + ")";
}

// Saturated point and undersaturated branch of one solution gas-oil ratio, with the
// correlations in GOR mode for that ratio.
bool BuildLiveOilRecord(const CalculationCase& c, double rsScf, double topPressure, int branchPoints,
                        LiveOilRecord& record, std::string& error) {
  const double gorMcf = rsScf / units::kScfPerMcf;
  const double pb = Run(c, GorSelectorMode::Gor, gorMcf, topPressure).results.pb;
  record.rs = gorMcf;
  record.points.clear();
  std::vector<double> pressures = {pb};
  if (pb < topPressure) {
    for (int k = 1; k <= branchPoints; ++k) pressures.push_back(pb + (topPressure - pb) * k / branchPoints);
  }
  for (double p : pressures) {
    const CalculationOutcome outcome = Run(c, GorSelectorMode::Gor, gorMcf, p);
    if (outcome.failed()) {
      error = ZFailure("PVTO at Rs " + Number(gorMcf) + " MSCF/STB and " + Number(p) + " psia", outcome);
      return false;
    }
    record.points.push_back({p, Value(outcome.results.bo), Value(outcome.results.muO)});
  }
  return true;
}

bool BuildLiveOil(const CalculationCase& c, const BlackOilOptions& o, double pb, double rsb, double top,
                  BlackOilTables& t, std::string& error) {
  const double saturatedTop = std::max(t.reservoirPressure, pb);
  for (double p : Pressures(o.minimumPressure, saturatedTop, o.saturatedRows, pb)) {
    // The saturated curve: the gas-oil ratio of an oil whose bubble point is p; at the
    // case's own bubble point, the case's own ratio.
    const double rs = p == pb ? rsb : Value(Run(c, GorSelectorMode::BubblePoint, p, p).results.rsb);
    LiveOilRecord record;
    if (!BuildLiveOilRecord(c, rs, top, o.undersaturatedPoints, record, error)) return false;
    t.liveOil.push_back(std::move(record));
  }
  for (double p : Pressures(o.minimumPressure, top, o.gasRows)) {
    const CalculationOutcome outcome = CalculateAt(c, p);
    if (outcome.failed()) {
      error = ZFailure("PVDG at " + Number(p) + " psia", outcome);
      return false;
    }
    t.gas.push_back({p, Value(outcome.results.bg), Value(outcome.results.muG)});
  }
  return true;
}

// An oil without gas in solution is at its bubble point at atmospheric pressure: Bo and
// viscosity there with Rs = 0, and the undersaturated correlations above it.
void BuildDeadOil(const CalculationCase& c, const BlackOilOptions& o, double top, BlackOilTables& t) {
  for (double p : Pressures(o.minimumPressure, top, o.deadOilRows)) {
    const DeadOilPoint point = DeadOilAt(c, p, o.minimumPressure);
    t.deadOilTable.push_back({p, point.bo, point.viscosity});
  }
}

}  // namespace

std::string CheckBlackOilOptions(const BlackOilOptions& o) {
  if (o.saturatedRows < 2) return "PVTO needs at least 2 saturated rows, not " + std::to_string(o.saturatedRows);
  if (o.undersaturatedPoints < 1) {
    return "PVTO needs at least 1 undersaturated point per record, not " + std::to_string(o.undersaturatedPoints);
  }
  if (o.gasRows < 2) return "PVDG needs at least 2 rows, not " + std::to_string(o.gasRows);
  if (o.deadOilRows < 2) return "PVDO needs at least 2 rows, not " + std::to_string(o.deadOilRows);
  if (!(o.minimumPressure > 0) || !std::isfinite(o.minimumPressure)) {
    return "the lowest table pressure must be a finite pressure above 0 psia, not " + Number(o.minimumPressure);
  }
  if (!(o.pressureMargin > 1) || !std::isfinite(o.pressureMargin)) {
    return "the tables must reach beyond the reservoir pressure: the pressure margin must be above 1, not " +
           Number(o.pressureMargin);
  }
  return {};
}

bool BuildBlackOilTables(const CalculationCase& c, const BlackOilOptions& o, BlackOilTables& t, std::string& error) {
  t = BlackOilTables{};
  if (std::string refused = CheckBlackOilOptions(o); !refused.empty()) {
    error = std::move(refused);
    return false;
  }
  const InputSet& in = c.inputs;
  if (!(in.apiGravity > 0)) {
    error = "a black-oil description needs oil: the API gravity must be above 0";
    return false;
  }
  if (!(in.pressure > o.minimumPressure) || !std::isfinite(in.pressure)) {
    error = "the reservoir pressure must be above " + Number(o.minimumPressure) + " psia, not " + Number(in.pressure);
    return false;
  }
  const CalculationOutcome reservoir = Calculate(c);
  if (reservoir.failed()) {
    error = ZFailure("at the reservoir pressure", reservoir);
    return false;
  }
  const ResultSet& r = reservoir.results;
  t.reservoirPressure = in.pressure;
  t.initialBo = Value(r.bo);
  t.porosity = in.porosity / units::kPercentPerFraction;
  t.connateWater = in.swc / units::kPercentPerFraction;
  t.deadOil = !(in.gasGravity > 0) || !(Value(r.rsb) > 0);

  const double dp = units::kPressureStep / 2;
  const ResultSet below = CalculateAt(c, in.pressure - dp).results;
  const ResultSet above = CalculateAt(c, in.pressure + dp).results;
  t.water = {in.pressure, Value(r.bw), Value(r.cw), Value(r.muW),
             (Value(above.muW) - Value(below.muW)) / (units::kPressureStep * Value(r.muW))};
  if (!r.cf) {
    error = "ROCK: the formation compressibility was not computed; choose a rock-compressibility correlation";
    return false;
  }
  t.rock = {in.pressure, *r.cf};

  Quantity oil, gas, water;
  const double salinity = WorkingSalinity(in.salinityOrSg, c.waterMode);
  CalcDensities(oil, gas, water, in.apiGravity, in.gasGravity, 0.0, 1.0, 1.0, units::kStandardBg, salinity);
  t.densities = {Value(oil), Value(water), in.gasGravity > 0 ? gas : std::nullopt};

  if (t.deadOil) {
    BuildDeadOil(c, o, o.pressureMargin * in.pressure, t);
    return true;
  }
  if (!(r.pb > o.minimumPressure)) {
    error = "the bubble-point pressure of the case is " + Number(r.pb) + " psia, not above " +
            Number(o.minimumPressure) + " psia: the oil has no saturated range to tabulate (a GOR this small gives " +
            "no bubble point above stock-tank conditions); give a GOR of 0 to export it as a dead oil";
    return false;
  }
  t.bubblePoint = r.pb;
  t.initialRs = (in.pressure > r.pb ? Value(r.rsb) : Value(r.rs)) / units::kScfPerMcf;
  return BuildLiveOil(c, o, r.pb, Value(r.rsb), o.pressureMargin * std::max(in.pressure, r.pb), t, error);
}

namespace {

bool Usable(double value) { return std::isfinite(value) && value > 0; }

std::string NotUsable(const std::string& where, const char* quantity, double value, const char* unit) {
  return where + ": " + quantity + " " + Number(value) + " " + unit + " is not a finite positive number";
}

// `viscosityRises`: a dead-oil table's viscosity may not fall with pressure.
std::string CheckOilPoints(const std::string& where, const std::vector<OilPoint>& points, bool viscosityRises) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const OilPoint& point = points[i];
    const std::string row = where + ", row " + std::to_string(i + 1) + " at " + Number(point.pressure) + " psia";
    if (!Usable(point.pressure)) return NotUsable(row, "pressure", point.pressure, "psia");
    if (!Usable(point.bo)) return NotUsable(row, "Bo", point.bo, "RB/STB");
    if (!Usable(point.viscosity)) return NotUsable(row, "oil viscosity", point.viscosity, "cp");
    if (i == 0) continue;
    const OilPoint& before = points[i - 1];
    if (!(point.pressure > before.pressure)) {
      return row + ": pressure does not rise above " + Number(before.pressure) + " psia of the row before";
    }
    if (!(point.bo < before.bo)) {
      return row + ": Bo " + Number(point.bo) + " RB/STB does not fall below " + Number(before.bo) +
             " of the row before";
    }
    if (viscosityRises && point.viscosity < before.viscosity) {
      return row + ": oil viscosity " + Number(point.viscosity) + " cp falls below " + Number(before.viscosity) +
             " of the row before";
    }
  }
  return {};
}

std::string CheckLiveOil(const std::vector<LiveOilRecord>& records) {
  if (records.empty()) return "PVTO: no records";
  for (std::size_t i = 0; i < records.size(); ++i) {
    const LiveOilRecord& record = records[i];
    const std::string where = "PVTO record " + std::to_string(i + 1) + " (Rs " + Number(record.rs) + " MSCF/STB)";
    if (!Usable(record.rs)) return NotUsable(where, "Rs", record.rs, "MSCF/STB");
    if (record.points.empty()) return where + ": no bubble point";
    if (const std::string error = CheckOilPoints(where, record.points, false); !error.empty()) return error;
    if (i == 0) continue;
    const LiveOilRecord& before = records[i - 1];
    if (!(record.rs > before.rs)) {
      return where + ": Rs does not rise above " + Number(before.rs) + " MSCF/STB of the record before";
    }
    const OilPoint& saturated = record.points.front();
    const OilPoint& saturatedBefore = before.points.front();
    if (!(saturated.pressure > saturatedBefore.pressure)) {
      return where + ": bubble-point pressure " + Number(saturated.pressure) + " psia does not rise above " +
             Number(saturatedBefore.pressure) + " of the record before";
    }
    if (!(saturated.bo > saturatedBefore.bo)) {
      return where + ": saturated Bo " + Number(saturated.bo) + " RB/STB does not rise above " +
             Number(saturatedBefore.bo) + " of the record before";
    }
  }
  if (records.back().points.size() < 2) return "PVTO: the last record has no undersaturated branch";
  return {};
}

std::string CheckGas(const std::vector<GasPoint>& rows) {
  if (rows.empty()) return "PVDG: no rows";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const GasPoint& row = rows[i];
    const std::string where = "PVDG row " + std::to_string(i + 1) + " at " + Number(row.pressure) + " psia";
    if (!Usable(row.pressure)) return NotUsable(where, "pressure", row.pressure, "psia");
    if (!Usable(row.bg)) return NotUsable(where, "Bg", row.bg, "RB/MSCF");
    if (!Usable(row.viscosity)) return NotUsable(where, "gas viscosity", row.viscosity, "cp");
    if (i == 0) continue;
    if (!(row.pressure > rows[i - 1].pressure)) return where + ": pressure does not rise above the row before";
    if (!(row.bg < rows[i - 1].bg)) {
      return where + ": Bg " + Number(row.bg) + " RB/MSCF does not fall below " + Number(rows[i - 1].bg) +
             " of the row before";
    }
    if (row.viscosity < rows[i - 1].viscosity) {
      return where + ": gas viscosity " + Number(row.viscosity) + " cp falls below " + Number(rows[i - 1].viscosity) +
             " of the row before";
    }
  }
  return {};
}

}  // namespace

std::string CheckBlackOilTables(const BlackOilTables& t) {
  std::string error;
  if (t.deadOil) {
    if (t.deadOilTable.size() < 2) return "PVDO: fewer than two rows";
    error = CheckOilPoints("PVDO", t.deadOilTable, true);
  } else {
    error = CheckLiveOil(t.liveOil);
    if (error.empty()) error = CheckGas(t.gas);
  }
  if (!error.empty()) return error;

  const WaterProperties& w = t.water;
  if (!Usable(w.referencePressure)) return NotUsable("PVTW", "reference pressure", w.referencePressure, "psia");
  if (!Usable(w.bw)) return NotUsable("PVTW", "Bw", w.bw, "RB/STB");
  if (!Usable(w.compressibility)) return NotUsable("PVTW", "water compressibility", w.compressibility, "1/psi");
  if (!Usable(w.viscosity)) return NotUsable("PVTW", "water viscosity", w.viscosity, "cp");
  if (!std::isfinite(w.viscosibility)) {
    return "PVTW: water viscosibility " + Number(w.viscosibility) + " 1/psi is not a finite number";
  }
  if (!Usable(t.rock.compressibility))
    return NotUsable("ROCK", "formation compressibility", t.rock.compressibility, "1/psi");
  if (!Usable(t.densities.oil)) return NotUsable("DENSITY", "oil density", t.densities.oil, "lb/ft3");
  if (!Usable(t.densities.water)) return NotUsable("DENSITY", "water density", t.densities.water, "lb/ft3");
  if (t.densities.gas && !Usable(*t.densities.gas))
    return NotUsable("DENSITY", "gas density", *t.densities.gas, "lb/ft3");
  return {};
}

}  // namespace tarnvik
