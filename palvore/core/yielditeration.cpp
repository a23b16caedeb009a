#include "palvore/core/yielditeration.h"

#include <utility>

#include "palvore/core/analysis.h"
#include "palvore/core/globals.h"

namespace palvore {

namespace {

// Half-space: the embedded nodes are the contact nodes; a yielded node's force is its yield
// pressure over its tributary area of the embedded elements.
int HalfSpaceYieldIteration(PileModel& m) {
  beamkernel::HalfSpaceContact c;
  c.structure = Structure(m);
  c.first = m.above + 1;
  c.count = m.nodes - m.above;
  c.soil = &m.soil;
  c.part.assign(m.nodes + 1, 0.0);
  for (int e = m.above + 1; e <= m.elements; ++e) c.part[e] = m.length[e] * m.soilWidth[e] / 2;
  c.yieldStress = m.yieldStress;
  c.otherwiseSupported = m.otherwiseSupported;
  c.keptLoad = &m.keptLoad;
  beamkernel::ContactState state{m.u, m.pressures, m.soilEnd, m.fixedEnd, m.yieldPasses, m.yieldStatus, nullptr};
  return beamkernel::StopCodeOf(beamkernel::HalfSpaceYieldIteration(c, m.system, state));
}

// Winkler soil: each half of an embedded element yields on its own.
int WinklerYieldIteration(PileModel& m) {
  beamkernel::WinklerContact c;
  c.structure = Structure(m);
  c.first = m.above + 1;
  c.elements = m.elements;
  c.length = &m.length;
  c.width = m.soilWidth;
  c.moduli = &m.moduli;
  c.rotationSign = kRotationSign;
  c.otherwiseSupported = m.otherwiseSupported;
  c.keptLoad = &m.keptLoad;
  c.keptFixedEnd = &m.keptFixedEnd;
  beamkernel::ContactState state{m.u, m.pressures, m.soilEnd, m.fixedEnd, m.yieldPasses, m.yieldStatus, nullptr};
  return beamkernel::StopCodeOf(beamkernel::WinklerYieldIteration(c, m.system, state));
}

}  // namespace

int YieldIteration(PileModel& m) {
  m.yieldPasses = 0;
  if (m.soilKind == HalfSpaceSoil) return HalfSpaceYieldIteration(m);
  if (m.soilKind == WinklerSoil) return WinklerYieldIteration(m);
  return kSolverDone;
}

}  // namespace palvore
