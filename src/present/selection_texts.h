// The texts of the correlation choices: the items of the selection lists, the captions a
// case file stores, how a caption names a choice, and short names for reports.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/correlation_selection.h"

namespace tarnvik {

// The items of the selection lists, in the order they are offered (oil items in family
// order, gas items by characterisation value).
inline constexpr std::array<std::string_view, kOilCorrelationCount> kOilCorrelationItems = {
    "Standing : California Crudes",
    "Vazquez/Beggs : Worldwide Crudes",
    "Glaso : North Sea Crudes",
    "Al-Marhoun : Middle East Crudes",
    "Petrosky/Farshad : Gulf of Mexico Crudes",
    "Dokla/Osman : U.A.E. crudes",
    "Farshad : Columbian Crudes",
    "Obomanu/Okpobiri : Nigerian Crudes",
    "Kartoatmodjo/Schmidt : Worldwide Crudes",
};
inline constexpr std::array<std::string_view, 2> kGasCharacterisationItems = {"Wet Gas", "Dry Gas"};
inline constexpr std::array<std::string_view, 4> kRockCorrelationItems = {"Hall", "Van der Knaap", "Yale et. al.",
                                                                          "Newman"};
inline constexpr std::array<RockCorrelation, 4> kRockCorrelationOrder = {
    RockCorrelation::Hall, RockCorrelation::VanDerKnaap, RockCorrelation::YaleEtAl, RockCorrelation::Newman};
inline constexpr std::array<std::string_view, 4> kFormationTypeItems = {"Consolidated Sands", "Friable Sands",
                                                                        "Unconsolidated Sands", "Carbonates"};

// The family an oil caption names by its first three characters ("Sta", "Vaz", "Gla",
// "Al-", "Pet", "Dok", "Far", "Obo", "Kar", case-sensitive); empty when none.
std::optional<OilCorrelation> OilCorrelationFromCaption(std::string_view caption);

// "Wet..." is wet gas, "Dry..." dry gas; empty otherwise.
std::optional<GasCharacterisation> GasCharacterisationFromCaption(std::string_view caption);

// The rock correlation a caption names by its whole text ("Hall", "Van der Knaap",
// "Yale et. al.", "Newman"); empty otherwise, also for other letter case or blanks.
std::optional<RockCorrelation> RockCorrelationFromCaption(std::string_view caption);

// The formation type a text names by its first three characters ("Con", "Fri", "Unc",
// "Car"); empty otherwise.
std::optional<FormationType> FormationTypeFromCaption(std::string_view caption);

// The list item of each choice; empty for RockCorrelation::None and FormationType::None.
std::string_view OilCorrelationItem(OilCorrelation family);
std::string_view GasCharacterisationItem(GasCharacterisation characterisation);
std::string_view RockCorrelationItem(RockCorrelation rock);
std::string_view FormationTypeItem(FormationType formation);

// Short name of a family: "Standing", "Vazquez/Beggs", ...
std::string_view OilCorrelationName(OilCorrelation family);

// One line naming a case's correlations: "Standing oil, wet gas, rock Hall" (with
// " / Carbonates" when a formation type is chosen, "rock (none)" without a correlation,
// and "Standing oil tuned to lab data" while tuning is in force).
std::string CorrelationsDescription(const CorrelationSelection& selection);

// The tuning in words, with its factors to five significant digits: "Standing tuned to
// lab data: Rs through 10 points, Bo factor 1.0123 and shift 0.0041, ...", or for a
// version-1 tuning "... pressure scale 1.0523, pressure exponent 1, Bo factor 0.98123,
// viscosity factor 1.1172".
std::string TuningDescription(const OilTuning& tuning);

// The tuning for programs: its version (1: the power map and two factors; 2: the maps
// through the measured points), its named numbers, and the nodes of its maps.
struct TuningNumber {
  std::string_view name;  // pressure_scale, bo_factor, ...
  double value;
};
struct TuningFields {
  int version = 2;
  std::vector<TuningNumber> numbers;
  std::vector<MapNode> rsMap;           // pressure psia → family pressure psia
  std::vector<MapNode> lowRsMap;        // the family's Rs → Rs below the pressure map's reach, SCF/STB
  std::vector<MapNode> boMap;           // Rs → the Rs the family's Bo is read at, SCF/STB
  std::vector<MapNode> viscosityCurve;  // Rs SCF/STB → ln μo at the reference temperature
  std::vector<MapNode> gasCorrection;   // pressure psia → ln (z / Hall and Yarborough's)

  // The maps by the names programs give them (rs_map, low_rs_map, bo_map,
  // viscosity_curve, gas_correction), for a version-2 tuning.
  struct NamedMap {
    std::string_view name;
    const std::vector<MapNode>& nodes;
  };
  std::array<NamedMap, 5> maps() const {
    return {{{"rs_map", rsMap},
             {"low_rs_map", lowRsMap},
             {"bo_map", boMap},
             {"viscosity_curve", viscosityCurve},
             {"gas_correction", gasCorrection}}};
  }
};
TuningFields TuningFieldsOf(const OilTuning& tuning);

}  // namespace tarnvik
