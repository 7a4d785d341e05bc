#include "calc/oil_tuning_fit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "correlations/oil/oil_family.h"
#include "correlations/oil/oil_viscosity.h"

namespace tarnvik {
namespace {

// A point at or below this pressure is the report's atmospheric stage, psia.
constexpr double kAtmosphericStage = 20;

std::string Number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6).ptr;
  return std::string(text, end);
}

bool Positive(double value) { return value > 0 && std::isfinite(value); }

// The x at which an increasing function f reaches y, by bisection between low and high
// (f(low) ≤ y ≤ f(high)); high is doubled up to 30 times until f reaches y. NaN where y
// lies below f(low) or beyond.
template <class Function>
double SolveIncreasing(const Function& f, double y, double low, double high) {
  if (!(f(low) <= y)) return std::nan("");
  for (int i = 0; i < 30 && !(f(high) >= y); ++i) high *= 2;
  if (!(f(high) >= y)) return std::nan("");
  for (int i = 0; i < 100 && high - low > 1e-14 * high; ++i) {
    const double mid = 0.5 * (low + high);
    (f(mid) < y ? low : high) = mid;
  }
  return 0.5 * (low + high);
}

// Step 1: the pressure map through the points' nodes (p_i, the family pressure at which it
// holds Rs_i), the measured bubble point's node (pb, pb_family(GOR)) last; then the low-Rs
// map through the points whose Rs the family holds at no pressure above 0.
void FitRs(const CalculationCase& labCase, const LabData& data, OilCorrelation family, double familyBubblePoint,
           OilTuning& tuning, std::vector<std::string>& notes) {
  const InputSet& in = labCase.inputs;
  const OilFamily& oil = OilFamilyOf(family);
  const auto rsAt = [&](double q) { return oil.solutionGas(in.gasGravity, q, in.temperatureF, in.apiGravity); };
  const auto leftOut = [&](const LabPoint& point, std::string_view why) {
    notes.push_back("Rs " + Number(*point.rs) + " SCF/STB at " + Number(point.pressure) +
                    " psia is left out of the Rs curve: " + std::string(why));
  };
  std::vector<MapNode> nodes = {{data.bubblePoint, familyBubblePoint}};
  std::vector<const LabPoint*> low;  // below the family's Rs at zero pressure, highest first
  for (auto point = data.points.rbegin(); point != data.points.rend(); ++point) {
    if (!point->rs || !(point->pressure < data.bubblePoint)) continue;
    if (*point->rs < rsAt(0)) {
      low.push_back(&*point);
      continue;
    }
    const double q = SolveIncreasing(rsAt, *point->rs, 0, familyBubblePoint);
    if (Positive(q) && q < nodes.back().y && low.empty()) {
      nodes.push_back({point->pressure, q});
    } else {
      leftOut(*point, "it does not fall below the Rs at the next higher pressure");
    }
  }
  std::reverse(nodes.begin(), nodes.end());
  tuning.pressureMap = MonotoneMap(std::move(nodes));
  if (low.empty()) return;
  // The family's Rs along the pressure map onto the measured Rs, up to the lowest node's.
  const double reach = rsAt(tuning.pressureMap(tuning.pressureMap.nodes().front().x));
  std::vector<MapNode> rsNodes = {{reach, reach}};
  for (const LabPoint* point : low) {
    const double x = rsAt(tuning.pressureMap(point->pressure));
    if (x < rsNodes.back().x && *point->rs < rsNodes.back().y) {
      rsNodes.push_back({x, *point->rs});
    } else {
      leftOut(*point, "it does not fall below the Rs at the next higher pressure");
    }
  }
  if (rsNodes.size() < 2) return;
  std::reverse(rsNodes.begin(), rsNodes.end());
  tuning.lowRsMap = MonotoneMap(std::move(rsNodes));
}

