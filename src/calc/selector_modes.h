// What the fifth and eighth inputs mean: the GOR at the bubble point or the bubble-point
// pressure, and the water salinity or the water specific gravity.
#pragma once

namespace tarnvik {

enum class GorSelectorMode { Gor, BubblePoint };
enum class WaterSelectorMode { Salinity, SpecificGravity };

}  // namespace tarnvik
