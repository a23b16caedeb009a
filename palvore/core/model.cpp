#include "palvore/core/model.h"

#include <algorithm>

#include "palvore/core/globals.h"

namespace palvore {

BandMatrix BuildSystem(const PileModel& m, const SoilMatrix& soil, int* effectiveSprings) {
  BandMatrix a = m.elementMatrix;
  if (m.soilKind == WinklerSoil) beamkernel::AddSoilMatrixFull(a, m.nodes, soil);
  int springs = 0;
  beamkernel::AddNodalSprings(a, springs, Supports.springs, m.nodes);
  if (effectiveSprings) *effectiveSprings = springs;
  beamkernel::ImposeNodeSupports(a, m.supportNodes, m.bandWidth);
  beamkernel::ImposeSupports(a, m.fixedFreedoms, m.bandWidth);
  return a;
}

void ClearImposedLoads(const PileModel& m, Vector& load) {
  for (int k : m.supportNodes) load[2 * k - 1] = 0.0;
  for (int r : m.fixedFreedoms) load[r] = 0.0;
}

void AddWinklerSoil(const PileModel& m, SoilMatrix& soil) {
  for (int e = m.above + 1; e <= m.elements; ++e)
    for (int half = 1; half <= 2; ++half)
      beamkernel::WinklerSoilMatrix(half, soil, e, m.length[e], m.soilWidth[e], m.moduli.Get(e, 1), m.moduli.Get(e, 2));
}

}  // namespace palvore
