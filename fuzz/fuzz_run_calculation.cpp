// The whole calculation run on arbitrary box texts, selector texts and selections: never
// crashes or trips a sanitizer; every shown value is a pattern text, never "nan" or "inf".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/calculation_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  tarnvik::CorrelationSelection selection;
  selection.oilCorrelation = static_cast<tarnvik::OilCorrelation>(static_cast<std::int8_t>(data[0]) % 12);
  selection.gasCharacterisation = static_cast<tarnvik::GasCharacterisation>(data[1] % 3);
  const std::size_t rock = data[2] % 5;
  const std::size_t formation = data[3] % 5;
  selection.rockCorrelation = rock < 4 ? std::string(tarnvik::kRockCorrelationItems[rock]) : "";
  selection.formationType = formation < 4 ? std::string(tarnvik::kFormationTypeItems[formation]) : "";

  // The rest: eleven texts separated by '|': nine boxes, then the two selectors.
  std::vector<std::string> parts(1);
  for (std::size_t i = 4; i < size; ++i) {
    if (data[i] == '|' && parts.size() < 11) {
      parts.emplace_back();
    } else {
      parts.back() += static_cast<char>(data[i]);
    }
  }
  parts.resize(11);
  tarnvik::InputTexts texts;
  for (std::size_t i = 0; i < 9; ++i) texts.boxes[i] = parts[i];
  texts.gorSelector = parts[9] == "G" ? "GOR MCF/STB" : std::string_view(parts[9]);
  texts.waterSelector = parts[10] == "S" ? "Water Specific Gravity" : std::string_view(parts[10]);

  tarnvik::InputSet inputs;
  const tarnvik::RunOutput out = tarnvik::RunCalculation(texts, selection, inputs);
  if (out.outputs.has_value() == out.message.has_value()) std::abort();
  if (out.outputs) {
    for (const std::string& text : out.outputs->texts) {
      if (!text.empty() && text.find('.') == std::string::npos) std::abort();
      if (text.find_first_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos) std::abort();
    }
  }
  return 0;
}
