// The black-oil tables and their ECLIPSE text for arbitrary inputs and selections: never
// crashes or trips a sanitizer, and tables that pass the checks hold only finite,
// positive numbers in rising pressure order.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "export/eclipse_deck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 3;
  if (size < kHeader + 9 * sizeof(float)) return 0;
  tarnvik::CalculationCase c;
  c.selection.oilCorrelation = static_cast<tarnvik::OilCorrelation>(data[0] % 9);
  c.selection.gasCharacterisation = static_cast<tarnvik::GasCharacterisation>(data[1] % 2);
  c.selection.rockCorrelation = static_cast<tarnvik::RockCorrelation>(1 + data[2] % 4);
  c.selection.formationType = static_cast<tarnvik::FormationType>(1 + (data[2] / 4) % 4);
  c.gorMode = data[2] & 0x40 ? tarnvik::GorSelectorMode::Gor : tarnvik::GorSelectorMode::BubblePoint;
  float values[9];
  std::memcpy(values, data + kHeader, sizeof values);
  double* fields[] = {&c.inputs.apiGravity, &c.inputs.gasGravity,   &c.inputs.temperatureF,
                      &c.inputs.pressure,   &c.inputs.gorOrPb,      &c.inputs.porosity,
                      &c.inputs.swc,        &c.inputs.salinityOrSg, &c.inputs.wor};
  for (int i = 0; i < 9; ++i) *fields[i] = values[i];
  // Keep runs short: the tables evaluate the case at a few dozen pressures up to 1.5 pmax.
  if (!(std::abs(c.inputs.pressure) < 1e6) || !(std::abs(c.inputs.gorOrPb) < 1e6)) return 0;

  tarnvik::BlackOilTables tables;
  std::string error;
  if (!tarnvik::BuildBlackOilTables(c, {}, tables, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (!tarnvik::CheckBlackOilTables(tables).empty()) return 0;
  for (const auto& record : tables.liveOil) {
    for (const auto& point : record.points) {
      if (!(point.bo > 0) || !std::isfinite(point.bo) || !(point.viscosity > 0)) std::abort();
    }
  }
  const std::string text = tarnvik::EclipseTablesText(tables, "fuzz", "fuzz");
  if (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos) std::abort();
  if (!tarnvik::CheckExampleDeck(tables).empty()) return 0;
  const std::string deck = tarnvik::ExampleDeckText(tables, "pvt.inc", "fuzz");
  if (deck.find("nan") != std::string::npos || deck.find("inf") != std::string::npos) std::abort();
  return 0;
}
