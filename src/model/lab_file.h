// The lab data file: a laboratory report on an oil as comma-separated text, version 1.
//
//   tarnvik-lab,1,field                  the format, its version and the unit system
//   # a line starting with # is a comment; blank lines are skipped
//   source,"Where the numbers come from"  optional
//   temperature,220                      required: reservoir temperature, °F (°C)
//   bubble_point,2634.7                  required: measured bubble point, psia (bara)
//   gor,854                              required: GOR at the bubble point, SCF/STB (sm3/sm3)
//   separator_bo,1.474                   optional, both or neither: the separator test's
//   separator_gor,768                      Bofb, RB/STB (rm3/sm3), and Rsfb, SCF/STB (sm3/sm3)
//   api,35                               optional: stock-tank oil gravity, °API
//   gas_gravity,0.872                    optional: gas gravity, air = 1
//   dead_oil_viscosity,1.02              optional: the dead oil's viscosity at the report's
//                                          temperature and atmospheric pressure, cp (mPa s)
//   pressure,rs,bo,oil_viscosity         the column header row: pressure first, then any of
//   2634.7,854,1.600,                      rs, bo, oil_viscosity, oil_compressibility, z, bg,
//   2364.7,763,1.554,                      relative_volume; one row per pressure; a blank
//                                          cell was not measured
//
// Units of the columns: pressure psia (bara), rs SCF/STB (sm3/sm3), bo RB/STB (rm3/sm3),
// oil_viscosity cp (mPa s), oil_compressibility 1/psi (1/bar), z none, bg RB/MCF
// (rm3/sm3), relative_volume none: a constant-composition expansion's V/Vsat at and above
// the bubble point. Rows may run by increasing or by decreasing pressure. With a separator
// test, gor and the rs and bo columns are differential-liberation values; the data are
// used at separator conditions (calc/lab_data.h).
//
// A file is refused, naming the line and the column, for: a first line other than the
// above, an unknown or repeated key, a missing required key, a column not in the list or
// repeated, a cell that is not a number, a negative value, a pressure, Bo, viscosity, z,
// Bg or relative volume of 0, a repeated pressure or one out of order, an Rs above the
// bubble point other than the GOR, or a relative volume below the bubble point.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/unit_system.h"
#include "calc/lab_data.h"

namespace tarnvik {

inline constexpr int kLabFileVersion = 1;

// A lab file is a short table; anything larger is not one.
inline constexpr std::size_t kMaxLabFileBytes = 1 << 20;

// Reads a lab file's text into `data` (in the correlations' units) and the unit system it
// was written in. False, with "line N, column M (name): what is wrong" in `error`, when
// the text is not a valid lab file; `data` is then unchanged. `lineNumbers`, where given,
// holds the line number to name for each line of the text (the text's lines embedded in
// another file).
bool ReadLabFile(std::string_view text, LabData& data, UnitSystem& units, std::string& error,
                 const std::vector<std::size_t>* lineNumbers = nullptr);

// Reads the lab file at `path` into `data`. False when it cannot be read, with its errno in
// `fileError`, or when it is larger than a lab file can be or is not a valid lab file, with
// `fileError` 0 and the reason in `error` (without the path).
bool ReadLabFileAt(const std::string& path, LabData& data, std::string& error, int& fileError);

// The lab file of `data` in `units`, lines ended by CR LF; numbers in the shortest form
// that reads back as the same value, so that reading it gives `data` again.
std::string WriteLabFile(const LabData& data, UnitSystem units = UnitSystem::Field);

}  // namespace tarnvik
