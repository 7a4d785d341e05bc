// The lab file reader on arbitrary bytes: never crashes; whatever it accepts writes back to
// a file that reads to the same data, and ranks and tunes against a typical oil without
// crashing (a refusal in words is fine).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/oil_tuning_fit.h"
#include "model/lab_file.h"
#include "typical_case.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  tarnvik::LabData lab;
  tarnvik::UnitSystem units = tarnvik::UnitSystem::Field;
  std::string error;
  if (!tarnvik::ReadLabFile(text, lab, units, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  tarnvik::LabData back;
  if (!tarnvik::ReadLabFile(tarnvik::WriteLabFile(lab), back, units, error) || !(back == lab)) std::abort();
  const tarnvik::CalculationCase c = tarnvik::testing::TypicalOil();
  tarnvik::OilRanking ranking;
  if (tarnvik::RankOilFamilies(c, lab, ranking, error)) {
    tarnvik::OilTuningFit fit;
    tarnvik::TuneOilFamily(c, lab, ranking.families.front().family, fit, error);
  }
  return 0;
}
