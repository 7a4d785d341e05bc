// Compressibility of saturated oil, at or below the bubble point, from central differences
// over a pressure step:
//   co = (Bg / (1000 Bo)) (Rs+ − Rs−) / dp − (1 / Bo) (Bo+ − Bo−) / dp
// The first term is the gas released from solution (Bg/1000 turns RB/MCF into RB/SCF),
// the second the shrinkage of the oil; the material-balance definition, e.g. L.P. Dake,
// "Fundamentals of Reservoir Engineering", Elsevier (1978), eq. 2.26.
// Units: Bo, Bo∓ [RB/STB]; Bg [RB/MCF]; dp [psi]; Rs∓ [SCF/STB]; co [1/psi].
// Domain: Bo ≠ 0, dp ≠ 0.
#pragma once

namespace tarnvik {

double SaturatedOilCompressibility(double bo, double bg, double pressureStep, double boLower, double boUpper,
                                   double rsLower, double rsUpper);

}  // namespace tarnvik
