#include "correlations/rock/formation_compressibility.h"

#include <array>
#include <cmath>

#include "base/formula.h"

namespace tarnvik {
namespace {

constexpr double kMicro = 1e-6;

// Yale et al. (1993) constants: stress factors K1, K2, K3, A, B, threshold σ0 [psi], D.
struct YaleConstants {
  double k1, k2, k3, a, b, sigma0, d;
};
constexpr std::array<YaleConstants, 4> kYale = {{
    {0.85, 0.8, 0.45, -2.399e-5, 0.0623, 300, 4.308e-5},   // consolidated sands
    {0.9, 0.9, 0.6, 1.054e-4, -0.225, 500, -1.103e-5},     // friable sands
    {0.95, 0.95, 0.75, -2.805e-5, 0.1395, 300, 1.183e-4},  // unconsolidated sands
    {0.85, 0.85, 0.55, -2.399e-5, 0.0623, 300, 4.308e-5},  // carbonates
}};

}  // namespace

double HallCompressibility(double phi) { return 13.392 / Pow(phi, 0.438) * kMicro; }

double VanDerKnaapCompressibility(double phi) { return 100 / Pow(phi, 1.2) * kMicro; }

Quantity NewmanCompressibility(FormationType formation, double phi) {
  switch (formation) {
    case FormationType::ConsolidatedSands:
      return 40 / Pow(phi, 0.75) * kMicro;
    case FormationType::FriableSands:
      return Pow10(1.415 - 0.0073 * phi) * kMicro;
    case FormationType::UnconsolidatedSands:
      return Pow10(0.3405 + 0.03925 * phi) * kMicro;
    case FormationType::Carbonates:
      return 40 / Pow(phi, 0.67) * kMicro;
    case FormationType::None:
      break;
  }
  return std::nullopt;
}

Quantity YaleCompressibility(FormationType formation, double pressure) {
  if (formation == FormationType::None) return std::nullopt;
  const YaleConstants& c = kYale[static_cast<std::size_t>(formation) - 1];
  const double sigma = pressure * (c.k1 - c.k2 + c.k3);
  if (!(sigma - c.sigma0 > 0)) return std::nullopt;
  return c.a * Pow(sigma - c.sigma0, c.b) + c.d;
}

Quantity FormationCompressibility(RockCorrelation rock, FormationType formation, double phi, double pressure) {
  Quantity cf;
  if (phi <= 0) {
    cf = 0.0;
  } else if (rock == RockCorrelation::Hall) {
    cf = HallCompressibility(phi);
  } else if (rock == RockCorrelation::VanDerKnaap) {
    cf = VanDerKnaapCompressibility(phi);
  } else if (rock == RockCorrelation::Newman) {
    cf = NewmanCompressibility(formation, phi);
  }
  if (rock == RockCorrelation::YaleEtAl) {
    if (const Quantity yale = YaleCompressibility(formation, pressure)) cf = yale;
  }
  return cf;
}

}  // namespace tarnvik
