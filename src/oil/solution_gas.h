// Solution gas–oil ratio Rs(p) and bubble-point pressure pb(Rsb) for the nine oil
// correlation families.
//
// Each family has an explicit Rs(p) formula and an explicit pb(Rsb) formula with its
// own stored constants; the two are inverses up to the rounding of those constants.
// γg is the gas gravity as entered (no separator correction); T in °F; TR = T + 460 °R;
// γo = 141.5 / (131.5 + API). Families 1 (Vazquez/Beggs) and 8 (Kartoatmodjo/Schmidt)
// split at API > 30 (strict): API = 30 takes the heavy-oil constants.
//
// Families, references and published data ranges:
//  0 Standing: M.B. Standing, "A Pressure-Volume-Temperature Correlation for Mixtures of
//    California Oils and Gases", Drill. & Prod. Prac., API (1947) 275–287.
//    pb 130–7000 psia, T 100–258 °F, Rs 20–1425 SCF/STB, API 16.5–63.8, γg 0.59–0.95;
//    average error 4.8 %. Rs = γg [(p + 25.48) / (18.2 · 10^(0.00091 T − 0.0125 API))]^1.205.
//  1 Vazquez/Beggs: M. Vazquez, H.D. Beggs, "Correlations for Fluid Physical Property
//    Prediction", JPT 32(6) (1980) 968–970, doi:10.2118/6719-PA.
//    p 50–5250 psia, T 70–295 °F, API 16–58, γg 0.56–1.18, Rs 20–2070 SCF/STB.
//    Rs = C1 γg p^C2 exp(C3 API / TR); pb from the inverse written with powers of ten.
//  2 Glaso: O. Glaso, "Generalized Pressure-Volume-Temperature Correlations", JPT 32(5)
//    (1980) 785–795, doi:10.2118/8016-PA. North Sea oils: pb 165–7142 psia, T 80–280 °F,
//    API 22.3–48.1, γg 0.65–1.28, Rs 90–2637 SCF/STB; average error 1.3 %.
//    Needs T > 0 °F and 14.1811 − 3.3093 log10 p ≥ 0.
//  3 Al-Marhoun: M.A. Al-Marhoun, "PVT Correlations for Middle East Crude Oils", JPT 40(5)
//    (1988) 650–666, doi:10.2118/13718-PA. pb 130–3573 psia, T 74–240 °F, API 19.4–44.6,
//    γg 0.75–1.37, Rs 26–1602 SCF/STB; average error 0.03 %.
//  4 Petrosky/Farshad: G.E. Petrosky, F.F. Farshad, "Pressure-Volume-Temperature
//    Correlations for Gulf of Mexico Crude Oils", SPE 26644 (1993),
//    doi:10.2118/26644-MS. pb 1574–6523 psia, T 114–288 °F, API 16.3–45, γg 0.58–0.85,
//    Rs 217–1406 SCF/STB. Needs T > 0 °F. The exponents 0.5774 and 1.73184 of the two
//    directions are not exact reciprocals; each direction keeps its own.
//  5 Dokla/Osman: M.E. Dokla, M.E. Osman, "Correlation of PVT Properties for UAE Crudes",
//    SPE Formation Evaluation 7(1) (1992) 41–46, doi:10.2118/20989-PA.
//    pb 590–4640 psia, T 190–275 °F, API 28.2–40.3, γg 0.80–1.29, Rs 181–2266 SCF/STB.
//  6 Farshad: F. Farshad, J.L. LeBlanc, J.D. Garber, J.G. Osorio, "Empirical PVT
//    Correlations for Colombian Crude Oils", SPE 36105 (1996), doi:10.2118/36105-MS.
//    pb 32–4138 psia, T 95–260 °F, API 18–44.9, γg 0.66–1.73, Rs 6–1645 SCF/STB.
//  7 Obomanu/Okpobiri: D.A. Obomanu, G.A. Okpobiri, "Correlating the PVT Properties of
//    Nigerian Crudes", J. Energy Resour. Technol. 109(4) (1987) 214–217,
//    doi:10.1115/1.3231349. Fitted in SI units: 6.894 converts psia to kPa and 5.615
//    SCF/STB to m³/m³; TK = (5/9)(T + 460), TF = 1.8 TK − 460. Needs T > 0 °F.
//  8 Kartoatmodjo/Schmidt: T. Kartoatmodjo, Z. Schmidt, "Large Data Bank Improves Crude
//    Physical Property Correlations", Oil & Gas J. 92(27) (1994) 51–55.
//    pb 15–6054 psia, T 75–320 °F, API 14.4–59, γg 0.38–1.71, Rs 0–2890 SCF/STB.
//
// Domain: every family needs γg > 0, API > 0, p > 0 and Rsb > 0 (fractional powers and
// logarithms); outside it the result is NaN or ±inf, which the calculation run reports.
// In the GOR direction Standing and Petrosky/Farshad subtract a constant, so a very small
// GOR gives a zero or negative pb, returned as computed.
#pragma once

#include <string_view>

#include "calc/selector_modes.h"
#include "selection/correlation_selection.h"

namespace tarnvik {

// Captions of the label beside the bubble-point/GOR output, set by CalcBubblePoint.
inline constexpr std::string_view kBubblePointCaption = "Bubble Point Pressure, psia";
inline constexpr std::string_view kGorCaption = "     GOR MCF/STB";

// Solution gas–oil ratio at pressure p for a known bubble point, by the selected family.
// \param gasGravity   γg [air = 1]
// \param pressure     p [psia]
// \param temperatureF T [°F]
// \param apiGravity   API [°API]
// \param bubblePoint  pb [psia]
// \param rs           out: Rs [SCF/STB] at pe = pb when p > pb (strictly), else at p
void CalcSolutionGas(double gasGravity, double pressure, double temperatureF, double apiGravity, double bubblePoint,
                     double& rs, const CorrelationSelection& selection);

// Completes the pair (GOR, bubble point) from the member the user gave.
// \param bubblePointOrGor in: GOR at the bubble point [MCF/STB] in Gor mode, or pb [psia]
//                         otherwise; out: pb [psia] (computed in Gor mode, unchanged otherwise)
// \param rsb  out: Rsb [SCF/STB]: 1000 × GOR in Gor mode, Rs at pb in bubble-point mode
// \param rs   out: Rs at the reservoir pressure [SCF/STB]
// \return the caption of the bubble-point/GOR output: kBubblePointCaption in Gor mode
//         (pb is shown), kGorCaption in bubble-point mode (Rsb is shown).
std::string_view CalcBubblePoint(double gasGravity, double pressure, double temperatureF, double apiGravity,
                                 double& bubblePointOrGor, double& rsb, double& rs, GorSelectorMode mode,
                                 const CorrelationSelection& selection);

}  // namespace tarnvik
