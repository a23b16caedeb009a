#include "palvore/core/model.h"

#include <algorithm>

#include "palvore/core/globals.h"

namespace palvore {

beamkernel::BeamStructure Structure(const PileModel& m) {
  beamkernel::BeamStructure s;
  s.nodes = m.nodes;
  s.elements = &m.elementMatrix;
  s.springs = &Supports.springs;
  s.fixedFreedoms = &m.fixedFreedoms;
  s.supportNodes = &m.supportNodes;
  return s;
}

void AddWinklerSoil(const PileModel& m, SoilMatrix& soil) {
  for (int e = m.above + 1; e <= m.elements; ++e)
    for (int half = 1; half <= 2; ++half)
      beamkernel::WinklerSoilMatrix(half, soil, e, m.length[e], m.soilWidth[e], m.moduli.Get(e, 1), m.moduli.Get(e, 2));
}

Vector SoilAreas(const PileModel& m) {
  Vector part(m.nodes + 1, 0.0);
  for (int e = m.above + 1; e <= m.elements; ++e) part[e] = m.length[e] * m.soilWidth[e] / 2;
  return part;
}

}  // namespace palvore
