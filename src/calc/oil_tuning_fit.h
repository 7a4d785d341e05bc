// An oil family tuned to a laboratory report (calc/oil_tuning.h gives the tuned model).
//
// Each property gets the freedom a real oil needs while the family keeps its shape, as
// black-oil matching does it, in this order, each step on the model the steps before it
// left:
//   1. Rs: the pressure map through the measured points. A point's node is its pressure
//      and the family's bubble point at its measured Rs, the pressure at which the family
//      holds that gas; the measured bubble point at the measured GOR is the last node, so
//      the tuned bubble point is the measured one exactly. Nodes are taken from the bubble
//      point down while both coordinates fall; a point whose Rs does not fall with
//      pressure, or whose Rs the family holds at no pressure above 0, is left out (and
//      said). The map is monotone, so Rs stays one increasing saturated curve.
//   2. Saturated Bo, a function of the tuned Rs: the factor and the shift that minimise
//      Σ ((Bo_tuned − Bo_i) / Bo_i)² over the points at and below the bubble point (closed
//      form; the factor alone for one point).
//   3. Undersaturated Bo: the factor on the family's compressibility that minimises
//      Σ (ln (Bo_tuned / Bo_i))² over the points above the bubble point, with a measured
//      relative volume V/Vsat taken as Bo / Bob of the tuned Bob (closed form).
//   4. Dead oil: the measured dead-oil viscosity (the dead_oil_viscosity key, else the
//      point at atmospheric pressure) over Beal's at the report's temperature; without one,
//      the factor on Beal's μod that best fits the saturated viscosities by least squares
//      of their logarithms (closed form: ln μo is linear in ln μod).
//   5. Saturated viscosity: the map of Rs through the measured points, each node the tuned
//      Rs at the point and the Rs at which Chew and Connally's live oil has the measured
//      viscosity; taken from the highest Rs down while both fall, the rest left out and
//      said. μo then falls with Rs as the correlation's does.
//   6. Undersaturated viscosity: the factor on Beal's slope that minimises the relative
//      residuals above the bubble point (closed form).
// A property without points keeps the family's own form. A factor that comes out at or
// below 0 (Bo that rises with pressure above the bubble point, say) is not physical: the
// family's own is kept and said.
#pragma once

#include <string>
#include <vector>

#include "calc/lab_fit.h"
#include "calc/oil_tuning.h"

namespace tarnvik {

struct OilTuningFit {
  OilTuning tuning;  // active, for the family
  LabComparison untuned;
  LabComparison tuned;
  bool separatorAdjusted = false;
  // What the fit left out or kept as the family's own, in words.
  std::vector<std::string> notes;
};

// Tunes `family` to the data. False, with the reason, when the data cannot be used (see
// LabCase, AtSeparatorConditions) or the family cannot be tuned to them (its bubble point
// at the measured GOR is not a finite pressure above 0).
bool TuneOilFamily(const CalculationCase& calculationCase, const LabData& data, OilCorrelation family,
                   OilTuningFit& fit, std::string& error);

// A tuning made before (saved with a case, say) against the data, as TuneOilFamily reports
// a fit: `fit.tuning` is `tuning`, untuned and tuned its family against the data. False,
// with the reason, when the data cannot be used (LabCase, AtSeparatorConditions).
bool EvaluateTuning(const CalculationCase& calculationCase, const LabData& data, const OilTuning& tuning,
                    OilTuningFit& fit, std::string& error);

}  // namespace tarnvik
