// Compressibility of saturated oil, at or below the bubble point, from central differences
// over a pressure step:
//   co = (Bg / (1000 Bo)) (Rs+ − Rs−) / dp − (1 / Bo) (Bo+ − Bo−) / dp
// The first term is the gas released from solution (Bg/1000 turns RB/MCF into RB/SCF),
// the second the shrinkage of the oil. This is the standard material-balance definition,
// e.g. L.P. Dake, "Fundamentals of Reservoir Engineering", Elsevier (1978), eq. 2.26.
// Domain: Bo ≠ 0, dp ≠ 0.
#pragma once

namespace tarnvik {

// \param bo Bo at p [RB/STB]  \param bg Bg at p [RB/MCF]  \param pressureStep dp [psi]
// \param boLower Bo at p − dp/2 [RB/STB]  \param boUpper Bo at p + dp/2 [RB/STB]
// \param rsLower Rs at p − dp/2 [SCF/STB]  \param rsUpper Rs at p + dp/2 [SCF/STB]
// \param co out [1/psi], always written
void CalcOilCompressibility(double bo, double bg, double pressureStep, double boLower, double boUpper, double rsLower,
                            double rsUpper, double& co);

}  // namespace tarnvik
