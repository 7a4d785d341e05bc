#include "present/impurity_texts.h"

#include "io/number_text.h"

namespace tarnvik {

std::string ImpuritiesText(const GasImpurities& g) {
  std::string text;
  const auto add = [&text](const char* name, double value) {
    if (value == 0) return;
    if (!text.empty()) text += ", ";
    text.append(name).append(" ").append(FormatShortest(value)).append(" mol %");
  };
  add("CO2", g.co2);
  add("H2S", g.h2s);
  add("N2", g.n2);
  return text;
}

std::string ImpuritiesDescription(const GasImpurities& g) {
  if (!g.any()) return {};
  const bool acid = g.co2 != 0 || g.h2s != 0;
  std::string text = ImpuritiesText(g) + ": pseudo-critical properties corrected by ";
  if (acid) text += "Wichert and Aziz (CO2, H2S)";
  if (acid && g.n2 != 0) text += " and ";
  if (g.n2 != 0) text += "Carr, Kobayashi and Burrows (N2)";
  return text + ", gas viscosity by Carr, Kobayashi and Burrows' corrections";
}

}  // namespace tarnvik
