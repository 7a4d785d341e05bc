// An oil family tuned to laboratory measurements: maps and factors that the oil step of
// the run applies to the family's correlations, so that every table, comparison and export
// built from runs sees them. The family's own functions keep their shape; the tuning reads
// them at corrected arguments and scales what they give:
//
//   pressure map g:      Rs(p) = Rs_family(g(p)) at and below the bubble point, and
//                        pb = g⁻¹(pb_family(Rsb)). g is one increasing function of
//                        pressure for every oil, so Rs below the bubble point stays one
//                        saturated curve, as a black-oil table needs. Version 2: the
//                        monotone map (base/monotone_map.h) through the nodes
//                        (p_i, pb_family(Rs_i)) of the measured points, so that the tuned
//                        Rs passes through each of them and the measured bubble point is
//                        the tuned one at the measured GOR. Version 1: the power map
//                          g(p) = (p / s) · (p / pr)^(a − 1)
//                        with a pressure scale s, an exponent a and a reference pressure pr.
//                        Version 2 also reaches measured Rs below the family's Rs at zero
//                        pressure (families with a constant term hold gas at any pressure):
//                        Rs(p) = m(Rs_family(g(p))) with m the monotone map through the
//                        nodes (Rs_family(g(p_i)), Rs_i) of those points, and the identity
//                        from the lowest pressure-map node up, so that the bubble point and
//                        the points the pressure map reaches stay exact
//   saturated Bo:        Bo − 1 = b (Bo_family(k(Rs)) − 1) + c, a factor and a shift (c = 0
//                        in version 1) and, in version 2, the family read at Rs mapped by
//                        the monotone map k through the measured points (none: k(Rs) = Rs),
//                        Bo a function of the tuned Rs
//   undersaturated Bo:   Bo(pb) exp(−k co_family (p − pb)), the family's compressibility
//                        times k (1 in version 1)
//   oil viscosity:       at and below the bubble point, Chew and Connally's live oil from
//                        Beal's dead oil times d (d: the measured dead oil at the report's
//                        temperature Tr); in version 2 with measured viscosities, up to
//                        the highest Rs measured, the smooth falling curve L
//                        (base/smooth_curve.h) of ln μo through them at Tr, moved to
//                        another temperature as Chew and Connally's moves it:
//                          ln μo(Rs, T) = L(Rs) + B(Rs) ln (μod(T) / μod(Tr)),
//                        and beyond it Chew and Connally's slope in ln μo at the highest Rs
//                        measured, held (0 where that slope would rise); all
//                        times m (version 1 has m alone). Above the bubble point
//                        μo = μob + f s_Beal(μob) (p − pb)
//
// The gas of the same report, where it gives z or Bg, is tuned with it:
//   gas:                 Tpc and Ppc of the pseudo-critical properties times a factor each,
//                        fitted to the measured z and Bg, then z times exp(ζ(p)), the
//                        smooth curve ζ through the remaining logarithmic residuals (0 at
//                        zero pressure, flat beyond the highest measured): the gas a
//                        differential liberation releases changes from stage to stage,
//                        and a black-oil gas is the one it released. Bg, cg, the gas
//                        density and Lee, Gonzalez and Eakin's viscosity follow z.
// Units as the correlations': psia, °F, SCF/STB, RB/STB, cp.
#pragma once

#include "base/monotone_map.h"
#include "base/smooth_curve.h"
#include "correlations/choices.h"

namespace tarnvik {

// Factors on the gas's pseudo-critical temperature and pressure.
struct GasTuning {
  double temperatureFactor = 1;
  double pressureFactor = 1;
  SmoothCurve correction;  // pressure psia → ln (z / z_HY); none: 0

  bool identity() const { return temperatureFactor == 1 && pressureFactor == 1 && correction.empty(); }
  friend bool operator==(const GasTuning&, const GasTuning&) = default;
};

struct OilTuning {
  // Tuning is on. When off, or made for another family than the one in force, the run
  // is the family's own, to the last bit.
  bool active = false;
  OilCorrelation family = OilCorrelation::Standing;
  // The pressure map: the monotone map where it has nodes, else the power map.
  MonotoneMap pressureMap;
  MonotoneMap lowRsMap;  // the family's Rs → Rs below the pressure map's reach; none: Rs itself
  double pressureScale = 1;
  double pressureExponent = 1;
  double referencePressure = 1;  // psia
  double boFactor = 1;
  double boShift = 0;
  MonotoneMap boMap;  // Rs → the Rs the family's Bo is read at; none: Rs itself
  double compressibilityFactor = 1;
  double deadOilViscosityFactor = 1;
  SmoothCurve viscosityCurve;       // Rs SCF/STB → ln μo at the reference temperature; none: Chew and Connally's
  double referenceTemperature = 0;  // °F, the report's
  double viscosityFactor = 1;
  double undersaturatedViscosityFactor = 1;
  GasTuning gas;  // applied while the tuning is in force

  friend bool operator==(const OilTuning&, const OilTuning&) = default;
};

// Whether a tuning applies to a run with `family`.
constexpr bool TunesFamily(const OilTuning& tuning, OilCorrelation family) {
  return tuning.active && EffectiveOilCorrelation(tuning.family) == EffectiveOilCorrelation(family);
}

// The pressure map g, psia: the pressure the family is evaluated at for a tuned pressure,
// and back.
double FamilyPressure(const OilTuning& tuning, double pressure);
double PressureFromFamily(const OilTuning& tuning, double familyPressure);

// The tuned forms of the family's functions (each with the family's own arguments).
double TunedSolutionGas(OilCorrelation family, const OilTuning& tuning, double gasGravity, double pressure,
                        double temperatureF, double apiGravity);
double TunedBubblePoint(OilCorrelation family, const OilTuning& tuning, double gasGravity, double rsb,
                        double temperatureF, double apiGravity);
double TunedOilFvf(OilCorrelation family, const OilTuning& tuning, double gasGravity, double temperatureF,
                   double apiGravity, double rs);
double TunedSaturatedOilViscosity(const OilTuning& tuning, double apiGravity, double temperatureF, double rs);
double TunedUndersaturatedOilViscosity(const OilTuning& tuning, double bubblePointViscosity, double pressure,
                                       double bubblePoint);

}  // namespace tarnvik
