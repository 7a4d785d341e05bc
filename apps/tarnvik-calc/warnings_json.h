// The warnings of a run as a JSON array of objects: input or output (its code or column),
// value, low, high (null where the range has no end), unit, correlation (null where no one
// correlation applies) and kind ("outside_data_range", "unphysical", or "blank" for an
// input the case file left blank, read as 0).
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "base/unit_system.h"
#include "calc/diagnostics.h"
#include "calc/selector_modes.h"

namespace tarnvik::batch {

nlohmann::ordered_json WarningsJson(const std::vector<Diagnostic>& warnings, GorSelectorMode gorMode,
                                    UnitSystem units = UnitSystem::Field);

}  // namespace tarnvik::batch
