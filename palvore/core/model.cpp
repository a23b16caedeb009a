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


void HalfSpacePressures(PileModel& m, const SoilMatrix& soil, const Vector& u, const std::vector<int>& status,
                        const Vector& yieldPressure) {
  const int nS = m.nodes - m.above, size = soil.Rows();
  std::vector<long double> v(size + 1, 0.0L);
  for (int k = 1; k <= size; ++k) v[k] = k <= nS ? u[2 * (m.above + k) - 1] : u[2 * m.nodes + k - nS];
  m.pressures.assign(m.nodes + 2, 0.0);
  long double total = 0;
  for (int r = 1; r <= size; ++r) {
    long double force = 0;
    for (int k = 1; k <= size; ++k) force += soil(r, k) * v[k];
    total += force;
    if (r > nS) continue;
    const int i = m.above + r;
    m.pressures[i] = m.area[i] > 0 ? static_cast<double>(force / m.area[i]) : 0.0;
  }
  m.pressures[m.nodes + 1] = static_cast<double>(total);
  for (int i = m.above + 1; i <= m.nodes; ++i)
    if (static_cast<size_t>(i) < status.size() && status[i] == 1) m.pressures[i] = yieldPressure[i];
  m.soilEnd.Resize(m.elements);
  for (int e = m.above + 1; e <= m.elements; ++e) {
    const double part = m.length[e] * m.soilWidth[e] / 2;
    m.soilEnd.atI[e] = m.pressures[e] * part;
    m.soilEnd.atJ[e] = m.pressures[e + 1] * part;
  }
}

}  // namespace palvore
