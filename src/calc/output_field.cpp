#include "calc/output_field.h"

namespace tarnvik {

namespace {

// Without oil (no Rsb) there is no bubble point, whatever the fifth input held.
Quantity PbOrRsb(const ResultSet& r, GorSelectorMode gorMode) {
  if (!r.rsb) return {};
  return gorMode == GorSelectorMode::Gor ? Quantity(r.pb) : r.rsb;
}

}  // namespace

std::array<Quantity, kOutputFieldCount> ResultValues(const ResultSet& r, GorSelectorMode gorMode) {
  // In OutputField order.
  return {r.rs,  r.bo,   r.muO,  PbOrRsb(r, gorMode),
          r.z,   r.bg,   r.rsw,  r.co,
          r.cg,  r.cw,   r.muG,  r.bw,
          r.muW, r.rhoO, r.rhoG, r.rhoW,
          r.cf,  r.ct,   r.so,   r.sw,
          r.sg};
}

Quantity ResultValue(const ResultSet& r, OutputField field, GorSelectorMode gorMode) {
  return ResultValues(r, gorMode)[IndexOf(field)];
}

}  // namespace tarnvik
