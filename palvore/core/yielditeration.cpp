#include "palvore/core/yielditeration.h"

#include "palvore/core/analysis.h"
#include "palvore/core/globals.h"

namespace palvore {

namespace {

// Half-space: the embedded nodes are the contact nodes; a yielded node's force is its yield
// pressure over its tributary area of the embedded elements (SoilAreas).
int HalfSpaceYieldIteration(PileModel& m) {
  return beamkernel::HalfSpaceYieldIterationOf(m, Structure(m), m.above + 1, SoilAreas(m), &m.surface);
}

// Winkler soil: each half of an embedded element yields on its own.
int WinklerYieldIteration(PileModel& m) {
  return beamkernel::WinklerYieldIterationOf(m, Structure(m), m.above + 1, m.soilWidth, m.moduli, kRotationSign);
}

}  // namespace

int YieldIteration(PileModel& m) {
  m.yieldPasses = 0;
  if (m.soilKind == HalfSpaceSoil) return HalfSpaceYieldIteration(m);
  if (m.soilKind == WinklerSoil) return WinklerYieldIteration(m);
  return kSolverDone;
}

}  // namespace palvore