// Step 2: Bo − 1 = b (Bo_family(k(Rs)) − 1) + c through the measured points at and below
// the bubble point: b and c make the points of the lowest and the highest Rs exact (b
// alone for one point), and the map k the points between them.
void FitSaturatedBo(const CalculationCase& labCase, const LabData& data, OilCorrelation family, OilTuning& tuning,
                    std::vector<std::string>& notes) {
  const InputSet& in = labCase.inputs;
  const OilFamily& oil = OilFamilyOf(family);
  const auto familyBo = [&](double rs) { return oil.oilFvf(in.gasGravity, in.temperatureF, in.apiGravity, rs); };
  struct Point {
    double pressure, rs, bo;
  };
  std::vector<Point> points;
  for (const LabPoint& point : data.points) {
    if (!point.bo || point.pressure > data.bubblePoint) continue;
    points.push_back({point.pressure, LabOilState(labCase, point.pressure, family, &tuning).rs, *point.bo});
  }
  if (points.empty()) return;
  const Point& low = points.front();
  const Point& high = points.back();
  double b = (high.bo - 1) / (familyBo(high.rs) - 1), c = 0;
  if (points.size() >= 2 && high.rs > low.rs) {
    b = (high.bo - low.bo) / (familyBo(high.rs) - familyBo(low.rs));
    c = low.bo - 1 - b * (familyBo(low.rs) - 1);
  }
  if (!Positive(b) || !std::isfinite(c)) {
    notes.push_back("the measured Bo does not rise with Rs: the family's Bo is kept");
    return;
  }
  tuning.boFactor = b;
  tuning.boShift = c;
  std::vector<MapNode> nodes;
  if (low.rs > 0) nodes.push_back({low.rs, low.rs});
  std::size_t inner = 0;
  for (std::size_t i = 1; i + 1 < points.size(); ++i) {
    const Point& p = points[i];
    const double read = SolveIncreasing(familyBo, 1 + (p.bo - 1 - c) / b, 0, high.rs);
    const double lastX = nodes.empty() ? 0 : nodes.back().x, lastY = nodes.empty() ? 0 : nodes.back().y;
    if (Positive(read) && p.rs > lastX && read > lastY && p.rs < high.rs && read < high.rs) {
      nodes.push_back({p.rs, read});
      ++inner;
    } else {
      notes.push_back("Bo " + Number(p.bo) + " RB/STB at " + Number(p.pressure) +
                      " psia is left out of the saturated Bo curve: it does not lie between the Bo of lower and of "
                      "higher Rs");
    }
  }
  nodes.push_back({high.rs, high.rs});
  if (inner > 0) tuning.boMap = MonotoneMap(std::move(nodes));
}

// Step 3: the factor on the family's compressibility above the bubble point.
void FitUndersaturatedBo(const CalculationCase& labCase, const LabData& data, OilCorrelation family, OilTuning& tuning,
                         std::vector<std::string>& notes) {
  const double pb = data.bubblePoint;
  const double bob = LabBubblePointOil(labCase, family, &tuning).bo;
  OilTuning plain = tuning;
  plain.compressibilityFactor = 1;
  double aa = 0, at = 0;
  for (const LabPoint& point : data.points) {
    if (!(point.pressure > pb) || !(point.bo || point.relativeVolume)) continue;
    const double a = LabOilState(labCase, point.pressure, family, &plain).co.value_or(0) * (point.pressure - pb);
    // ln (Bo / Bob) = −k a
    const auto observe = [&](double logRatio) { aa += a * a, at += a * logRatio; };
    if (point.bo) observe(std::log(*point.bo / bob));
    if (point.relativeVolume) observe(std::log(*point.relativeVolume));
  }
  if (aa == 0) return;
  const double k = -at / aa;
  if (!Positive(k)) {
    notes.push_back(
        "the measured oil volume above the bubble point does not shrink with pressure: the family's "
        "compressibility is kept");
    return;
  }
  tuning.compressibilityFactor = k;
}

// Step 4: the factor on Beal's dead oil.
void FitDeadOil(const CalculationCase& labCase, const LabData& data, OilCorrelation family, OilTuning& tuning,
                const LabPoint*& deadOilPoint) {
  const InputSet& in = labCase.inputs;
  const double beal = DeadOilViscosity(in.apiGravity, in.temperatureF);
  deadOilPoint = nullptr;
  std::optional<double> measured = data.deadOilViscosity;
  if (!measured && !data.points.empty()) {
    const LabPoint& lowest = data.points.front();
    if (lowest.pressure <= kAtmosphericStage && lowest.oilViscosity) {
      measured = lowest.oilViscosity;
      deadOilPoint = &lowest;
    }
  }
  if (measured) {
    tuning.deadOilViscosityFactor = *measured / beal;
    return;
  }
  // ln μo = ln A(Rs) + B(Rs) ln μod: linear in ln d with slope B.
  double bb = 0, br = 0;
  for (const LabPoint& point : data.points) {
    if (!point.oilViscosity || point.pressure > data.bubblePoint) continue;
    const double rs = LabOilState(labCase, point.pressure, family, &tuning).rs;
    const double base = std::log(LiveOilViscosity(beal, rs));
    const double slope = std::log(LiveOilViscosity(std::exp(1.0) * beal, rs)) - base;
    bb += slope * slope;
    br += slope * (std::log(*point.oilViscosity) - base);
  }
  if (bb > 0 && std::isfinite(br / bb)) tuning.deadOilViscosityFactor = std::exp(br / bb);
}

