#include "calc/lab_fit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "base/units.h"
#include "calc/calculation_run.h"
#include "calc/data_range_checks.h"

namespace tarnvik {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

OilState OilAt(const CalculationCase& labCase, double pressure, OilCorrelation family, const OilTuning* tuning) {
  InputSet inputs = labCase.inputs;
  inputs.pressure = pressure;
  return CalculateOilState(inputs, GorSelectorMode::Gor, family, tuning);
}

// Sums of relative errors of one property.
struct ErrorSum {
  int points = 0;
  double absolute = 0, squared = 0;

  void Add(double predicted, double measured) {
    const double relative = (predicted - measured) / measured;
    ++points;
    absolute += std::abs(relative);
    squared += relative * relative;
  }
  PropertyError Error() const {
    if (points == 0) return {};
    return {points, absolute / points, std::sqrt(squared / points)};
  }
};

std::size_t Index(LabProperty property) { return static_cast<std::size_t>(property); }

// The factor that minimises Σ ((c_i + f d_i − y_i) / y_i)², for predictions linear in f.
double LinearFactor(const std::vector<double>& c, const std::vector<double>& d, const std::vector<double>& y) {
  double numerator = 0, denominator = 0;
  for (std::size_t i = 0; i < y.size(); ++i) {
    numerator += (d[i] / y[i]) * ((y[i] - c[i]) / y[i]);
    denominator += (d[i] / y[i]) * (d[i] / y[i]);
  }
  return numerator / denominator;
}

// The exponent of the pressure map that minimises Σ ((Rs_tuned(p_i) − Rs_i) / Rs_i)² over
// the points below the measured bubble point (above it Rs is the GOR whatever the map): a
// scan of ln a over [ln 0.2, ln 5], then golden-section search about the best. 1 without
// such points.
double PressureExponent(const CalculationCase& labCase, const LabData& data, OilCorrelation family, OilTuning tuning) {
  std::vector<const LabPoint*> points;
  for (const LabPoint& point : data.points) {
    if (point.rs && point.pressure<data.bubblePoint&& * point.rs> 0) points.push_back(&point);
  }
  if (points.empty()) return 1;
  const auto misfit = [&](double logExponent) {
    tuning.pressureExponent = std::exp(logExponent);
    double sum = 0;
    for (const LabPoint* point : points) {
      const double relative = OilAt(labCase, point->pressure, family, &tuning).rs / *point->rs - 1;
      sum += relative * relative;
    }
    return std::isfinite(sum) ? sum : std::numeric_limits<double>::infinity();
  };
  const double low = std::log(0.2), high = std::log(5.0);
  constexpr int kScan = 40;
  const double step = (high - low) / kScan;
  double best = 0, bestMisfit = misfit(0);
  for (int i = 0; i <= kScan; ++i) {
    const double at = low + i * step;
    const double value = misfit(at);
    if (value < bestMisfit) best = at, bestMisfit = value;
  }
  // Golden section within one scan step either side; a = 1 stays when nothing beats it.
  constexpr double kGolden = 0.6180339887498949;
  double a = best - step, b = best + step;
  double c = b - kGolden * (b - a), d = a + kGolden * (b - a);
  double fc = misfit(c), fd = misfit(d);
  for (int iteration = 0; iteration < 40; ++iteration) {
    if (fc < fd) {
      b = d, d = c, fd = fc;
      c = b - kGolden * (b - a), fc = misfit(c);
    } else {
      a = c, c = d, fc = fd;
      d = a + kGolden * (b - a), fd = misfit(d);
    }
  }
  const double refined = fc < fd ? c : d;
  return std::exp(std::min(fc, fd) < bestMisfit ? refined : best);
}

// The viscosity factor by Gauss-Newton on the relative residuals, from the closed-form
// factor of the points at or below the bubble point.
double ViscosityFactor(const CalculationCase& labCase, const LabData& data, OilCorrelation family, OilTuning tuning) {
  std::vector<const LabPoint*> points;
  for (const LabPoint& point : data.points) {
    if (point.oilViscosity) points.push_back(&point);
  }
  if (points.empty()) return 1;
  const auto predicted = [&](double factor, const LabPoint& point) {
    tuning.viscosityFactor = factor;
    return OilAt(labCase, point.pressure, family, &tuning).muO;
  };
  double factor = 1;
  constexpr int kIterations = 30;
  for (int iteration = 0; iteration < kIterations; ++iteration) {
    double jr = 0, jj = 0;
    const double step = 1e-6 * factor;
    for (const LabPoint* point : points) {
      const double y = *point->oilViscosity;
      const double at = predicted(factor, *point);
      const double slope = (predicted(factor + step, *point) - at) / step;
      jr += (slope / y) * (at / y - 1);
      jj += (slope / y) * (slope / y);
    }
    const double change = -jr / jj;
    if (!std::isfinite(change)) return kNaN;
    factor += change;
    if (std::abs(change) <= 1e-12 * std::abs(factor)) break;
  }
  return factor;
}

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

LabErrors ErrorsAgainstLab(const CalculationCase& labCase, const LabData& data, OilCorrelation family,
                           const OilTuning* tuning) {
  std::array<ErrorSum, kLabPropertyCount> sums;
  sums[Index(LabProperty::BubblePoint)].Add(OilAt(labCase, data.bubblePoint, family, tuning).pb, data.bubblePoint);
  CalculationCase run = labCase;
  run.selection.oilCorrelation = family;
  if (tuning) run.selection.oilTuning = *tuning;
  for (const LabPoint& point : data.points) {
    if (point.rs || point.bo || point.oilViscosity) {
      const OilState oil = OilAt(labCase, point.pressure, family, tuning);
      if (point.rs) sums[Index(LabProperty::Rs)].Add(oil.rs, *point.rs);
      if (point.bo) sums[Index(LabProperty::Bo)].Add(oil.bo, *point.bo);
      if (point.oilViscosity) sums[Index(LabProperty::OilViscosity)].Add(oil.muO, *point.oilViscosity);
    }
    if (point.oilCompressibility) {
      // Below the bubble point co takes the gas's Bg: a whole run.
      InputSet inputs = run.inputs;
      inputs.pressure = point.pressure;
      const Quantity co = Calculate(inputs, run.gorMode, run.waterMode, run.selection).results.co;
      sums[Index(LabProperty::OilCompressibility)].Add(co.value_or(kNaN), *point.oilCompressibility);
    }
  }
  LabErrors errors{};
  for (std::size_t i = 0; i < kLabPropertyCount; ++i) errors[i] = sums[i].Error();
  return errors;
}

bool RankOilFamilies(const CalculationCase& c, const LabData& data, OilRanking& ranking, std::string& error) {
  if (!AtSeparatorConditions(data, ranking.compared, error)) return false;
  ranking.separatorAdjusted = data.separator.has_value();
  if (!LabCase(c, ranking.compared, ranking.labCase, error)) return false;
  for (std::size_t i = 0; i < ranking.families.size(); ++i) {
    FamilyRank& rank = ranking.families[i];
    rank.family = static_cast<OilCorrelation>(i);
    rank.errors = ErrorsAgainstLab(ranking.labCase, ranking.compared, rank.family);
    rank.score = LabScore(rank.errors);
    rank.rangesKnown = !RangesOf(FamilyCorrelation(rank.family)).empty();
    rank.outsideData = OutsideData(ranking.labCase, ranking.compared, rank.family);
  }
  std::stable_sort(ranking.families.begin(), ranking.families.end(), [](const FamilyRank& a, const FamilyRank& b) {
    if (!std::isfinite(b.score)) return std::isfinite(a.score);
    return std::isfinite(a.score) && a.score < b.score;
  });
  return true;
}

bool TuneOilFamily(const CalculationCase& c, const LabData& data, OilCorrelation family, OilTuningFit& fit,
                   std::string& error) {
  LabData compared;
  CalculationCase labCase;
  if (!AtSeparatorConditions(data, compared, error) || !LabCase(c, compared, labCase, error)) return false;
  fit = OilTuningFit{};
  fit.separatorAdjusted = data.separator.has_value();
  OilTuning& tuning = fit.tuning;
  tuning.active = true;
  tuning.family = EffectiveOilCorrelation(family);

  const double familyBubblePoint = OilAt(labCase, compared.bubblePoint, family, nullptr).pb;
  if (!(familyBubblePoint > 0) || !std::isfinite(familyBubblePoint)) {
    error = "the family's bubble point at the measured GOR is " + Number(familyBubblePoint) +
            " psia, not a pressure it can be scaled from to the measured " + Number(compared.bubblePoint) + " psia";
    return false;
  }
  tuning.pressureScale = compared.bubblePoint / familyBubblePoint;
  tuning.referencePressure = compared.bubblePoint;
  tuning.pressureExponent = PressureExponent(labCase, compared, family, tuning);

  std::vector<double> c0, d, y;
  for (const LabPoint& point : compared.points) {
    if (!point.bo) continue;
    OilTuning zero = tuning, one = tuning;
    zero.boFactor = 0;
    const double at0 = OilAt(labCase, point.pressure, family, &zero).bo;
    const double at1 = OilAt(labCase, point.pressure, family, &one).bo;
    c0.push_back(at0);
    d.push_back(at1 - at0);
    y.push_back(*point.bo);
  }
  if (!y.empty()) tuning.boFactor = LinearFactor(c0, d, y);
  tuning.viscosityFactor = ViscosityFactor(labCase, compared, family, tuning);
  for (const auto& [name, factor] :
       {std::pair{"Bo factor", tuning.boFactor}, {"viscosity factor", tuning.viscosityFactor}}) {
    if (!(factor > 0) || !std::isfinite(factor)) {
      error = std::string("the fitted ") + name + " is " + Number(factor) + ", not a number above 0: the " +
              "measurements do not fit this family";
      return false;
    }
  }
  fit.untuned = ErrorsAgainstLab(labCase, compared, family);
  fit.tuned = ErrorsAgainstLab(labCase, compared, family, &tuning);
  return true;
}

}  // namespace tarnvik
