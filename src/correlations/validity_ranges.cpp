#include "correlations/validity_ranges.h"

#include <array>

#include "base/unit_system.h"
#include "base/units.h"

namespace tarnvik {
namespace {

using enum RangedQuantity;
using C = Correlation;
constexpr RangeCheck kPaper = RangeCheck::Paper;
constexpr RangeCheck kCompilation = RangeCheck::Compilation;
constexpr RangeCheck kNotConfirmed = RangeCheck::NotConfirmed;

constexpr std::array<std::string_view, kRangedQuantityCount> kUnits = {
    "°API", "", "°F", "psia", "psia", "SCF/STB", "SCF/STB", "RB/STB", "", "", "% NaCl", "%", "mol %", "mol %", "mol %",
};

constexpr std::string_view kStanding1947 =
    "M.B. Standing, \"A Pressure-Volume-Temperature Correlation for Mixtures of California Oils and Gases\", "
    "Drilling and Production Practice, API (1947) 275-287";
constexpr std::string_view kVazquezBeggs1980 =
    "M. Vazquez, H.D. Beggs, \"Correlations for Fluid Physical Property Prediction\", JPT 32(6) (1980) 968-970, "
    "doi:10.2118/6719-PA";
constexpr std::string_view kPetroskyFarshad1993 =
    "G.E. Petrosky, F.F. Farshad, \"Pressure-Volume-Temperature Correlations for Gulf of Mexico Crude Oils\", "
    "SPE 26644 (1993), doi:10.2118/26644-MS";
constexpr std::string_view kCarrKobayashiBurrows1954 =
    "N.L. Carr, R. Kobayashi, D.B. Burrows, \"Viscosity of Hydrocarbon Gases Under Pressure\", Trans. AIME 201 "
    "(1954) 264-272, doi:10.2118/297-G";
constexpr std::string_view kBeal1946 =
    "C. Beal, \"The Viscosity of Air, Water, Natural Gas, Crude Oil and Its Associated Gases at Oil Field "
    "Temperatures and Pressures\", Trans. AIME 165 (1946) 94-115, doi:10.2118/946094-G";

// In Correlation order.
constexpr std::array<CorrelationSource, kCorrelationCount> kSources = {{
    {"Standing", 1947, "", "Standing", kStanding1947},
    {"Vazquez and Beggs", 1980, "", "Vazquez-Beggs", kVazquezBeggs1980},
    {"Glaso", 1980, "", "Glaso",
     "Ø. Glaso, \"Generalized Pressure-Volume-Temperature Correlations\", JPT 32(5) (1980) 785-795, "
     "doi:10.2118/8016-PA"},
    {"Al-Marhoun", 1988, "", "Al-Marhoun",
     "M.A. Al-Marhoun, \"PVT Correlations for Middle East Crude Oils\", JPT 40(5) (1988) 650-666, "
     "doi:10.2118/13718-PA"},
    {"Petrosky and Farshad", 1993, "", "Petrosky-Farshad", kPetroskyFarshad1993},
    {"Dokla and Osman", 1992, "", "Dokla-Osman",
     "M.E. Dokla, M.E. Osman, \"Correlation of PVT Properties for UAE Crudes\", SPE Formation Evaluation 7(1) "
     "(1992) 41-46, doi:10.2118/20989-PA"},
    {"Farshad et al.", 1996, "", "Farshad",
     "F. Farshad, J.L. LeBlanc, J.D. Garber, J.G. Osorio, \"Empirical PVT Correlations for Colombian Crude Oils\", "
     "SPE 36105 (1996), doi:10.2118/36105-MS"},
    {"Obomanu and Okpobiri", 1987, "", "Obomanu-Okpobiri",
     "D.A. Obomanu, G.A. Okpobiri, \"Correlating the PVT Properties of Nigerian Crudes\", J. Energy Resour. "
     "Technol. 109(4) (1987) 214-217, doi:10.1115/1.3231349"},
    {"Kartoatmodjo and Schmidt", 1994, "", "Kartoatmodjo-Schmidt",
     "T. Kartoatmodjo, Z. Schmidt, \"Large Data Bank Improves Crude Physical Property Correlations\", Oil & Gas "
     "Journal 92(27) (1994) 51-55"},
    {"Vazquez and Beggs", 1980, "oil compressibility", "Vazquez-Beggs-co", kVazquezBeggs1980},
    {"Petrosky and Farshad", 1993, "oil compressibility", "Petrosky-Farshad-co", kPetroskyFarshad1993},
    {"Beal", 1946, "dead-oil viscosity", "Beal-dead-oil", kBeal1946},
    {"Chew and Connally", 1959, "", "Chew-Connally",
     "J.N. Chew, C.A. Connally, \"A Viscosity Correlation for Gas-Saturated Crude Oils\", Trans. AIME 216 (1959) "
     "23-25, doi:10.2118/1092-G"},
    {"Beal", 1946, "undersaturated oil viscosity", "Beal-undersaturated", kBeal1946},
    {"Hall and Yarborough", 1973, "", "Hall-Yarborough",
     "K.R. Hall, L. Yarborough, \"A New Equation of State for Z-factor Calculations\", Oil & Gas J. 71(25) (1973) "
     "82-92"},
    {"Lee, Gonzalez and Eakin", 1966, "", "Lee-Gonzalez-Eakin",
     "A.L. Lee, M.H. Gonzalez, B.E. Eakin, \"The Viscosity of Natural Gases\", JPT 18(8) (1966) 997-1000, "
     "doi:10.2118/1340-PA"},
    {"Culberson and McKetta", 1951, "", "Culberson-McKetta",
     "O.L. Culberson, J.J. McKetta, \"Phase Equilibria in Hydrocarbon-Water Systems III - The Solubility of Methane "
     "in Water at Pressures to 10,000 psia\", Trans. AIME 192 (1951) 223-226, doi:10.2118/951223-G"},
    {"Numbere, Brigham and Standing", 1977, "", "Numbere-Brigham-Standing",
     "C.R. Numbere, W.E. Brigham, M.B. Standing, \"Correlations for Physical Properties of Petroleum Reservoir "
     "Brines\", Stanford Univ. Petroleum Research Institute (1977)"},
    {"Kestin, Khalifa and Correia", 1981, "water viscosity", "Kestin-Khalifa-Correia",
     "J. Kestin, H.E. Khalifa, R.J. Correia, \"Tables of the Dynamic and Kinematic Viscosity of Aqueous NaCl "
     "Solutions in the Temperature Range 20-150 °C and the Pressure Range 0.1-35 MPa\", J. Phys. Chem. Ref. Data "
     "10(1) (1981) 71-87, doi:10.1063/1.555641; pure water: J. Kestin, M. Sokolov, W.A. Wakeham, \"Viscosity of "
     "Liquid Water in the Range -8 °C to 150 °C\", J. Phys. Chem. Ref. Data 7(3) (1978) 941-948, "
     "doi:10.1063/1.555581"},
    {"Meehan", 1980, "water compressibility", "Meehan-compressibility",
     "D.N. Meehan, \"A Correlation for Water Compressibility\", Petroleum Engineer (Nov. 1980) 125-126"},
    {"Hall", 1953, "", "Hall",
     "H.N. Hall, \"Compressibility of Reservoir Rocks\", Trans. AIME 198 (1953) 309-311, doi:10.2118/953309-G"},
    {"Van der Knaap", 1959, "", "Van-der-Knaap",
     "W. van der Knaap, \"Nonlinear Behavior of Elastic Porous Media\", Trans. AIME 216 (1959) 179-187, "
     "doi:10.2118/1140-G"},
    {"Newman", 1973, "", "Newman",
     "G.H. Newman, \"Pore-Volume Compressibility of Consolidated, Friable, and Unconsolidated Reservoir Rocks Under "
     "Hydrostatic Loading\", JPT 25(2) (1973) 129-134, doi:10.2118/3835-PA"},
    {"Yale et al.", 1993, "", "Yale",
     "D.P. Yale, G.W. Nabor, J.A. Russell, H.D. Pham, M. Yousaf, \"Application of Variable Formation "
     "Compressibility for Improved Reservoir Analysis\", SPE 26647 (1993), doi:10.2118/26647-MS"},
    {"Wichert and Aziz", 1972, "", "Wichert-Aziz",
     "E. Wichert, K. Aziz, \"Calculate Z's for Sour Gases\", Hydrocarbon Processing 51(5) (1972) 119-122"},
    {"Carr, Kobayashi and Burrows", 1954, "nitrogen pseudo-critical adjustment", "Carr-Kobayashi-Burrows-N2",
     kCarrKobayashiBurrows1954},
    {"Carr, Kobayashi and Burrows", 1954, "gas viscosity corrections", "Carr-Kobayashi-Burrows-viscosity",
     kCarrKobayashiBurrows1954},
}};

// The ranges, grouped by correlation in enum order. Of the papers only the first page of
// Kestin, Khalifa and Correia's was at hand (rows marked kPaper); a row marked kCompilation
// agrees with a published compilation of the correlations' development ranges that cites
// the paper. Where a compilation disagrees, the row keeps the figure the program has
// documented and says what the compilation gives.
constexpr auto kRanges = std::to_array<ValidityRange>({
    // Standing (1947): 105 bubble points of 22 California crude-gas systems. Bo: the
    // compilations' range of the measured Bo at the bubble point.
    {C::Standing, ApiGravity, {16.5, 63.8}, kCompilation},
    {C::Standing, GasGravity, {0.59, 0.95}, kCompilation},
    {C::Standing, Temperature, {100, 258}, kCompilation},
    {C::Standing, BubblePoint, {130, 7000}, kCompilation},
    {C::Standing, GorAtBubblePoint, {20, 1425}, kCompilation},
    {C::Standing, Bo, {1.024, 2.15}, kCompilation},
    // Vazquez and Beggs (1980): about 6000 measurements of 600 crudes. A compilation gives
    // other figures (API 15.3-59.3, gas gravity 0.511-1.35, 75-294 °F, pb 15-6055 psia,
    // Rsb 0-2199 SCF/STB), apparently of the whole data bank; not confirmed either way.
    {C::VazquezBeggs, ApiGravity, {16, 58}, kNotConfirmed},
    {C::VazquezBeggs, GasGravity, {0.56, 1.18}, kNotConfirmed},
    {C::VazquezBeggs, Temperature, {70, 295}, kNotConfirmed},
    {C::VazquezBeggs, BubblePoint, {50, 5250}, kNotConfirmed},
    {C::VazquezBeggs, GorAtBubblePoint, {20, 2070}, kNotConfirmed},
    // Glaso (1980): 45 oil samples, 26 of them from the North Sea. Gas gravity to 1.276 (the
    // program documented 1.28). The bubble points, 150-7127 psig in the compilations, are
    // 165-7142 psia.
    {C::Glaso, ApiGravity, {22.3, 48.1}, kCompilation},
    {C::Glaso, GasGravity, {0.65, 1.276}, kCompilation},
    {C::Glaso, Temperature, {80, 280}, kCompilation},
    {C::Glaso, BubblePoint, {165, 7142}, kNotConfirmed},
    {C::Glaso, GorAtBubblePoint, {90, 2637}, kCompilation},
    {C::Glaso, Bo, {1.087, 2.588}, kCompilation},
    // Al-Marhoun (1988): 160 bubble points of 69 Middle East crudes.
    {C::AlMarhoun, ApiGravity, {19.4, 44.6}, kCompilation},
    {C::AlMarhoun, GasGravity, {0.752, 1.367}, kCompilation},
    {C::AlMarhoun, Temperature, {74, 240}, kCompilation},
    {C::AlMarhoun, BubblePoint, {130, 3573}, kCompilation},
    {C::AlMarhoun, GorAtBubblePoint, {26, 1602}, kCompilation},
    {C::AlMarhoun, Bo, {1.032, 1.997}, kCompilation},
    // Petrosky and Farshad (1993): 81 laboratory analyses of Gulf of Mexico crudes.
    {C::PetroskyFarshad, ApiGravity, {16.3, 45}, kCompilation},
    {C::PetroskyFarshad, GasGravity, {0.5781, 0.8519}, kCompilation},
    {C::PetroskyFarshad, Temperature, {114, 288}, kCompilation},
    {C::PetroskyFarshad, BubblePoint, {1574, 6523}, kCompilation},
    {C::PetroskyFarshad, GorAtBubblePoint, {217, 1406}, kCompilation},
    {C::PetroskyFarshad, Bo, {1.1178, 1.6229}, kCompilation},
    // Dokla and Osman (1992): 51 bottom-hole samples of U.A.E. reservoirs; the API range is
    // the oil specific gravity 0.8236-0.886.
    {C::DoklaOsman, ApiGravity, {28.2, 40.3}, kCompilation},
    {C::DoklaOsman, GasGravity, {0.798, 1.29}, kCompilation},
    {C::DoklaOsman, Temperature, {190, 275}, kCompilation},
    {C::DoklaOsman, BubblePoint, {590, 4640}, kCompilation},
    {C::DoklaOsman, GorAtBubblePoint, {181, 2266}, kCompilation},
    {C::DoklaOsman, Bo, {1.216, 2.493}, kCompilation},
    // Farshad et al. (1996): 98 Colombian crudes; the API range joins the single-stage
    // (18-44.9), two-stage (14.3-29.0) and three-stage (40.3-44.1) separator data.
    {C::Farshad, ApiGravity, {14.3, 44.9}, kNotConfirmed},
    {C::Farshad, GasGravity, {0.66, 1.73}, kNotConfirmed},
    {C::Farshad, Temperature, {95, 260}, kNotConfirmed},
    {C::Farshad, BubblePoint, {32, 4138}, kNotConfirmed},
    {C::Farshad, GorAtBubblePoint, {6, 1645}, kNotConfirmed},
    // Obomanu and Okpobiri (1987): the ranges of the fit are not stated in what could be
    // consulted.
    // Kartoatmodjo and Schmidt (1994): 5392 data sets from 740 crudes. A compilation gives
    // gas gravity 0.4824-1.668, which looks like the separator-corrected gravity; the
    // program uses the gravity as entered.
    {C::KartoatmodjoSchmidt, ApiGravity, {14.4, 58.95}, kCompilation},
    {C::KartoatmodjoSchmidt, GasGravity, {0.379, 1.709}, kNotConfirmed},
    {C::KartoatmodjoSchmidt, Temperature, {75, 320}, kCompilation},
    {C::KartoatmodjoSchmidt, BubblePoint, {14.7, 6054.7}, kCompilation},
    {C::KartoatmodjoSchmidt, GorAtBubblePoint, {0, 2890}, kCompilation},
    {C::KartoatmodjoSchmidt, Bo, {1.007, 2.144}, kCompilation},
    // Vazquez and Beggs' oil compressibility: 4036 points. The compilation gives the
    // pressures as 141-9515 psia, as if the paper's 126-9500 were psig.
    {C::VazquezBeggsCompressibility, ApiGravity, {15.3, 59.5}, kCompilation},
    {C::VazquezBeggsCompressibility, GasGravity, {0.511, 1.351}, kCompilation},
    {C::VazquezBeggsCompressibility, Temperature, {74, 320}, kNotConfirmed},
    {C::VazquezBeggsCompressibility, Pressure, {126, 9500}, kNotConfirmed},
    {C::VazquezBeggsCompressibility, GorAtBubblePoint, {9.3, 2199}, kCompilation},
    // Petrosky and Farshad's oil compressibility: 304 points of the same crudes, whose
    // other ranges the family's rows hold.
    {C::PetroskyFarshadCompressibility, Pressure, {1700, 10692}, kCompilation},
    // Beal's dead-oil chart as fitted by Standing. A compilation gives API 10.1-52.5 and
    // 100-220 °F.
    {C::BealDeadOilViscosity, ApiGravity, {10, 52}, kNotConfirmed},
    {C::BealDeadOilViscosity, Temperature, {98, 250}, kNotConfirmed},
    // Chew and Connally: 457 crude oil samples. Their chart reaches 1600 SCF/STB.
    {C::ChewConnallyViscosity, SolutionGor, {51, 3544}, kNotConfirmed},
    {C::ChewConnallyViscosity, Pressure, {132, 5645}, kNotConfirmed},
    {C::ChewConnallyViscosity, Temperature, {72, 292}, kNotConfirmed},
    // Beal's undersaturated chart: 52 observations on 26 crudes at 1500-5500 psig.
    {C::BealUndersaturatedViscosity, Pressure, {1514.7, 5514.7}, kCompilation},
    // Hall and Yarborough: the Standing-Katz chart they fitted. A compilation gives
    // 1.2 <= Tpr <= 3 and 0.1 <= Ppr <= 24 as ranges of good agreement.
    {C::HallYarborough, ReducedTemperature, {1, 3}, kNotConfirmed},
    {C::HallYarborough, ReducedPressure, {0, 20.5}, kNotConfirmed},
    // Lee, Gonzalez and Eakin: four natural gases. The gas gravities of the four are not
    // stated in what could be consulted.
    {C::LeeGonzalezEakin, Temperature, {100, 340}, kCompilation},
    {C::LeeGonzalezEakin, Pressure, {100, 8000}, kCompilation},
    // Gas solubility, Bw and cw are the program's own fits of these forms, all to one data
    // set: 80-250 °F, 1000-10,000 psia, 0-25 % NaCl. Kestin, Khalifa and Correia's water
    // viscosity: 20-150 °C, 0.1-35 MPa and 0-6 mol NaCl per kg of water, as the paper's
    // abstract states them (read in a copy of the paper's first page; the body of the paper
    // was not at hand). 0.1 and 35 MPa are 14.5038 and 5076.32 psia, 6 mol/kg 25.962 % NaCl.
    {C::WaterSolutionGas, Temperature, {80, 250}, kNotConfirmed},
    {C::WaterSolutionGas, Pressure, {1000, 10000}, kNotConfirmed},
    {C::WaterSolutionGas, Salinity, {0, 25}, kNotConfirmed},
    {C::WaterFvf, Temperature, {80, 250}, kNotConfirmed},
    {C::WaterFvf, Pressure, {1000, 10000}, kNotConfirmed},
    {C::WaterFvf, Salinity, {0, 25}, kNotConfirmed},
    {C::WaterViscosity, Temperature, {68, 302}, kPaper},
    {C::WaterViscosity, Pressure, {0.1e6 / units::kPascalsPerPsi, 35e6 / units::kPascalsPerPsi}, kPaper},
    {C::WaterViscosity, Salinity, {0, 100 * 6 * units::kNaClMolarMass / (1000 + 6 * units::kNaClMolarMass)}, kPaper},
    {C::WaterCompressibility, Temperature, {80, 250}, kNotConfirmed},
    {C::WaterCompressibility, Pressure, {1000, 10000}, kNotConfirmed},
    {C::WaterCompressibility, Salinity, {0, 25}, kNotConfirmed},
    // Rock: consolidated sandstones and limestones (Hall), limestones (Van der Knaap),
    // consolidated, friable and unconsolidated rocks (Newman). Yale et al.'s stress range
    // is not stated in what could be consulted.
    {C::HallRock, Porosity, {2, 25}, kNotConfirmed},
    {C::VanDerKnaap, Porosity, {2, 23}, kNotConfirmed},
    {C::Newman, Porosity, {2, 42}, kNotConfirmed},
    // Wichert and Aziz: the acid-gas contents and the conditions of the sour-gas z-factors
    // they fitted (a compilation that cites the paper gives the same figures).
    {C::WichertAziz, Temperature, {40, 300}, kCompilation},
    {C::WichertAziz, Pressure, {154, 7026}, kCompilation},
    {C::WichertAziz, Co2, {0, 54.4}, kCompilation},
    {C::WichertAziz, H2s, {0, 73.8}, kCompilation},
    // Carr, Kobayashi and Burrows: their charts of the corrections reach 15 mol % of each
    // impurity.
    {C::CarrKobayashiBurrowsNitrogen, N2, {0, 15}, kNotConfirmed},
    {C::CarrKobayashiBurrowsViscosity, Co2, {0, 15}, kNotConfirmed},
    {C::CarrKobayashiBurrowsViscosity, H2s, {0, 15}, kNotConfirmed},
    {C::CarrKobayashiBurrowsViscosity, N2, {0, 15}, kNotConfirmed},
});

struct Span {
  std::size_t begin = 0, count = 0;
};

constexpr std::array<Span, kCorrelationCount> Index() {
  std::array<Span, kCorrelationCount> index{};
  for (std::size_t i = 0; i < kRanges.size(); ++i) {
    Span& span = index[static_cast<std::size_t>(kRanges[i].correlation)];
    if (span.count == 0) span.begin = i;
    ++span.count;
  }
  return index;
}
constexpr auto kIndex = Index();

constexpr bool Grouped() {
  for (std::size_t i = 1; i < kRanges.size(); ++i) {
    if (kRanges[i].correlation < kRanges[i - 1].correlation) return false;
  }
  return true;
}
static_assert(Grouped(), "the rows of a correlation lie together, in Correlation order");

}  // namespace

std::string_view InterfaceUnit(RangedQuantity quantity) { return kUnits[static_cast<std::size_t>(quantity)]; }

const CorrelationSource& SourceOf(Correlation correlation) { return kSources[static_cast<std::size_t>(correlation)]; }

std::span<const ValidityRange> ValidityRanges() { return kRanges; }

std::span<const ValidityRange> RangesOf(Correlation correlation) {
  const Span span = kIndex[static_cast<std::size_t>(correlation)];
  return std::span<const ValidityRange>(kRanges).subspan(span.begin, span.count);
}

}  // namespace tarnvik
