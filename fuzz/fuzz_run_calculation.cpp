// The whole calculation on arbitrary box texts, selector texts and selections, through the
// case model the window uses: never crashes or trips a sanitizer; every shown value is a
// pattern text, never "nan" or "inf"; a result without a value is never shown; every
// warning is worded with finite numbers, and names a value the run gave; a failure is said.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/case_model.h"
#include "present/warning_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  tarnvik::CaseModel model;
  model.chooseOil(static_cast<tarnvik::OilCorrelation>(static_cast<std::int8_t>(data[0]) % 12));
  model.chooseGas(static_cast<tarnvik::GasCharacterisation>(data[1] % 3));
  model.chooseRock(static_cast<tarnvik::RockCorrelation>(data[2] % 5));
  model.chooseFormation(static_cast<tarnvik::FormationType>(data[3] % 5));

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
  for (std::size_t i = 0; i < tarnvik::kInputCount; ++i) model.setBox(i, parts[i]);
  model.setGorSelector(parts[9] == "G" ? "GOR MCF/STB" : parts[9]);
  model.setWaterSelector(parts[10] == "S" ? "Water Specific Gravity" : parts[10]);

  const tarnvik::RunOutput out = model.calculate();
  if (out.outputs.has_value() == out.message.has_value()) std::abort();
  if (out.outputs) {
    const auto without = out.outputs->WithoutValue();
    for (std::size_t i = 0; i < out.outputs->texts.size(); ++i) {
      const std::string& text = out.outputs->texts[i];
      if (!text.empty() && text.find('.') == std::string::npos) std::abort();
      if (text.find_first_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos) std::abort();
      const bool listed =
          std::find(without.begin(), without.end(), static_cast<tarnvik::OutputField>(i)) != without.end();
      if (listed && !text.empty()) std::abort();
    }
    const tarnvik::GorSelectorMode mode = model.shownMode();
    for (const tarnvik::Diagnostic& warning : out.outputs->warnings) {
      if (!std::isfinite(warning.value)) std::abort();
      for (const std::string& words : {WarningSentence(warning, mode), WarningCode(warning, mode)}) {
        if (words.find("nan") != std::string::npos || words.find("1e999") != std::string::npos) std::abort();
      }
      if (warning.kind == tarnvik::DiagnosticKind::Unphysical && out.outputs->texts[IndexOf(warning.field)].empty()) {
        std::abort();
      }
    }
  }
  // A failed run's message is in the status, after anything wrong with what was typed.
  if (out.message && model.status().find(std::string(*out.message)) == std::string::npos) std::abort();
  return 0;
}
