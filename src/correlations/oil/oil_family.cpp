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

constexpr std::array<OilFamily, kOilCorrelationCount> kFamilies = {{
    {StandingSolutionGas, StandingBubblePoint, StandingOilFvf, VazquezBeggsUndersaturatedCompressibility},
    {VazquezBeggsSolutionGas, VazquezBeggsBubblePoint, VazquezBeggsOilFvf, VazquezBeggsUndersaturatedCompressibility},
    {GlasoSolutionGas, GlasoBubblePoint, GlasoOilFvf, VazquezBeggsUndersaturatedCompressibility},
    {AlMarhounSolutionGas, AlMarhounBubblePoint, AlMarhounOilFvf, VazquezBeggsUndersaturatedCompressibility},
    {PetroskyFarshadSolutionGas, PetroskyFarshadBubblePoint, PetroskyFarshadOilFvf,
     PetroskyFarshadUndersaturatedCompressibility},
    {DoklaOsmanSolutionGas, DoklaOsmanBubblePoint, DoklaOsmanOilFvf, VazquezBeggsUndersaturatedCompressibility},
    {FarshadSolutionGas, FarshadBubblePoint, FarshadOilFvf, VazquezBeggsUndersaturatedCompressibility},
    {ObomanuOkpobiriSolutionGas, ObomanuOkpobiriBubblePoint, ObomanuOkpobiriOilFvf,
     VazquezBeggsUndersaturatedCompressibility},
    {KartoatmodjoSchmidtSolutionGas, KartoatmodjoSchmidtBubblePoint, KartoatmodjoSchmidtOilFvf,
     VazquezBeggsUndersaturatedCompressibility},
}};

}  // namespace

const OilFamily& OilFamilyOf(OilCorrelation family) {
  return kFamilies[static_cast<std::size_t>(EffectiveOilCorrelation(family))];
}

}  // namespace tarnvik
