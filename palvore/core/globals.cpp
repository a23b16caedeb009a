#include "palvore/core/globals.h"

namespace palvore {

PileGeometry Geometry;
PileSupports Supports;
PileLoads Loads;
std::string LoadCaseName;
int YieldAnalysis = 0;

}  // namespace palvore
