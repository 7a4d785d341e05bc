// The gas impurities saved with a case. A case with CO2, H2S or N2 in its gas is saved as its
// record of fifteen fields followed by a line of its own, version 1:
//
//   "title","GOR MCF/STB",...,0.5        the record, as always
//   @gas,1,5,10,0.5                      version, CO2, H2S and N2, mol %
//
// beside any lab lines (model/case_lab.h). A case without impurities is the record alone, so
// it saves byte for byte as before, and every case file written before reads as before.
#pragma once

#include <string>
#include <vector>

#include "correlations/gas/gas_impurities.h"
#include "io/case_record.h"

namespace tarnvik {

inline constexpr int kGasLineVersion = 1;

// Reads the @gas line among a record's attached lines; other lines are left to their own
// readers (ReadCaseLab). No line: no impurities. False, with "line N: what is wrong" in
// `error`, for a line whose version is not known, that does not hold three numbers, holds
// a number below 0 or above 100, or that is given twice.
bool ReadCaseGas(const std::vector<CaseRecordReader::AttachedLine>& lines, GasImpurities& impurities,
                 std::string& error);

// The @gas line, CR LF ended; empty without impurities.
std::string WriteCaseGas(const GasImpurities& impurities);

// Whether an attached line is a @gas line (its text, without the "@").
bool IsGasLine(const std::string& text);

}  // namespace tarnvik
