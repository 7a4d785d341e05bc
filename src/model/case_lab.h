// Lab data and tuning saved with a case. A case that has either is saved as its record of
// fifteen fields followed by lines of its own (io/case_record.h), version 1:
//
//   "title","GOR MCF/STB",...,0.5                 the record, as always
//   @lab,tarnvik-lab,1,field                      "@lab," and a line of the lab file
//   @lab,temperature,220                          (model/lab_file.h), in field units, so
//   ...                                           that every number reads back exactly
//   @tuning,2,Standing,pressure_map,14.7,3.1,...,bo,1.02,0.011,compressibility,1.1,
//     dead_oil_viscosity,1.3,viscosity_curve,0,0.31,120,0.12,...,
//     reference_temperature,220,undersaturated_viscosity,1.2,gas,1.01,0.99,
//     gas_correction,0,0,173.7,0.002,...
//                                                 the tuning in force (calc/oil_tuning.h):
//                                                 version, family (its code), then groups,
//                                                 each a key and its numbers: the pressure
//                                                 map's nodes (p psia, family pressure
//                                                 psia; required), the low-Rs map's nodes
//                                                 (family Rs, Rs; SCF/STB), the Bo factor
//                                                 and shift,
//                                                 the Bo map's nodes (Rs, Rs read; SCF/STB),
//                                                 the factors on the undersaturated
//                                                 compressibility and on Beal's dead oil,
//                                                 the viscosity curve's points (Rs SCF/STB,
//                                                 ln μo) at the reference temperature (°F),
//                                                 the gas's factors on Tpc and Ppc and the
//                                                 points of its z correction (p psia,
//                                                 ln z/z_HY), and the factor on Beal's
//                                                 undersaturated slope; a group left out is
//                                                 the family's own
//   @tuning,1,Standing,1.0523,0.981,1.12,1.04,2634.7
//                                                 version 1, still read: pressure scale, Bo
//                                                 factor, viscosity factor, pressure
//                                                 exponent and reference pressure, psia
//                                                 (a version-1 tuning is written back so)
//
// A case without lab data and tuning is the record alone, so such files read as before by
// any program that reads case files, and every case file written before reads as before.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/lab_data.h"
#include "calc/oil_tuning.h"
#include "io/case_record.h"

namespace tarnvik {

inline constexpr int kTuningLineVersion = 2;

struct CaseLab {
  std::optional<LabData> data;
  OilTuning tuning;  // active when tuning was on

  bool empty() const { return !data && !tuning.active; }
  friend bool operator==(const CaseLab&, const CaseLab&) = default;
};

// Reads the @lab and @tuning lines among a record's attached lines (the others are other
// readers', model/case_entry.h). False, with "line N: what is wrong" in `error`, for a lab
// file that does not read (its message, with the case file's line), a tuning line that
// does not read, or a second tuning line.
bool ReadCaseLab(const std::vector<CaseRecordReader::AttachedLine>& lines, CaseLab& lab, std::string& error);

// The attached lines of `lab`, CR LF ended; empty when it is empty.
std::string WriteCaseLab(const CaseLab& lab);

// The family's code in files ("Standing", "Vazquez-Beggs", ..., as the data-range table
// names it), and back; empty for a text that names none.
std::string_view OilFamilyCode(OilCorrelation family);
std::optional<OilCorrelation> OilFamilyFromCode(std::string_view code);

}  // namespace tarnvik
