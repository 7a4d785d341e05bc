// An oil family tuned to laboratory measurements: three factors that the oil step of the
// run applies to the family's correlations, so that every table, comparison and export
// built from runs sees them.
//
//   pressure map:        Rs(p) = Rs_family(g(p)) at and below the bubble point, and
//                        pb = g⁻¹(pb_family(Rsb)), with
//                          g(p) = (p / s) · (p / pr)^(a − 1)
//                        a pressure scale s, an exponent a and the reference pressure pr
//                        (the measured bubble point); with a = 1, g(p) = p / s. g is one
//                        function of pressure for every oil, so Rs below the bubble point
//                        stays one saturated curve, as a black-oil table needs
//   Bo factor b:         Bo − 1 = b (Bo_family(Rs) − 1) at and below the bubble point;
//                        above it Bo(pb) exp(−co (p − pb)) as always
//   viscosity factor m:  μo = m μo_family(Rs) at and below the bubble point; above it
//                        Beal's pressure term from that tuned μob
//
// With pr = pb_measured and s = pb_measured / pb_family(GOR_measured) the tuned family
// gives the measured bubble point at the measured GOR exactly, whatever a, and Rs at it
// equals that GOR; a bends the Rs curve below it to the measured Rs. Units as the
// correlations': psia, °F, SCF/STB, RB/STB, cp.
#pragma once

#include "correlations/choices.h"

namespace tarnvik {

struct OilTuning {
  // Tuning is on. When off, or made for another family than the one in force, the run
  // is the family's own, to the last bit.
  bool active = false;
  OilCorrelation family = OilCorrelation::Standing;
  double pressureScale = 1;
  double pressureExponent = 1;
  double referencePressure = 1;  // psia
  double boFactor = 1;
  double viscosityFactor = 1;

  friend bool operator==(const OilTuning&, const OilTuning&) = default;
};

// Whether a tuning applies to a run with `family`.
constexpr bool TunesFamily(const OilTuning& tuning, OilCorrelation family) {
  return tuning.active && EffectiveOilCorrelation(tuning.family) == EffectiveOilCorrelation(family);
}

// The pressure map g, psia: the pressure the family is evaluated at for a tuned pressure,
// and back.
double FamilyPressure(const OilTuning& tuning, double pressure);
double PressureFromFamily(const OilTuning& tuning, double familyPressure);

// The tuned forms of the family's functions (each with the family's own arguments).
double TunedSolutionGas(OilCorrelation family, const OilTuning& tuning, double gasGravity, double pressure,
                        double temperatureF, double apiGravity);
double TunedBubblePoint(OilCorrelation family, const OilTuning& tuning, double gasGravity, double rsb,
                        double temperatureF, double apiGravity);
double TunedOilFvf(OilCorrelation family, const OilTuning& tuning, double gasGravity, double temperatureF,
                   double apiGravity, double rs);
double TunedSaturatedOilViscosity(const OilTuning& tuning, double apiGravity, double temperatureF, double rs);

}  // namespace tarnvik
