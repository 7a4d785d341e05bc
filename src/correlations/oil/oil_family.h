// The nine oil correlation families behind one accessor: each family's solution-gas,
// bubble-point, oil formation volume factor and undersaturated compressibility functions.
// The ranges of the data each was fitted to are in correlations/validity_ranges.h.
#pragma once

#include "correlations/choices.h"

namespace tarnvik {

struct OilFamily {
  // Rs [SCF/STB] at p [psia] at or below the bubble point.
  double (*solutionGas)(double gasGravity, double pressure, double temperatureF, double apiGravity);
  // pb [psia] of an oil holding Rsb [SCF/STB].
  double (*bubblePoint)(double gasGravity, double rsb, double temperatureF, double apiGravity);
  // Bo [RB/STB] at or below the bubble point, with Rs [SCF/STB].
  double (*oilFvf)(double gasGravity, double temperatureF, double apiGravity, double rs);
  // co [1/psi] of undersaturated oil holding Rs [SCF/STB] at p [psia].
  double (*undersaturatedCompressibility)(double rs, double temperatureF, double gasGravity, double apiGravity,
                                          double pressure);
};

// The family of a stored value; values outside 0..8 give Standing.
const OilFamily& OilFamilyOf(OilCorrelation family);

}  // namespace tarnvik
