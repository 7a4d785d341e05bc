#include "present/selection_texts.h"

#include <cstdio>

#include "io/number_text.h"

namespace tarnvik {
namespace {

// Tested in this order; "Pet" and "Far" keep Petrosky/Farshad and Farshad apart.
constexpr std::array<std::string_view, kOilCorrelationCount> kOilPrefixes = {"Sta", "Vaz", "Gla", "Al-", "Pet",
                                                                             "Dok", "Far", "Obo", "Kar"};
constexpr std::array<std::string_view, kOilCorrelationCount> kOilNames = {
    "Standing",         "Vazquez/Beggs",       "Glaso", "Al-Marhoun", "Petrosky/Farshad", "Dokla/Osman", "Farshad",
    "Obomanu/Okpobiri", "Kartoatmodjo/Schmidt"};
constexpr std::array<std::string_view, 4> kFormationPrefixes = {"Con", "Fri", "Unc", "Car"};

}  // namespace

std::optional<OilCorrelation> OilCorrelationFromCaption(std::string_view caption) {
  for (std::size_t i = 0; i < kOilPrefixes.size(); ++i) {
    if (caption.starts_with(kOilPrefixes[i])) return static_cast<OilCorrelation>(i);
  }
  return std::nullopt;
}

std::optional<GasCharacterisation> GasCharacterisationFromCaption(std::string_view caption) {
  if (caption.starts_with("Wet")) return GasCharacterisation::WetGas;
  if (caption.starts_with("Dry")) return GasCharacterisation::DryGas;
  return std::nullopt;
}

std::optional<RockCorrelation> RockCorrelationFromCaption(std::string_view caption) {
  for (std::size_t i = 0; i < kRockCorrelationItems.size(); ++i) {
    if (caption == kRockCorrelationItems[i]) return kRockCorrelationOrder[i];
  }
  return std::nullopt;
}

std::optional<FormationType> FormationTypeFromCaption(std::string_view caption) {
  const std::string_view prefix = caption.substr(0, 3);
  for (std::size_t i = 0; i < kFormationPrefixes.size(); ++i) {
    if (prefix == kFormationPrefixes[i]) return static_cast<FormationType>(i + 1);
  }
  return std::nullopt;
}

std::string_view OilCorrelationItem(OilCorrelation family) {
  return kOilCorrelationItems[static_cast<std::size_t>(EffectiveOilCorrelation(family))];
}

std::string_view GasCharacterisationItem(GasCharacterisation characterisation) {
  return kGasCharacterisationItems[characterisation == GasCharacterisation::DryGas ? 1 : 0];
}

std::string_view RockCorrelationItem(RockCorrelation rock) {
  for (std::size_t i = 0; i < kRockCorrelationOrder.size(); ++i) {
    if (kRockCorrelationOrder[i] == rock) return kRockCorrelationItems[i];
  }
  return {};
}

std::string_view FormationTypeItem(FormationType formation) {
  if (formation == FormationType::None) return {};
  return kFormationTypeItems[static_cast<std::size_t>(formation) - 1];
}

std::string_view OilCorrelationName(OilCorrelation family) {
  return kOilNames[static_cast<std::size_t>(EffectiveOilCorrelation(family))];
}

std::string CorrelationsDescription(const CorrelationSelection& selection) {
  std::string text(OilCorrelationName(selection.oilCorrelation));
  text += TuningInForce(selection) ? " oil tuned to lab data, " : " oil, ";
  text += selection.gasCharacterisation == GasCharacterisation::DryGas ? "dry" : "wet";
  text += " gas, rock ";
  const std::string_view rock = RockCorrelationItem(selection.rockCorrelation);
  text += rock.empty() ? std::string_view("(none)") : rock;
  if (selection.formationType != FormationType::None)
    text.append(" / ").append(FormationTypeItem(selection.formationType));
  return text;
}

std::string TuningDescription(const OilTuning& tuning) {
  const auto factor = [](double value) { return FormatSignificant(value, 5); };
  const std::string family(OilCorrelationName(tuning.family));
  if (tuning.pressureMap.empty()) {
    return family + " tuned to lab data: pressure scale " + factor(tuning.pressureScale) + ", pressure exponent " +
           factor(tuning.pressureExponent) + ", Bo factor " + factor(tuning.boFactor) + ", viscosity factor " +
           factor(tuning.viscosityFactor);
  }
  const auto points = [](const MonotoneMap& map) {
    const std::size_t n = map.nodes().size();
    return std::to_string(n) + (n == 1 ? " point" : " points");
  };
  const std::size_t rsPoints =
      tuning.pressureMap.nodes().size() + (tuning.lowRsMap.empty() ? 0 : tuning.lowRsMap.nodes().size() - 1);
  std::string text =
      family + " tuned to lab data: Rs through " + std::to_string(rsPoints) + (rsPoints == 1 ? " point" : " points") +
      ", Bo factor " + factor(tuning.boFactor) + " and shift " + factor(tuning.boShift) +
      (tuning.boMap.empty() ? std::string() : " through " + points(tuning.boMap)) + ", compressibility factor " +
      factor(tuning.compressibilityFactor) + ", dead-oil viscosity factor " + factor(tuning.deadOilViscosityFactor);
  if (!tuning.viscosityCurve.empty()) {
    const std::size_t n = tuning.viscosityCurve.points().size() - 1;  // the dead oil's at Rs 0
    text += ", saturated viscosity through " + std::to_string(n) + (n == 1 ? " point" : " points");
  }
  text += ", undersaturated viscosity slope factor " + factor(tuning.undersaturatedViscosityFactor);
  if (!tuning.gas.identity()) {
    text += "; gas: pseudo-critical temperature factor " + factor(tuning.gas.temperatureFactor) + ", pressure factor " +
            factor(tuning.gas.pressureFactor);
    if (!tuning.gas.correction.empty()) {
      const std::size_t n = tuning.gas.correction.points().size() - 1;  // (0, 0) first
      text += ", z through " + std::to_string(n) + (n == 1 ? " point" : " points");
    }
  }
  return text;
}

TuningFields TuningFieldsOf(const OilTuning& t) {
  TuningFields fields;
  if (t.pressureMap.empty()) {
    fields.version = 1;
    fields.numbers = {{"pressure_scale", t.pressureScale},
                      {"pressure_exponent", t.pressureExponent},
                      {"reference_pressure", t.referencePressure},
                      {"bo_factor", t.boFactor},
                      {"viscosity_factor", t.viscosityFactor}};
    return fields;
  }
  fields.numbers = {{"bo_factor", t.boFactor},
                    {"bo_shift", t.boShift},
                    {"compressibility_factor", t.compressibilityFactor},
                    {"dead_oil_viscosity_factor", t.deadOilViscosityFactor},
                    {"undersaturated_viscosity_factor", t.undersaturatedViscosityFactor}};
  fields.rsMap = t.pressureMap.nodes();
  fields.lowRsMap = t.lowRsMap.nodes();
  fields.boMap = t.boMap.nodes();
  fields.viscosityCurve = t.viscosityCurve.points();
  fields.numbers.push_back({"gas_temperature_factor", t.gas.temperatureFactor});
  fields.numbers.push_back({"gas_pressure_factor", t.gas.pressureFactor});
  fields.gasCorrection = t.gas.correction.points();
  if (!t.viscosityCurve.empty()) fields.numbers.push_back({"reference_temperature", t.referenceTemperature});
  return fields;
}

}  // namespace tarnvik
