#include "calc/lab_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/units.h"
#include "calc/calculation_run.h"
#include "calc/data_range_checks.h"
#include "calc/routines.h"
#include "correlations/oil/oil_family.h"
#include "correlations/oil/oil_viscosity.h"

namespace tarnvik {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The report's values outside a family's published data: API, gas gravity, temperature and
// GOR (in GOR mode), and the measured bubble point.
Diagnostics OutsideData(const CalculationCase& labCase, const LabData& data, OilCorrelation family) {
  Diagnostics outside;
  NoteFamilyInputsOutsideData(labCase, family, outside);
  CalculationCase measured = labCase;
  measured.gorMode = GorSelectorMode::BubblePoint;
  measured.inputs.gorOrPb = data.bubblePoint;
  Diagnostics bubblePoint;
  NoteFamilyInputsOutsideData(measured, family, bubblePoint);
  for (const Diagnostic& d : bubblePoint) {
    if (d.quantity == RangedQuantity::BubblePoint) outside.push_back(d);
  }
  return outside;
}

}  // namespace

OilState LabOilState(const CalculationCase& labCase, double pressure, OilCorrelation family, const OilTuning* tuning) {
  InputSet inputs = labCase.inputs;
  inputs.pressure = pressure;
  return CalculateOilState(inputs, GorSelectorMode::Gor, family, tuning);
}

OilState LabBubblePointOil(const CalculationCase& labCase, OilCorrelation family, const OilTuning* tuning) {
  const InputSet& in = labCase.inputs;
  const double rsb = in.gorOrPb * units::kScfPerMcf;
  OilState oil;
  oil.rs = oil.rsb = rsb;
  oil.bo = tuning ? TunedOilFvf(family, *tuning, in.gasGravity, in.temperatureF, in.apiGravity, rsb)
                  : OilFamilyOf(family).oilFvf(in.gasGravity, in.temperatureF, in.apiGravity, rsb);
  oil.muO = tuning ? TunedSaturatedOilViscosity(*tuning, in.apiGravity, in.temperatureF, rsb)
                   : SaturatedOilViscosity(in.apiGravity, in.temperatureF, rsb);
  return oil;
}

LabGasState LabGas(const CalculationCase& labCase, double pressure, const GasTuning* tuning) {
  const InputSet& in = labCase.inputs;
  LabGasState gas;
  ZFactorStatus status = ZFactorStatus::Success;
  CalcZFactor(in.gasGravity, in.temperatureF, pressure, gas.z, gas.bg, status, labCase.selection.gasCharacterisation,
              in.impurities, tuning);
  if (status != ZFactorStatus::Success) return {};
  return gas;
}

bool LabResidual::withinTarget() const {
  const double target = kLabTargets[static_cast<std::size_t>(property)];
  return std::isnan(target) || std::abs(error) <= target;
}

double LabScore(const LabErrors& errors) {
  double sum = 0;
  int count = 0;
  for (std::size_t i = 0; i < kScoredLabProperties; ++i) {
    if (errors[i].points == 0) continue;
    sum += errors[i].aare;
    ++count;
  }
  return count == 0 ? kNaN : sum / count;
}

double LabResidualOf(LabProperty property, double predicted, double measured, double gor) {
  if (property == LabProperty::Rs && measured < 0.1 * gor) return (predicted - measured) / gor;
  return (predicted - measured) / measured;
}

bool LabCase(const CalculationCase& c, const LabData& data, CalculationCase& labCase, std::string& error) {
  labCase = c;
  InputSet& in = labCase.inputs;
  if (data.apiGravity) in.apiGravity = *data.apiGravity;
  if (data.gasGravity) in.gasGravity = *data.gasGravity;
  if (!(in.apiGravity > 0) || !(in.gasGravity > 0)) {
    error =
        "comparing the oil families with the lab data needs the oil's API gravity and gas gravity: give them in the "
        "case or in the lab file";
    return false;
  }
  in.temperatureF = data.temperatureF;
  in.pressure = data.bubblePoint;
  in.gorOrPb = data.gor / units::kScfPerMcf;
  labCase.gorMode = GorSelectorMode::Gor;
  labCase.selection.oilTuning = OilTuning{};
  return true;
}

