#include "correlations/oil/oil_family.h"

#include <array>

#include "correlations/oil/al_marhoun.h"
#include "correlations/oil/dokla_osman.h"
#include "correlations/oil/farshad.h"
#include "correlations/oil/glaso.h"
#include "correlations/oil/kartoatmodjo_schmidt.h"
#include "correlations/oil/obomanu_okpobiri.h"
#include "correlations/oil/petrosky_farshad.h"
#include "correlations/oil/standing.h"
#include "correlations/oil/vazquez_beggs.h"

namespace tarnvik {
namespace {

constexpr DataRange kUnknown{};

// Ranges as the papers report them (see each family's header).
constexpr std::array<OilFamily, kOilCorrelationCount> kFamilies = {{
    {StandingSolutionGas,
     StandingBubblePoint,
     StandingOilFvf,
     VazquezBeggsUndersaturatedCompressibility,
     {{130, 7000}, {100, 258}, {16.5, 63.8}, {0.59, 0.95}, {20, 1425}},
     "Standing (1947)"},
    {VazquezBeggsSolutionGas,
     VazquezBeggsBubblePoint,
     VazquezBeggsOilFvf,
     VazquezBeggsUndersaturatedCompressibility,
     {{50, 5250}, {70, 295}, {16, 58}, {0.56, 1.18}, {20, 2070}},
     "Vazquez and Beggs (1980)"},
    {GlasoSolutionGas,
     GlasoBubblePoint,
     GlasoOilFvf,
     VazquezBeggsUndersaturatedCompressibility,
     {{165, 7142}, {80, 280}, {22.3, 48.1}, {0.65, 1.28}, {90, 2637}},
     "Glaso (1980)"},
    {AlMarhounSolutionGas,
     AlMarhounBubblePoint,
     AlMarhounOilFvf,
     VazquezBeggsUndersaturatedCompressibility,
     {{130, 3573}, {74, 240}, {19.4, 44.6}, {0.752, 1.367}, {26, 1602}},
     "Al-Marhoun (1988)"},
    {PetroskyFarshadSolutionGas,
     PetroskyFarshadBubblePoint,
     PetroskyFarshadOilFvf,
     PetroskyFarshadUndersaturatedCompressibility,
     {{1574, 6523}, {114, 288}, {16.3, 45}, {0.5781, 0.8519}, {217, 1406}},
     "Petrosky and Farshad (1993)"},
    {DoklaOsmanSolutionGas,
     DoklaOsmanBubblePoint,
     DoklaOsmanOilFvf,
     VazquezBeggsUndersaturatedCompressibility,
     {{590, 4640}, {190, 275}, {28.2, 40.3}, {0.798, 1.29}, {181, 2266}},
     "Dokla and Osman (1992)"},
    {FarshadSolutionGas,
     FarshadBubblePoint,
     FarshadOilFvf,
     VazquezBeggsUndersaturatedCompressibility,
     {{32, 4138}, {95, 260}, {14.3, 44.9}, {0.66, 1.73}, {6, 1645}},
     "Farshad, LeBlanc, Garber and Osorio (1996)"},
    {ObomanuOkpobiriSolutionGas,
     ObomanuOkpobiriBubblePoint,
     ObomanuOkpobiriOilFvf,
     VazquezBeggsUndersaturatedCompressibility,
     {kUnknown, kUnknown, kUnknown, kUnknown, kUnknown},
     "Obomanu and Okpobiri (1987)"},
    {KartoatmodjoSchmidtSolutionGas,
     KartoatmodjoSchmidtBubblePoint,
     KartoatmodjoSchmidtOilFvf,
     VazquezBeggsUndersaturatedCompressibility,
     {{14.7, 6054.7}, {75, 320}, {14.4, 58.95}, {0.379, 1.709}, {0, 2890}},
     "Kartoatmodjo and Schmidt (1994)"},
}};

}  // namespace

const OilFamily& OilFamilyOf(OilCorrelation family) {
  return kFamilies[static_cast<std::size_t>(EffectiveOilCorrelation(family))];
}

}  // namespace tarnvik
