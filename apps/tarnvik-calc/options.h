// The command line's options, read into one struct.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch.h"
#include "calc/pressure_table.h"
#include "export/eclipse_deck.h"
#include "model/case_entry.h"

namespace tarnvik::batch {

struct Options {
  Format format = Format::Text;
  Values values = Values::Shown;
  UnitSystem units = UnitSystem::Field;
  CaseOverrides overrides;
  std::vector<std::string> files;  // "-": standard input
  std::string labPath;
  bool tune = false;
  std::optional<OilCorrelation> tuneFamily;  // empty: the saved tuning's family, or the best-ranked
  bool table = false;
  bool compareOil = false;
  bool rankOil = false;
  bool residuals = false;
  PressureRange range;  // bounds in psia
  EclipseExport exportRequest;

  bool exporting() const { return !exportRequest.tablesPath.empty(); }
};

// Reads the command line into `options`. Returns -1 to go on, or the exit status the
// program ends with: 0 after --help, 2 for options it refuses (having said why).
int ParseOptions(int argc, char** argv, Options& options);

}  // namespace tarnvik::batch