// Step 5: the curve of ln μo through the dead oil and the saturated points at the
// report's temperature, falling with Rs: points whose viscosity does not fall are pooled
// with their neighbours into their mean (pool-adjacent-violators), as isotonic regression
// does (Barlow et al., Statistical Inference under Order Restrictions, Wiley 1972).
void FitSaturatedViscosity(const CalculationCase& labCase, const LabData& data, OilCorrelation family,
                           OilTuning& tuning, const LabPoint* deadOilPoint, std::vector<std::string>& notes) {
  const InputSet& in = labCase.inputs;
  struct Block {
    double rs = 0, lnMu = 0;  // sums
    int count = 0;
    std::vector<double> pressures;
    double Rs() const { return rs / count; }
    double LnMu() const { return lnMu / count; }
  };
  const double deadOil = tuning.deadOilViscosityFactor * DeadOilViscosity(in.apiGravity, in.temperatureF);
  std::vector<Block> blocks = {{0, std::log(deadOil), 1, {}}};
  for (const LabPoint& point : data.points) {
    if (!point.oilViscosity || point.pressure > data.bubblePoint || &point == deadOilPoint) continue;
    const double rs = LabOilState(labCase, point.pressure, family, &tuning).rs;
    if (!(rs > blocks.back().Rs())) {
      notes.push_back("the oil viscosity " + Number(*point.oilViscosity) + " cp at " + Number(point.pressure) +
                      " psia is left out of the saturated viscosity curve: its Rs is not above that of the point "
                      "below it");
      continue;
    }
    blocks.push_back({rs, std::log(*point.oilViscosity), 1, {point.pressure}});
    while (blocks.size() >= 2 && !(blocks.back().LnMu() < blocks[blocks.size() - 2].LnMu())) {
      Block merged = blocks.back();
      blocks.pop_back();
      Block& into = blocks.back();
      into.rs += merged.rs, into.lnMu += merged.lnMu, into.count += merged.count;
      into.pressures.insert(into.pressures.end(), merged.pressures.begin(), merged.pressures.end());
    }
  }
  if (blocks.size() < 2) return;
  std::vector<MapNode> points;
  for (const Block& block : blocks) {
    points.push_back({block.Rs(), block.LnMu()});
    if (block.pressures.size() < 2 && !(block.count == 2 && block.pressures.size() == 1)) continue;
    std::string at;
    for (double p : block.pressures) at += (at.empty() ? "" : ", ") + Number(p);
    notes.push_back("the oil viscosities at " + at + " psia do not fall as Rs rises: the curve passes through " +
                    (block.pressures.size() < static_cast<std::size_t>(block.count) ? "their mean with the dead oil's"
                                                                                    : "their mean"));
  }
  tuning.viscosityCurve = SmoothCurve(std::move(points));
  tuning.referenceTemperature = in.temperatureF;
}

// Step 6: the factor on Beal's slope above the bubble point.
void FitUndersaturatedViscosity(const CalculationCase& labCase, const LabData& data, OilCorrelation family,
                                OilTuning& tuning, std::vector<std::string>& notes) {
  const double pb = data.bubblePoint;
  const double muOb = LabBubblePointOil(labCase, family, &tuning).muO;
  const double slope = UndersaturatedViscositySlope(muOb);
  double aa = 0, ar = 0;
  for (const LabPoint& point : data.points) {
    if (!point.oilViscosity || !(point.pressure > pb)) continue;
    const double y = *point.oilViscosity;
    const double a = slope * (point.pressure - pb) / y;
    aa += a * a;
    ar += a * (y - muOb) / y;
  }
  if (aa == 0) return;
  const double f = ar / aa;
  if (!Positive(f)) {
    notes.push_back(
        "the measured oil viscosity above the bubble point does not rise with pressure: Beal's slope is "
        "kept");
    return;
  }
  tuning.undersaturatedViscosityFactor = f;
}

