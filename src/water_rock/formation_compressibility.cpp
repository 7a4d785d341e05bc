#include "water_rock/formation_compressibility.h"

#include <array>
#include <cmath>
#include <string_view>

#include "calc/formula.h"

namespace tarnvik {

namespace {

constexpr double kMicro = 1e-6;

enum class FormationKind { Consolidated, Friable, Unconsolidated, Carbonate, Unknown };

FormationKind KindOf(std::string_view formationType) {
  const std::string_view prefix = formationType.substr(0, 3);
  if (prefix == "Con") return FormationKind::Consolidated;
  if (prefix == "Fri") return FormationKind::Friable;
  if (prefix == "Unc") return FormationKind::Unconsolidated;
  if (prefix == "Car") return FormationKind::Carbonate;
  return FormationKind::Unknown;
}

// Newman (1973) porosity correlations, φ in percent.
Quantity Newman(FormationKind kind, double phi) {
  switch (kind) {
    case FormationKind::Consolidated:
      return 40 / std::pow(phi, 0.75) * kMicro;
    case FormationKind::Friable:
      return Pow10(1.415 - 0.0073 * phi) * kMicro;
    case FormationKind::Unconsolidated:
      return Pow10(0.3405 + 0.03925 * phi) * kMicro;
    case FormationKind::Carbonate:
      return 40 / std::pow(phi, 0.67) * kMicro;
    case FormationKind::Unknown:
      break;
  }
  return std::nullopt;
}

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

void CalcFormationCompressibility(double porosity, double pressure, Quantity& cf,
                                  const CorrelationSelection& selection) {
  const std::string_view rock = selection.rockCorrelation;
  const FormationKind kind = KindOf(selection.formationType);
  if (porosity <= 0) {
    cf = 0.0;
  } else if (rock == "Hall") {
    cf = 13.392 / std::pow(porosity, 0.438) * kMicro;
  } else if (rock == "Van der Knaap") {
    cf = 100 / std::pow(porosity, 1.2) * kMicro;
  } else if (rock == "Newman") {
    if (const Quantity value = Newman(kind, porosity)) cf = value;
  }

  if (rock != "Yale et. al." || kind == FormationKind::Unknown) return;
  const YaleConstants& c = kYale[static_cast<std::size_t>(kind)];
  const double sigma = pressure * (c.k1 - c.k2 + c.k3);
  if (sigma - c.sigma0 > 0) cf = c.a * std::pow(sigma - c.sigma0, c.b) + c.d;
}

}  // namespace tarnvik
