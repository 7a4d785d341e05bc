#include "export/black_oil_tables.h"

#include "export/eclipse_deck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "base/units.h"
#include "calc/calculation_run.h"
#include "calc/densities_saturations.h"
#include "calc/pressure_grid.h"
#include "calc/pressure_table.h"
#include "correlations/oil/oil_viscosity.h"
#include "io/number_text.h"
#include "present/run_messages.h"
#include "present/selection_texts.h"

namespace tarnvik {
namespace {

constexpr double kNotComputed = std::numeric_limits<double>::quiet_NaN();

double Value(const Quantity& q) { return q.value_or(kNotComputed); }

// Numbers in messages: six significant digits; a value that is not a number says so.
std::string Number(double value) { return std::isnan(value) ? "nan" : FormatSignificant(value, 6); }

// A field value in `units`, with its unit: "3163.2 psia", "218.1 bara".
std::string Amount(double fieldValue, Dimension dimension, UnitSystem units) {
  const DeckUnits& u = DeckUnitsOf(units);
  const char* unit = "";
  switch (dimension) {
    case Dimension::Pressure:
      unit = u.pressure;
      break;
    case Dimension::GasLiquidRatio:
      unit = u.gasRatio;
      break;
    case Dimension::LiquidRatio:
      unit = u.liquidFactor;
      break;
    case Dimension::GasVolumeFactor:
      unit = u.gasFactor;
      break;
    case Dimension::InverseCompressibility:
      unit = u.compressibility;
      break;
    default:
      break;
  }
  return Number(FromField(fieldValue, dimension, units)) + " " + unit;
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

// The pressures with `extra` among them: each one inside (low, high) and more than 0.5 psi
// from every pressure there already, in increasing order.
std::vector<double> WithPressures(std::vector<double> pressures, const std::vector<double>& extra) {
  const double low = pressures.front(), high = pressures.back();
  for (double p : extra) {
    if (!(p > low && p < high)) continue;
    const auto near =
        std::find_if(pressures.begin(), pressures.end(), [p](double q) { return std::abs(q - p) <= 0.5; });
    if (near == pressures.end()) pressures.insert(std::upper_bound(pressures.begin(), pressures.end(), p), p);
  }
  return pressures;
}

std::string ZFailure(const std::string& where, const CalculationOutcome& outcome) {
  return where + ": the z-factor failed (" + std::string(ZFactorMessage(outcome.zFactorStatus)) + ")";
}

// Above the bubble point Bo must fall with pressure at an oil's compressibility. Where the
// correlations' Bo falls from the row before (as written) by less than the floor gives,
// or rises, it is that row's shrunk at the floor instead: Bo(p₁) exp(−c (p − p₁)).
// `correlationBefore` is the row before's Bo from the correlations, for the message.
void FloorCompressibility(TableAdjustment where, const OilPoint& before, double correlationBefore, OilPoint& point,
                          BlackOilTables& t, UnitSystem units) {
  const double dp = point.pressure - before.pressure;
  if (!(std::log(before.bo / point.bo) / dp < kMinimumOilCompressibility)) return;
  const double floored = before.bo * std::exp(-kMinimumOilCompressibility * dp);
  where.pressure = point.pressure;
  where.quantity = "Bo";
  where.before = point.bo;
  where.after = floored;
  where.reason = "the correlations' oil compressibility from the row before is " +
                 Amount(std::log(correlationBefore / point.bo) / dp, Dimension::InverseCompressibility, units) +
                 "; raised to " + Amount(kMinimumOilCompressibility, Dimension::InverseCompressibility, units);
  t.adjustments.push_back(std::move(where));
  point.bo = floored;
}

// Appends the oil of a run at `p` to `rows`, its Bo floored against the row before (strict
// options refuse the tables then, BuildBlackOilTables); `where` names the table (and
// record), `correlationBefore` carries the correlations' own Bo of the row before from one
// call to the next.
void AppendOilPoint(const CalculationOutcome& outcome, double p, const BlackOilOptions& o, TableAdjustment where,
                    double& correlationBefore, std::vector<OilPoint>& rows, BlackOilTables& t) {
  OilPoint point{p, Value(outcome.results.bo), Value(outcome.results.muO)};
  const double correlationBo = point.bo;
  if (!rows.empty()) {
    where.row = int(rows.size()) + 1;
    FloorCompressibility(std::move(where), rows.back(), correlationBefore, point, t, o.units);
  }
  correlationBefore = correlationBo;
  rows.push_back(point);
}

// Saturated point and undersaturated branch of one solution gas-oil ratio, with the
// correlations in GOR mode for that ratio.
bool BuildLiveOilRecord(const CalculationCase& c, const BlackOilOptions& o, double rsScf, double topPressure,
                        std::size_t number, BlackOilTables& t, std::string& error) {
  LiveOilRecord record;
  const double gorMcf = rsScf / units::kScfPerMcf;
  const double pb = Run(c, GorSelectorMode::Gor, gorMcf, topPressure).results.pb;
  record.rs = gorMcf;
  std::vector<double> pressures = {pb};
  if (pb < topPressure) {
    for (int k = 1; k <= o.undersaturatedPoints; ++k) {
      pressures.push_back(pb + (topPressure - pb) * k / o.undersaturatedPoints);
    }
  }
  double correlationBefore = 0;
  for (double p : pressures) {
    const CalculationOutcome outcome = Run(c, GorSelectorMode::Gor, gorMcf, p);
    if (outcome.failed()) {
      error = ZFailure("PVTO at Rs " + Amount(gorMcf, Dimension::GasLiquidRatio, o.units) + " and " +
                           Amount(p, Dimension::Pressure, o.units),
                       outcome);
      return false;
    }
    TableAdjustment where;
    where.table = "PVTO";
    where.record = int(number);
    where.rs = gorMcf;
    AppendOilPoint(outcome, p, o, std::move(where), correlationBefore, record.points, t);
  }
  const CalculationOutcome gas = CalculateAt(c, pb);
  record.saturatedBg = gas.failed() ? kNotComputed : Value(gas.results.bg);
  t.liveOil.push_back(std::move(record));
  return true;
}

// Along the saturated curve, as pressure falls by Δp from one record to the one below, the
// oil shrinks by ΔBo and releases gas that takes up Bg ΔRs. Together they are only
// physical while they expand: ΔBo < Bg ΔRs. A simulator also needs them to expand at
// least as much as the oil alone would above its bubble point, by co Bo Δp with co the
// record's undersaturated compressibility, or its Newton iterations fail as cells pass
// the bubble point. Where the correlations break this (volatile oils at high Rs), the
// record's Bo is lowered to that bound (never by more than half the released gas's
// volume), its undersaturated branch scaled with it, and the records above follow.
void LimitSaturatedSteps(BlackOilTables& t, UnitSystem units) {
  for (std::size_t i = 1; i < t.liveOil.size(); ++i) {
    LiveOilRecord& record = t.liveOil[i];
    const OilPoint& below = t.liveOil[i - 1].points.front();
    const OilPoint& saturated = record.points.front();
    const double released = record.saturatedBg * (record.rs - t.liveOil[i - 1].rs);
    double co = kMinimumOilCompressibility;
    if (record.points.size() > 1) {
      const OilPoint& next = record.points[1];
      co = std::max(co, std::log(saturated.bo / next.bo) / (next.pressure - saturated.pressure));
    }
    const double compressed = co * below.bo * (saturated.pressure - below.pressure);
    const double limit = std::max(released - compressed, released / 2);
    const double step = saturated.bo - below.bo;
    if (!(limit > 0) || !(step > 0) || step <= limit) continue;
    const double bo = below.bo + limit;
    const double scale = bo / saturated.bo;
    t.adjustments.push_back({"PVTO", int(i) + 1, record.rs, 1, saturated.pressure, "Bo", saturated.bo, bo,
                             "the saturated Bo rises " + Amount(step, Dimension::LiquidRatio, units) +
                                 " from the record below; the gas released between them takes up " +
                                 Amount(released, Dimension::LiquidRatio, units) +
                                 ", and the oil and its gas must expand at least as much as the oil alone would (" +
                                 Amount(compressed, Dimension::LiquidRatio, units) + " at " +
                                 Amount(co, Dimension::InverseCompressibility, units) +
                                 "); the record's undersaturated Bo is scaled by " + Number(scale)});
    for (OilPoint& point : record.points) point.bo *= scale;
  }
}

// Oil thins as gas dissolves, so along the saturated curve its viscosity falls as Rs
// rises. The Chew–Connally gas-in-solution correction turns upward at high Rs (above
// about 1700 SCF/STB, and steeply beyond its data, 3544 SCF/STB). Where a record's
// bubble-point viscosity rises from the record before, it is held at that value, and its
// undersaturated branch follows from it with the same pressure term as in a run.
void HoldSaturatedViscosity(BlackOilTables& t) {
  for (std::size_t i = 1; i < t.liveOil.size(); ++i) {
    LiveOilRecord& record = t.liveOil[i];
    const double held = t.liveOil[i - 1].points.front().viscosity;
    OilPoint& saturated = record.points.front();
    if (!(saturated.viscosity > held)) continue;
    t.adjustments.push_back(
        {"PVTO", int(i) + 1, record.rs, 1, saturated.pressure, "oil viscosity", saturated.viscosity, held,
         "the saturated oil viscosity rises with Rs, where oil thins as gas dissolves; held at the record before's, "
         "and the record's undersaturated viscosity follows from it"});
    saturated.viscosity = held;
    for (OilPoint& point : record.points) {
      if (point.pressure > saturated.pressure) {
        point.viscosity = UndersaturatedOilViscosity(held, point.pressure, saturated.pressure);
      }
    }
  }
}

// The highest pressure the tables can reach: `wanted`, or, where the gas's z-factor fails
// below it (a reduced pressure above 20.5, or no convergence), the highest pressure it
// reaches without a failure from `floor`, a pressure where it works: the first failure on
// a fine scan, narrowed by bisection and rounded down to four significant digits. `why`
// is that failure's message.
double Reach(const CalculationCase& c, double floor, double wanted, std::string& why) {
  constexpr int kScanSteps = 200;
  double low = floor;
  for (int i = 1; i <= kScanSteps; ++i) {
    double high = floor + (wanted - floor) * i / kScanSteps;
    const CalculationOutcome outcome = CalculateAt(c, high);
    if (!outcome.failed()) {
      low = high;
      continue;
    }
    why = ZFactorMessage(outcome.zFactorStatus);
    while (high - low > 1e-6 * high) {
      const double middle = (low + high) / 2;
      (CalculateAt(c, middle).failed() ? high : low) = middle;
    }
    // Down to four significant digits, so that the written pressure stays within reach.
    const double unit = std::pow(10.0, std::floor(std::log10(low)) - 3);
    const double rounded = std::floor(low / unit) * unit;
    return rounded > floor ? rounded : low;
  }
  return wanted;
}

bool BuildLiveOil(const CalculationCase& c, const BlackOilOptions& o, double pb, double rsb, double top,
                  BlackOilTables& t, std::string& error) {
  // The saturated curve reaches the bubble point, or, where the gas's z-factor ends below
  // it, halfway from the reservoir pressure to where it ends, leaving room for a branch.
  double saturatedTop = std::max(t.reservoirPressure, pb);
  if (!(saturatedTop < top)) {
    saturatedTop = (t.reservoirPressure + top) / 2;
    t.notes.push_back("PVTO: the saturated curve ends at " + Amount(saturatedTop, Dimension::Pressure, o.units) +
                      ", below the bubble point of " + Amount(pb, Dimension::Pressure, o.units) +
                      ", which the tables cannot reach");
  }
  std::size_t number = 0;
  for (double p :
       WithPressures(Pressures(o.minimumPressure, saturatedTop, o.saturatedRows, pb), o.saturatedPressures)) {
    // The saturated curve: the gas-oil ratio of an oil whose bubble point is p; at the
    // case's own bubble point, the case's own ratio.
    const double rs = p == pb ? rsb : Value(Run(c, GorSelectorMode::BubblePoint, p, p).results.rsb);
    if (!BuildLiveOilRecord(c, o, rs, top, ++number, t, error)) return false;
  }
  LimitSaturatedSteps(t, o.units);
  HoldSaturatedViscosity(t);
  for (double p : WithPressures(Pressures(o.minimumPressure, top, o.gasRows), o.gasPressures)) {
    const CalculationOutcome outcome = CalculateAt(c, p);
    if (outcome.failed()) {
      error = ZFailure("PVDG at " + Amount(p, Dimension::Pressure, o.units), outcome);
      return false;
    }
    t.gas.push_back({p, Value(outcome.results.bg), Value(outcome.results.muG)});
  }
  return true;
}

// An oil without gas in solution is at its bubble point at atmospheric pressure; each row
// is a run of the case at its pressure.
bool BuildDeadOil(const CalculationCase& c, const BlackOilOptions& o, double top, BlackOilTables& t,
                  std::string& error) {
  double correlationBefore = 0;
  for (double p : Pressures(o.minimumPressure, top, o.deadOilRows)) {
    const CalculationOutcome outcome = CalculateAt(c, p);
    if (outcome.failed()) {
      error = ZFailure("PVDO at " + Amount(p, Dimension::Pressure, o.units), outcome);
      return false;
    }
    TableAdjustment where;
    where.table = "PVDO";
    AppendOilPoint(outcome, p, o, std::move(where), correlationBefore, t.deadOilTable, t);
  }
  return true;
}

// The fewest significant digits, from 8, with which the written tables still pass the
// checks; 0 when even 17 do not.
int WrittenDigits(const BlackOilTables& t) {
  for (const int digits : {8, 10, 12, 15, 17}) {
    if (CheckBlackOilTables(AsWritten(t, digits)).empty()) return digits;
  }
  return 0;
}

}  // namespace

std::string TableNumber(double value, int digits) {
  char text[40];
  std::snprintf(text, sizeof text, "%.*G", digits, value);
  return text;
}

BlackOilTables AsWritten(const BlackOilTables& tables, int digits) {
  const auto written = [digits](double& value) {
    if (std::isfinite(value)) value = std::strtod(TableNumber(value, digits).c_str(), nullptr);
  };
  BlackOilTables t = tables;
  for (LiveOilRecord& record : t.liveOil) {
    written(record.rs);
    for (OilPoint& point : record.points) {
      written(point.pressure);
      written(point.bo);
      written(point.viscosity);
    }
  }
  for (OilPoint& point : t.deadOilTable) {
    written(point.pressure);
    written(point.bo);
    written(point.viscosity);
  }
  for (GasPoint& point : t.gas) {
    written(point.pressure);
    written(point.bg);
    written(point.viscosity);
  }
  for (double* value :
       {&t.water.referencePressure, &t.water.bw, &t.water.compressibility, &t.water.viscosity, &t.water.viscosibility,
        &t.rock.referencePressure, &t.rock.compressibility, &t.densities.oil, &t.densities.water, &t.densities.gas}) {
    written(*value);
  }
  return t;
}

const DeckUnits& DeckUnitsOf(UnitSystem system) {
  static constexpr DeckUnits kField{"FIELD", "psia", "MSCF/STB", "RB/STB", "RB/MSCF", "1/psi", "lb/ft3", "ft", "STB/d"};
  static constexpr DeckUnits kMetric{"METRIC", "bara", "sm3/sm3", "rm3/sm3", "rm3/sm3", "1/bar", "kg/m3", "m", "sm3/d"};
  return system == UnitSystem::Metric ? kMetric : kField;
}

BlackOilTables InUnits(const BlackOilTables& fieldTables, UnitSystem system) {
  BlackOilTables t = fieldTables;
  if (system == UnitSystem::Field) return t;
  const auto convert = [system](double& value, Dimension dimension) { value = FromField(value, dimension, system); };
  for (LiveOilRecord& record : t.liveOil) {
    convert(record.rs, Dimension::GasLiquidRatio);
    convert(record.saturatedBg, Dimension::GasVolumeFactor);
    for (OilPoint& point : record.points) convert(point.pressure, Dimension::Pressure);
  }
  for (OilPoint& point : t.deadOilTable) convert(point.pressure, Dimension::Pressure);
  for (GasPoint& point : t.gas) {
    convert(point.pressure, Dimension::Pressure);
    convert(point.bg, Dimension::GasVolumeFactor);
  }
  convert(t.water.referencePressure, Dimension::Pressure);
  convert(t.water.compressibility, Dimension::InverseCompressibility);
  convert(t.water.viscosibility, Dimension::InverseCompressibility);
  convert(t.rock.referencePressure, Dimension::Pressure);
  convert(t.rock.compressibility, Dimension::InverseCompressibility);
  for (double* density : {&t.densities.oil, &t.densities.water, &t.densities.gas})
    convert(*density, Dimension::Density);
  convert(t.reservoirPressure, Dimension::Pressure);
  convert(t.bubblePoint, Dimension::Pressure);
  convert(t.initialRs, Dimension::GasLiquidRatio);
  for (TableAdjustment& adjustment : t.adjustments) {
    convert(adjustment.pressure, Dimension::Pressure);
    convert(adjustment.rs, Dimension::GasLiquidRatio);
  }
  t.significantDigits = WrittenDigits(t);
  return t;
}

namespace {

// The digits to write with; refuses, naming the first broken rule of the written tables,
// when no number of digits keeps them valid.
bool Finish(const BlackOilOptions& o, BlackOilTables& t, std::string& error) {
  // Strict tables are the correlations' own or none: where a value had to be adjusted,
  // they are refused, naming it.
  if (o.strict && !t.adjustments.empty()) {
    TableAdjustment first = t.adjustments.front();
    first.pressure = FromField(first.pressure, Dimension::Pressure, o.units);
    first.rs = FromField(first.rs, Dimension::GasLiquidRatio, o.units);
    error = AdjustmentText(first, o.units) + "; the tables would have to be adjusted there (" +
            std::to_string(t.adjustments.size()) + (t.adjustments.size() == 1 ? " value" : " values") +
            "), which --strict-tables refuses";
    return false;
  }
  t.significantDigits = WrittenDigits(t);
  if (t.significantDigits > 0) return true;
  error = CheckBlackOilTables(AsWritten(t, 17));
  return false;
}

// What a black-oil description needs of the case's inputs: oil, a gas gravity and a
// reservoir pressure above the lowest table pressure. Empty when they are there.
std::string RefusedInputs(const InputSet& in, const BlackOilOptions& o) {
  if (!(in.apiGravity > 0)) return "a black-oil description needs oil: the API gravity must be above 0";
  if (!(in.gasGravity > 0)) {
    return "a black-oil description needs the gas gravity, also for an oil without gas in solution (its Bo "
           "correlations use it): give the gas gravity, and a GOR of 0 for a dead oil";
  }
  if (!(in.pressure > o.minimumPressure) || !std::isfinite(in.pressure)) {
    return "the reservoir pressure must be above " + Amount(o.minimumPressure, Dimension::Pressure, o.units) +
           ", not " + Amount(in.pressure, Dimension::Pressure, o.units);
  }
  return {};
}

// The case at the reservoir pressure, `r` its run there: the oil in place, the water (with
// its viscosibility from runs either side), the rock and the surface densities. False
// without a formation compressibility.
bool DescribeReservoir(const CalculationCase& c, const ResultSet& r, BlackOilTables& t, std::string& error) {
  const InputSet& in = c.inputs;
  t.reservoirPressure = in.pressure;
  t.initialBo = Value(r.bo);
  t.porosity = in.porosity / units::kPercentPerFraction;
  t.connateWater = in.swc / units::kPercentPerFraction;
  t.deadOil = IsDeadOil(in, c.gorMode);

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
  t.densities = {Value(oil), Value(water), Value(gas)};
  return true;
}

// The highest table pressure: the options' margin above the larger of the reservoir
// pressure and the bubble point `pb`, or where the gas's z-factor ends below that (noted).
// False where it ends at the reservoir pressure.
bool TablesTop(const CalculationCase& c, const BlackOilOptions& o, double pb, BlackOilTables& t, double& top,
               std::string& error) {
  const double p = t.reservoirPressure;
  const double wanted = o.pressureMargin * std::max(p, t.deadOil ? p : pb);
  std::string why;
  top = Reach(c, p, wanted, why);
  if (!(top > p)) {
    error = "PVDG above " + Amount(p, Dimension::Pressure, o.units) +
            ": the gas's z-factor fails just above the reservoir " + "pressure (" + why +
            "): the tables cannot reach beyond it";
    return false;
  }
  if (top < wanted) {
    t.notes.push_back("the tables end at " + Amount(top, Dimension::Pressure, o.units) +
                      ", where the gas's z-factor fails above (" + why + "), instead of at " +
                      Amount(wanted, Dimension::Pressure, o.units));
  }
  return true;
}

// PVTO and PVDG of a live oil whose run at the reservoir pressure is `r`, up to `top`.
bool BuildLiveOilTables(const CalculationCase& c, const BlackOilOptions& o, const ResultSet& r, double top,
                        BlackOilTables& t, std::string& error) {
  if (!(r.pb > o.minimumPressure)) {
    error = "PVTO record 1: the bubble-point pressure of the case is " + Amount(r.pb, Dimension::Pressure, o.units) +
            ", not above " + Amount(o.minimumPressure, Dimension::Pressure, o.units) +
            ", the lowest table pressure: the oil has no saturated range to tabulate (a GOR this small gives " +
            "no bubble point above stock-tank conditions); give a GOR of 0 to export it as a dead oil";
    return false;
  }
  t.bubblePoint = r.pb;
  t.initialRs = (t.reservoirPressure > r.pb ? Value(r.rsb) : Value(r.rs)) / units::kScfPerMcf;
  return BuildLiveOil(c, o, r.pb, Value(r.rsb), top, t, error);
}

}  // namespace

void IncludeLabPressures(const LabData& data, BlackOilOptions& options) {
  for (const LabPoint& point : data.points) {
    if (point.pressure <= data.bubblePoint && (point.rs || point.bo || point.oilViscosity)) {
      options.saturatedPressures.push_back(point.pressure);
    }
    if (point.z || point.bg) options.gasPressures.push_back(point.pressure);
  }
}

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
  if (std::string refused = RefusedInputs(c.inputs, o); !refused.empty()) {
    error = std::move(refused);
    return false;
  }
  const CalculationOutcome reservoir = Calculate(c);
  if (reservoir.failed()) {
    error = ZFailure("at the reservoir pressure", reservoir);
    return false;
  }
  const ResultSet& r = reservoir.results;
  if (const OilTuning* tuning = TuningInForce(c.selection)) {
    t.notes.push_back("the oil is " + TuningDescription(*tuning) + " (every oil row is a run of the tuned model)");
  }
  double top = 0;
  if (!DescribeReservoir(c, r, t, error) || !TablesTop(c, o, r.pb, t, top, error)) return false;
  const bool built = t.deadOil ? BuildDeadOil(c, o, top, t, error) : BuildLiveOilTables(c, o, r, top, t, error);
  return built && Finish(o, t, error);
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
    if (saturated.viscosity > saturatedBefore.viscosity) {
      return where + ": saturated oil viscosity " + Number(saturated.viscosity) + " cp rises above " +
             Number(saturatedBefore.viscosity) + " of the record before, where oil thins as gas dissolves";
    }
    const double released = record.saturatedBg * (record.rs - before.rs);
    if (std::isfinite(released) && !(saturated.bo - saturatedBefore.bo < released)) {
      return where + ": saturated Bo " + Number(saturated.bo) + " RB/STB rises " +
             Number(saturated.bo - saturatedBefore.bo) + " from the record before, not less than the " +
             Number(released) + " RB/STB its released gas takes up (Bg " + Number(record.saturatedBg) +
             " RB/MSCF): the oil and its gas would have a negative total compressibility";
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
  if (!Usable(t.densities.gas)) return NotUsable("DENSITY", "gas density", t.densities.gas, "lb/ft3");
  return {};
}

}  // namespace tarnvik