// Step 7: the factors on the gas's pseudo-critical temperature and pressure that minimise
// the relative residuals of the measured z and Bg (Bg is z times T / p), by Gauss-Newton on
// their logarithms from 1; with one point, the pressure factor alone.
void FitGas(const CalculationCase& labCase, const LabData& data, OilTuning& tuning, std::vector<std::string>& notes) {
  std::vector<std::pair<double, double>> measured;  // pressure, z or Bg
  std::vector<bool> isZ;
  for (const LabPoint& point : data.points) {
    if (point.z) measured.push_back({point.pressure, *point.z}), isZ.push_back(true);
    if (point.bg) measured.push_back({point.pressure, *point.bg}), isZ.push_back(false);
  }
  if (measured.empty()) return;
  const auto residuals = [&](double lnT, double lnP, std::vector<double>& r) {
    const GasTuning gas{std::exp(lnT), std::exp(lnP)};
    r.clear();
    for (std::size_t i = 0; i < measured.size(); ++i) {
      const LabGasState state = LabGas(labCase, measured[i].first, &gas);
      r.push_back((isZ[i] ? state.z : state.bg) / measured[i].second - 1);
    }
    double sum = 0;
    for (double v : r) sum += v * v;
    return std::isfinite(sum) ? sum : std::numeric_limits<double>::infinity();
  };
  const bool both = measured.size() >= 2;
  double lnT = 0, lnP = 0;
  std::vector<double> r, rT, rP;
  double misfit = residuals(lnT, lnP, r);
  constexpr double kStep = 1e-6;
  for (int iteration = 0; iteration < 50 && std::isfinite(misfit); ++iteration) {
    residuals(lnT + kStep, lnP, rT);
    residuals(lnT, lnP + kStep, rP);
    double a = 0, b = 0, c = 0, gT = 0, gP = 0;  // JᵀJ = [a b; b c], Jᵀr = [gT gP]
    for (std::size_t i = 0; i < r.size(); ++i) {
      const double jT = (rT[i] - r[i]) / kStep, jP = (rP[i] - r[i]) / kStep;
      a += jT * jT, b += jT * jP, c += jP * jP, gT += jT * r[i], gP += jP * r[i];
    }
    double dT = 0, dP = -gP / c;
    const double det = a * c - b * b;
    if (both && det > 1e-12 * a * c) dT = (-gT * c + gP * b) / det, dP = (-gP * a + gT * b) / det;
    // Halve the step until the misfit falls.
    double scale = 1;
    std::vector<double> trial;
    for (; scale > 1e-4; scale /= 2) {
      const double next = residuals(lnT + scale * dT, lnP + scale * dP, trial);
      if (next < misfit) break;
    }
    if (scale <= 1e-4) break;
    lnT += scale * dT, lnP += scale * dP;
    const double before = misfit;
    misfit = residuals(lnT, lnP, r);
    if (before - misfit <= 1e-14 * before) break;
  }
  if (!std::isfinite(misfit)) {
    notes.push_back("the gas could not be tuned to the measured z and Bg: the family's gas is kept");
    return;
  }
  tuning.gas = {std::exp(lnT), std::exp(lnP), {}};
  // The rest through the points: the mean logarithmic residual at each measured pressure.
  std::vector<MapNode> points = {{0, 0}};
  for (std::size_t i = 0; i < measured.size(); ++i) {
    const double residual = -std::log1p(r[i]);
    if (measured[i].first == points.back().x) {
      points.back().y = 0.5 * (points.back().y + residual);  // z and Bg at one pressure
    } else {
      points.push_back({measured[i].first, residual});
    }
  }
  tuning.gas.correction = SmoothCurve(std::move(points));
}

}  // namespace

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

  const double familyBubblePoint = LabOilState(labCase, compared.bubblePoint, family).pb;
  if (!Positive(familyBubblePoint)) {
    error = "the family's bubble point at the measured GOR is " + Number(familyBubblePoint) +
            " psia, not a pressure it can be mapped from to the measured " + Number(compared.bubblePoint) + " psia";
    return false;
  }
  tuning.referencePressure = compared.bubblePoint;
  FitRs(labCase, compared, family, familyBubblePoint, tuning, fit.notes);
  FitSaturatedBo(labCase, compared, family, tuning, fit.notes);
  FitUndersaturatedBo(labCase, compared, family, tuning, fit.notes);
  const LabPoint* deadOilPoint = nullptr;
  FitDeadOil(labCase, compared, family, tuning, deadOilPoint);
  FitSaturatedViscosity(labCase, compared, family, tuning, deadOilPoint, fit.notes);
  FitUndersaturatedViscosity(labCase, compared, family, tuning, fit.notes);
  FitGas(labCase, compared, tuning, fit.notes);
  fit.untuned = CompareWithLab(labCase, compared, family);
  fit.tuned = CompareWithLab(labCase, compared, family, &tuning);
  return true;
}

bool EvaluateTuning(const CalculationCase& c, const LabData& data, const OilTuning& tuning, OilTuningFit& fit,
                    std::string& error) {
  LabData compared;
  CalculationCase labCase;
  if (!AtSeparatorConditions(data, compared, error) || !LabCase(c, compared, labCase, error)) return false;
  fit = OilTuningFit{};
  fit.tuning = tuning;
  fit.separatorAdjusted = data.separator.has_value();
  fit.untuned = CompareWithLab(labCase, compared, tuning.family);
  fit.tuned = CompareWithLab(labCase, compared, tuning.family, &tuning);
  return true;
}

}  // namespace tarnvik
