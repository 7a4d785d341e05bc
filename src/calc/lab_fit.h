// Which oil family fits a laboratory report, and the family tuned to it.
//
// Ranking: at the report's temperature (and its API and gas gravity where it gives them,
// otherwise the case's), each of the nine families predicts the bubble point from the
// measured GOR, and Rs, Bo, oil viscosity and oil compressibility at every measured
// pressure. Each property's error is the average absolute relative error (AARE) over its
// points; the score is the plain mean of the AAREs of the bubble point, Rs, Bo and oil
// viscosity, over those of the four that were measured (the bubble point always is), so
// that a long viscosity table counts no more than the one bubble point. The oil
// compressibility is reported and not scored: eight of the nine families share Vazquez and
// Beggs' compressibility, so it says little about which family fits. Families are sorted
// by score, best first (family order on a tie; a family whose predictions are not finite
// last).
//
// Tuning (calc/oil_tuning.h): the pressure scale makes the family's bubble point at the
// measured GOR the measured one; the pressure exponent then minimises the sum of squared
// relative residuals of Rs below the bubble point (a one-dimensional search), leaving the
// bubble point exact. With both fixed, the Bo factor and the viscosity factor each
// minimise the sum of squared relative residuals over their points,
//   Σ ((Bo_tuned(p_i) − Bo_i) / Bo_i)²,  Σ ((μo_tuned(p_i) − μo_i) / μo_i)²,
// the first in closed form (Bo is linear in its factor), the second by Gauss-Newton
// (above the bubble point Beal's pressure term makes μo nonlinear in its factor). A
// property without points keeps its factor at 1.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calc/calculation_case.h"
#include "calc/diagnostics.h"
#include "calc/lab_data.h"

namespace tarnvik {

enum class LabProperty : std::uint8_t { BubblePoint, Rs, Bo, OilViscosity, OilCompressibility };
inline constexpr std::size_t kLabPropertyCount = 5;
// The properties the score averages.
inline constexpr std::size_t kScoredLabProperties = 4;

struct PropertyError {
  int points = 0;
  double aare = 0;   // average absolute relative error, fraction
  double rmsre = 0;  // root mean square relative error, fraction: what the tuning minimises
};
using LabErrors = std::array<PropertyError, kLabPropertyCount>;

// The mean AARE of the scored properties that have points; fraction.
double LabScore(const LabErrors& errors);

// The case at the report's conditions, which the families are compared in: GOR mode with
// the measured GOR, the report's temperature, API and gas gravity (the case's where the
// report gives none), no tuning. False, with the reason, without an API or gas gravity.
bool LabCase(const CalculationCase& calculationCase, const LabData& data, CalculationCase& labCase, std::string& error);

// The errors of `family`, tuned when `tuning` is given, against data at separator
// conditions, in the lab case.
LabErrors ErrorsAgainstLab(const CalculationCase& labCase, const LabData& data, OilCorrelation family,
                           const OilTuning* tuning = nullptr);

struct FamilyRank {
  OilCorrelation family = OilCorrelation::Standing;
  LabErrors errors{};
  double score = 0;  // fraction
  // Whether the family's published data ranges are known (not for Obomanu and Okpobiri),
  // and the report's values outside them: API, gas gravity, temperature, GOR, bubble point.
  bool rangesKnown = true;
  Diagnostics outsideData;
};

struct OilRanking {
  LabData compared;  // the data as compared: at separator conditions
  bool separatorAdjusted = false;
  CalculationCase labCase;
  std::array<FamilyRank, kOilCorrelationCount> families{};  // best first
};

bool RankOilFamilies(const CalculationCase& calculationCase, const LabData& data, OilRanking& ranking,
                     std::string& error);

struct OilTuningFit {
  OilTuning tuning;  // active, for the family
  LabErrors untuned{};
  LabErrors tuned{};
  bool separatorAdjusted = false;
};

// Tunes `family` to the data. False, with the reason, when the data cannot be used (see
// LabCase, AtSeparatorConditions) or the family cannot be tuned to them (its bubble point
// at the measured GOR is not a finite pressure above 0, or a fitted factor is not a finite
// number above 0).
bool TuneOilFamily(const CalculationCase& calculationCase, const LabData& data, OilCorrelation family,
                   OilTuningFit& fit, std::string& error);

}  // namespace tarnvik
