#include "correlations/gas/gas_impurities.h"

#include <cmath>

#include "base/formula.h"

namespace tarnvik {
namespace {

constexpr double kPerPercent = 0.01;  // mole fraction per mol %

}  // namespace

double WichertAzizEpsilon(double co2Percent, double h2sPercent) {
  const double a = (co2Percent + h2sPercent) * kPerPercent;
  const double b = h2sPercent * kPerPercent;
  return 120 * (Pow(a, 0.9) - Pow(a, 1.6)) + 15 * (Pow(b, 0.5) - Pow(b, 4));
}

PseudoCritical WichertAzizPseudoCritical(PseudoCritical pc, double co2Percent, double h2sPercent) {
  const double epsilon = WichertAzizEpsilon(co2Percent, h2sPercent);
  const double b = h2sPercent * kPerPercent;
  const double temperature = pc.temperature - epsilon;
  return {temperature, pc.pressure * temperature / (pc.temperature + b * (1 - b) * epsilon)};
}

PseudoCritical CarrKobayashiBurrowsNitrogen(PseudoCritical pc, double n2Percent) {
  const double y = n2Percent * kPerPercent;
  return {pc.temperature - 250 * y, pc.pressure - 170 * y};
}

PseudoCritical ImpurityCorrectedPseudoCritical(PseudoCritical pc, const GasImpurities& impurities) {
  if (impurities.n2 != 0) pc = CarrKobayashiBurrowsNitrogen(pc, impurities.n2);
  if (impurities.co2 != 0 || impurities.h2s != 0) pc = WichertAzizPseudoCritical(pc, impurities.co2, impurities.h2s);
  return pc;
}

double CarrKobayashiBurrowsDiluteViscosity(double gasGravity, double temperatureF) {
  return (1.709e-5 - 2.062e-6 * gasGravity) * temperatureF + 8.188e-3 - 6.15e-3 * std::log10(gasGravity);
}

double ImpurityViscosityFactor(double gasGravity, double temperatureF, const GasImpurities& impurities) {
  if (!impurities.any()) return 1;
  const double logGravity = std::log10(gasGravity);
  const double correction = impurities.n2 * kPerPercent * (8.48e-3 * logGravity + 9.59e-3) +
                            impurities.co2 * kPerPercent * (9.08e-3 * logGravity + 6.24e-3) +
                            impurities.h2s * kPerPercent * (8.49e-3 * logGravity + 3.73e-3);
  const double dilute = CarrKobayashiBurrowsDiluteViscosity(gasGravity, temperatureF);
  return (dilute + correction) / dilute;
}

}  // namespace tarnvik
