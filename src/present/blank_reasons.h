// Why a compressibility is blank, or the total compressibility leaves a term out, in
// words for the status line: each such result comes with its reason.
#pragma once

#include <string>

#include "calc/calculation_case.h"

namespace tarnvik {

struct DisplayedOutputs;

// The reasons for the blank co, cg and cf, and for a total compressibility that leaves
// out a term, of the values `shown` for `calculationCase`; blanks already named as out of
// range or not computed are left to that message. Empty when there is nothing to explain.
// "cf needs a rock-compressibility correlation (Select Correlations), so the total
// compressibility leaves it out".
std::string BlankReasons(const CalculationCase& calculationCase, const DisplayedOutputs& shown);

}  // namespace tarnvik