LabComparison CompareWithLab(const CalculationCase& labCase, const LabData& data, OilCorrelation family,
                             const OilTuning* tuning) {
  LabComparison out;
  const auto add = [&](double pressure, LabProperty property, double predicted, double measured) {
    out.residuals.push_back(
        {pressure, property, measured, predicted, LabResidualOf(property, predicted, measured, data.gor)});
  };
  const OilState atBubblePoint = LabOilState(labCase, data.bubblePoint, family, tuning);
  add(data.bubblePoint, LabProperty::BubblePoint, atBubblePoint.pb, data.bubblePoint);
  // V/Vsat of the model: Bo over Bo at the model's own bubble point.
  const double modelBob = LabBubblePointOil(labCase, family, tuning).bo;
  CalculationCase run = labCase;
  run.selection.oilCorrelation = family;
  if (tuning) run.selection.oilTuning = *tuning;
  for (const LabPoint& point : data.points) {
    const double p = point.pressure;
    if (point.rs || point.bo || point.oilViscosity || point.relativeVolume) {
      const OilState oil = LabOilState(labCase, p, family, tuning);
      if (point.rs) add(p, LabProperty::Rs, oil.rs, *point.rs);
      if (point.bo) add(p, LabProperty::Bo, oil.bo, *point.bo);
      if (point.oilViscosity) add(p, LabProperty::OilViscosity, oil.muO, *point.oilViscosity);
      if (point.relativeVolume) add(p, LabProperty::RelativeVolume, oil.bo / modelBob, *point.relativeVolume);
    }
    if (point.oilCompressibility) {
      // Below the bubble point co takes the gas's Bg: a whole run.
      InputSet inputs = run.inputs;
      inputs.pressure = p;
      const Quantity co = Calculate(inputs, run.gorMode, run.waterMode, run.selection).results.co;
      add(p, LabProperty::OilCompressibility, co.value_or(kNaN), *point.oilCompressibility);
    }
    if (point.z || point.bg) {
      const LabGasState gas = LabGas(labCase, p, tuning ? &tuning->gas : nullptr);
      if (point.z) add(p, LabProperty::Z, gas.z, *point.z);
      if (point.bg) add(p, LabProperty::Bg, gas.bg, *point.bg);
    }
  }
  std::array<int, kLabPropertyCount> counts{};
  std::array<double, kLabPropertyCount> sums{};
  for (const LabResidual& r : out.residuals) {
    const auto i = static_cast<std::size_t>(r.property);
    PropertyError& e = out.errors[i];
    const double size = std::isfinite(r.error) ? std::abs(r.error) : std::numeric_limits<double>::infinity();
    ++counts[i];
    sums[i] += size;
    e.maxError = std::max(e.maxError, size);
  }
  for (std::size_t i = 0; i < kLabPropertyCount; ++i) {
    out.errors[i].points = counts[i];
    if (counts[i] > 0) out.errors[i].aare = sums[i] / counts[i];
  }
  return out;
}

bool RankOilFamilies(const CalculationCase& c, const LabData& data, OilRanking& ranking, std::string& error) {
  if (!AtSeparatorConditions(data, ranking.compared, error)) return false;
  ranking.separatorAdjusted = data.separator.has_value();
  if (!LabCase(c, ranking.compared, ranking.labCase, error)) return false;
  for (std::size_t i = 0; i < ranking.families.size(); ++i) {
    FamilyRank& rank = ranking.families[i];
    rank.family = static_cast<OilCorrelation>(i);
    rank.comparison = CompareWithLab(ranking.labCase, ranking.compared, rank.family);
    rank.score = LabScore(rank.errors());
    rank.rangesKnown = !RangesOf(FamilyCorrelation(rank.family)).empty();
    rank.outsideData = OutsideData(ranking.labCase, ranking.compared, rank.family);
    const double margin =
        !rank.rangesKnown ? kUnknownRangesMargin : (rank.outsideData.empty() ? 0 : kOutsideDataMargin);
    rank.rankedScore = rank.score + margin;
  }
  std::stable_sort(ranking.families.begin(), ranking.families.end(), [](const FamilyRank& a, const FamilyRank& b) {
    if (!std::isfinite(b.rankedScore)) return std::isfinite(a.rankedScore);
    return std::isfinite(a.rankedScore) && a.rankedScore < b.rankedScore;
  });
  return true;
}

}  // namespace tarnvik
