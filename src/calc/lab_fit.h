// How well an oil family fits a laboratory report, point by point, and which family fits
// best.
//
// Comparison: at the report's temperature (and its API and gas gravity where it gives them,
// otherwise the case's), a family predicts the bubble point from the measured GOR, and at
// every measured pressure Rs, Bo, oil viscosity, oil compressibility, the relative volume
// V/Vsat above the bubble point, and the gas's z and Bg. Each measured value gets a
// residual: the signed error of the prediction as a fraction of
//   - the measured value, for every property but Rs;
//   - for Rs, the measured Rs where it is at least a tenth of the GOR at the bubble point,
//     and that GOR below (an Rs of 1 SCF/STB at atmospheric pressure is no measure of a
//     family: 9 SCF/STB too many is 800 % of it but 1 % of a GOR of 900).
// Each property's error is the average absolute residual (AARE) over its points, with the
// largest. The targets of a tuned model (kLabTargets) mark the residuals beyond them.
//
// Ranking: the score is the plain mean of the AAREs of the bubble point, Rs, Bo and oil
// viscosity, over those of the four that were measured (the bubble point always is), so
// that a long viscosity table counts no more than the one bubble point. The oil
// compressibility, the relative volume and the gas are reported and not scored: eight of
// the nine families share Vazquez and Beggs' compressibility, and the gas does not depend
// on the oil family. Families are sorted by the score plus a margin for a family whose
// published data do not cover the report (kOutsideDataMargin) or whose ranges are unknown
// (kUnknownRangesMargin): such a family ranks first only when it fits clearly better, not
// on a near tie. Family order breaks ties; a family whose predictions are not finite is last.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "calc/calculation_case.h"
#include "calc/calculation_run.h"
#include "calc/diagnostics.h"
#include "calc/lab_data.h"

namespace tarnvik {

enum class LabProperty : std::uint8_t {
  BubblePoint,
  Rs,
  Bo,
  OilViscosity,
  OilCompressibility,
  RelativeVolume,
  Z,
  Bg,
};
inline constexpr std::size_t kLabPropertyCount = 8;
// The properties the score averages: the first four.
inline constexpr std::size_t kScoredLabProperties = 4;

// The largest residual a tuned model may leave at a measured point, about a laboratory's
// own accuracy, by property; NaN where there is none (the oil compressibility, derived by
// the laboratory from the volumes). The bubble point at the measured GOR is exact.
inline constexpr std::array<double, kLabPropertyCount> kLabTargets = {
    1e-9, 0.05, 0.015, 0.07, std::numeric_limits<double>::quiet_NaN(), 0.015, 0.01, 0.01};

// Score margins, fractions: a family whose data do not cover the report ranks as if its
// score were two points higher; one whose ranges are unknown, one point.
inline constexpr double kOutsideDataMargin = 0.02;
inline constexpr double kUnknownRangesMargin = 0.01;

struct LabResidual {
  double pressure = 0;  // psia
  LabProperty property = LabProperty::Rs;
  double measured = 0;   // in the correlations' units
  double predicted = 0;  // in the correlations' units; NaN where it could not be computed
  double error = 0;      // signed fraction, as above

  bool withinTarget() const;
};

struct PropertyError {
  int points = 0;
  double aare = 0;      // average absolute residual, fraction
  double maxError = 0;  // largest absolute residual, fraction
};
using LabErrors = std::array<PropertyError, kLabPropertyCount>;

struct LabComparison {
  LabErrors errors{};
  std::vector<LabResidual> residuals;  // the bubble point first, then by pressure
};

// The mean AARE of the scored properties that have points; fraction.
double LabScore(const LabErrors& errors);

// The residual of a prediction, as defined above; `gor` is the GOR at the bubble point,
// SCF/STB.
double LabResidualOf(LabProperty property, double predicted, double measured, double gor);

// The case at the report's conditions, which the families are compared in: GOR mode with
// the measured GOR, the report's temperature, API and gas gravity (the case's where the
// report gives none), no tuning. False, with the reason, without an API or gas gravity.
bool LabCase(const CalculationCase& calculationCase, const LabData& data, CalculationCase& labCase, std::string& error);

// The oil step of `family` (tuned when `tuning` is given) in the lab case at `pressure`.
OilState LabOilState(const CalculationCase& labCase, double pressure, OilCorrelation family,
                     const OilTuning* tuning = nullptr);

// z and Bg [RB/MCF] of the lab case's gas at `pressure`, with `tuning` where given; NaN
// where the z-factor fails.
struct LabGasState {
  double z = std::numeric_limits<double>::quiet_NaN();
  double bg = std::numeric_limits<double>::quiet_NaN();
};
LabGasState LabGas(const CalculationCase& labCase, double pressure, const GasTuning* tuning = nullptr);

// Bo and μo of `family` (tuned when `tuning` is given) in the lab case holding the GOR at
// the bubble point: where the undersaturated branch starts (the limit from above, which
// for a family whose Rs and bubble-point correlations are not exact inverses differs a
// little from the saturated values at the bubble-point pressure). Only bo and muO are set.
OilState LabBubblePointOil(const CalculationCase& labCase, OilCorrelation family, const OilTuning* tuning = nullptr);

// `family`, tuned when `tuning` is given, against data at separator conditions, in the lab
// case (whose selection gives the gas characterisation and any gas tuning).
LabComparison CompareWithLab(const CalculationCase& labCase, const LabData& data, OilCorrelation family,
                             const OilTuning* tuning = nullptr);

struct FamilyRank {
  OilCorrelation family = OilCorrelation::Standing;
  LabComparison comparison;
  double score = 0;        // fraction
  double rankedScore = 0;  // the score plus the margin for the family's data, fraction
  // Whether the family's published data ranges are known (not for Obomanu and Okpobiri),
  // and the report's values outside them: API, gas gravity, temperature, GOR, bubble point.
  bool rangesKnown = true;
  Diagnostics outsideData;

  const LabErrors& errors() const { return comparison.errors; }
};

struct OilRanking {
  LabData compared;  // the data as compared: at separator conditions
  bool separatorAdjusted = false;
  CalculationCase labCase;
  std::array<FamilyRank, kOilCorrelationCount> families{};  // best first
};

bool RankOilFamilies(const CalculationCase& calculationCase, const LabData& data, OilRanking& ranking,
                     std::string& error);

}  // namespace tarnvik
