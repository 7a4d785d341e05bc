#include "calc/output_field.h"

namespace tarnvik {

Quantity ResultValue(const ResultSet& r, OutputField field, GorSelectorMode gorMode) {
  switch (field) {
    case OutputField::Rs:
      return r.rs;
    case OutputField::Bo:
      return r.bo;
    case OutputField::OilViscosity:
      return r.muO;
    case OutputField::PbOrRsb:
      // Without oil (no Rsb) there is no bubble point, whatever the fifth input held.
      if (!r.rsb) return {};
      return gorMode == GorSelectorMode::Gor ? Quantity(r.pb) : r.rsb;
    case OutputField::Z:
      return r.z;
    case OutputField::Bg:
      return r.bg;
    case OutputField::Rsw:
      return r.rsw;
    case OutputField::Co:
      return r.co;
    case OutputField::Cg:
      return r.cg;
    case OutputField::Cw:
      return r.cw;
    case OutputField::GasViscosity:
      return r.muG;
    case OutputField::Bw:
      return r.bw;
    case OutputField::WaterViscosity:
      return r.muW;
    case OutputField::OilDensity:
      return r.rhoO;
    case OutputField::GasDensity:
      return r.rhoG;
    case OutputField::WaterDensity:
      return r.rhoW;
    case OutputField::Cf:
      return r.cf;
    case OutputField::Ct:
      return r.ct;
    case OutputField::So:
      return r.so;
    case OutputField::Sw:
      return r.sw;
    case OutputField::Sg:
      return r.sg;
  }
  return std::nullopt;
}

std::array<Quantity, kOutputFieldCount> ResultValues(const ResultSet& r, GorSelectorMode gorMode) {
  // In OutputField order, each as ResultValue gives it.
  return {r.rs,  r.bo,   r.muO,  ResultValue(r, OutputField::PbOrRsb, gorMode),
          r.z,   r.bg,   r.rsw,  r.co,
          r.cg,  r.cw,   r.muG,  r.bw,
          r.muW, r.rhoO, r.rhoG, r.rhoW,
          r.cf,  r.ct,   r.so,   r.sw,
          r.sg};
}

}  // namespace tarnvik
