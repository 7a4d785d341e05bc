// The results of one calculation run, in calculation units.
#pragma once

#include "base/quantity.h"

namespace tarnvik {

struct ResultSet {
  Quantity rsb;   // solution GOR at the bubble point, SCF/STB
  Quantity rs;    // solution GOR at the reservoir pressure, SCF/STB
  double pb = 0;  // bubble-point pressure, psia (starts as the fifth input)
  Quantity bo;    // oil formation volume factor, RB/STB
  Quantity muO;   // oil viscosity, cp
  Quantity co;    // oil compressibility, 1/psi
  Quantity z;     // gas deviation factor
  Quantity bg;    // gas formation volume factor, RB/MCF
  Quantity muG;   // gas viscosity, cp
  Quantity cg;    // gas compressibility, 1/psi
  Quantity rsw;   // solution gas–water ratio, SCF/STB
  Quantity bw;    // water formation volume factor, RB/STB
  Quantity muW;   // water viscosity, cp
  Quantity cw;    // water compressibility, 1/psi
  Quantity cf;    // formation (pore-volume) compressibility, 1/psi
  Quantity rhoO;  // oil density at reservoir conditions, lb/ft³
  Quantity rhoG;  // gas density, lb/ft³
  Quantity rhoW;  // water density, lb/ft³
  double so = 0;  // oil saturation, fraction of pore volume
  double sw = 0;  // water saturation, fraction
  double sg = 0;  // gas saturation, fraction
  Quantity ct;    // total compressibility, 1/psi
};

}  // namespace tarnvik
