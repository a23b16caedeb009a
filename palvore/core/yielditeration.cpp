#include "palvore/core/yielditeration.h"

#include <algorithm>
#include <cmath>

#include "palvore/core/analysis.h"
#include "palvore/core/globals.h"

namespace palvore {

namespace {

double Sign(double v) { return v >= 0 ? 1.0 : -1.0; }

// Solves a system of the iteration; false when it is singular or the solution is not finite.
bool SolvePass(BandMatrix& a, Vector& b, int nodes, bool halfSpace) {
  std::string message;
  if (halfSpace) beamkernel::CondensedSolve(a, a.Rows(), nodes, b, message);
  else beamkernel::BandSolve(a, a.Rows(), b, message, a.Width(), 3);
  if (message == beamkernel::kSingularMessage) return false;
  for (int i = 1; i <= a.Rows(); ++i)
    if (!std::isfinite(b[i])) return false;
  return true;
}

// Half-space: a node whose pressure reaches the yield stress carries exactly +-fy from then on;
// its translation is loosed from the soil, which takes the yield force at a border unknown of
// its own (the soil surface under the node).
int HalfSpaceYieldIteration(PileModel& m) {
  const int nS = m.nodes - m.above, first = m.above + 1;
  const double fy = m.yieldStress;
  const int limit = beamkernel::YieldPassLimit(nS);
  std::vector<int> status(nS + 1, 0);
  Vector yieldPressure(nS + 1, 0.0);
  int passes = 0;
  for (;;) {
    std::fill(status.begin(), status.end(), 0);
    std::fill(yieldPressure.begin(), yieldPressure.end(), 0.0);
    int yielded = 0;
    for (int k = 1; k <= nS; ++k) {
      const double p = m.pressures[m.above + k];
      if (std::fabs(p) - fy >= 0) {
        status[k] = 1;
        yieldPressure[k] = Sign(p) * fy;
        ++yielded;
      }
    }
    if (yielded == 0 && passes == 0) break;  // nothing yields: the elastic solution stands
    if (passes >= limit) return kStopIterationUnstable;
    // A pass without yielded nodes (every one was released) solves the elastic system again, so
    // that the iteration never ends on the solution of a contact state it has left.
    SoilMatrix soil(nS + yielded, nS + yielded);
    beamkernel::CopySoilMatrix(m.soil, soil, nS, nS);
    beamkernel::BorderYieldedNodes(soil, status, nS);
    BandMatrix a = BuildSystem(m, soil, yielded);
    Vector u(2 * m.nodes + yielded + 1, 0.0);
    for (int r = 1; r <= 2 * m.nodes; ++r) u[r] = m.keptLoad[r];
    for (int k = 1, b = 0; k <= nS; ++k) {
      if (status[k] != 1) continue;
      const int i = m.above + k;
      const double force = -yieldPressure[k] * m.area[i];  // the soil holds the pile back by fy A
      u[2 * i - 1] += force;
      u[2 * m.nodes + ++b] = -force;  // and takes fy A at its surface
    }
    ClearImposedLoads(m, u);
    if (!SolvePass(a, u, m.nodes, true)) return kStopSystemUnstable;
    Vector full(yieldPressure.size() + m.above, 0.0);
    for (int k = 1; k <= nS; ++k) full[m.above + k] = yieldPressure[k];
    std::vector<int> nodeStatus(m.nodes + 1, 0);
    for (int k = 1; k <= nS; ++k) nodeStatus[m.above + k] = status[k];
    HalfSpacePressures(m, soil, u, nodeStatus, full);
    m.u.assign(u.begin(), u.begin() + 2 * m.nodes + 1);
    int elastic = 0;
    bool repeat = false;
    for (int i = first; i <= m.nodes - 1; ++i) {
      const double p = m.pressures[i];
      if (std::fabs(std::fabs(p) - fy) / fy >= 0.001) ++elastic;
      if (std::fabs(p) - fy >= 0.001) repeat = true;
    }
    m.yieldPasses = ++passes;
    m.yieldStatus = nodeStatus;
    if (elastic <= 2 && !m.otherwiseSupported) return kStopSystemUnstable;
    bool halved = false;
    if (!repeat) {
      // Release: where the soil surface under a yielded node lies beyond the pile on the side of
      // its yield pressure, the pile has left the soil there; the node lets go of half its yield
      // pressure and the detection starts again.
      for (int k = 1, b = 0; k <= nS; ++k) {
        if (status[k] != 1) continue;
        const int i = m.above + k;
        const double pile = m.u[2 * i - 1], surface = u[2 * m.nodes + ++b];
        if ((yieldPressure[k] > 0 && surface > pile) || (yieldPressure[k] <= 0 && surface < pile)) {
          m.pressures[i] = yieldPressure[k] / 2;
          halved = true;
        }
      }
    }
    if (!halved && !repeat) break;
  }
  return kSolverDone;
}

// Winkler soil: each element half yields on its own; a yielded half carries the stepwise load of
// its yield stress and stays yielded.
int WinklerYieldIteration(PileModel& m) {
  const int elements = m.elements;
  std::vector<int> half(2 * elements + 1, 0);
  int passes = 0;
  for (;;) {
    std::fill(half.begin(), half.end(), 0);
    SoilMatrix soil(m.nodes, 2);
    Vector u = m.keptLoad;
    EndForceTable fixedEnd = m.keptFixedEnd;
    int elasticHalves = 0;
    bool yielded = false;
    for (int e = m.above + 1; e <= elements; ++e) {
      for (int end = 0; end < 2; ++end) {
        const int at = 2 * e - 1 + end;
        const double f = m.moduli(e, 3 + end), p = m.pressures[at];
        if (!(f > 0) || std::fabs(p) - f < 0) {
          beamkernel::WinklerSoilMatrix(end + 1, soil, e, m.length[e], m.soilWidth[e], m.moduli(e, 1), m.moduli(e, 2));
          ++elasticHalves;
          continue;
        }
        half[at] = 1;
        yielded = true;
        const double q = -Sign(p) * f * m.soilWidth[e];  // the yielded soil holds the half back by f W
        beamkernel::YieldForceTerms(e, m.length[e], end == 0 ? q : 0.0, end == 0 ? 0.0 : q, fixedEnd, u, kRotationSign);
        m.pressures[at] = Sign(p) * f;
      }
    }
    // Before any solution, also when nothing yields: too few elastic halves cannot hold the pile.
    if (elasticHalves <= 2 && !m.otherwiseSupported) return kStopSystemUnstable;
    if (!yielded) break;
    BandMatrix a = BuildSystem(m, soil, 0);
    ClearImposedLoads(m, u);
    if (!SolvePass(a, u, m.nodes, false)) return kStopSystemUnstable;
    m.u = u;
    m.fixedEnd = fixedEnd;
    int elastic = 0;
    bool repeat = false;
    for (int e = m.above + 1; e <= elements; ++e) {
      for (int end = 0; end < 2; ++end) {
        const int at = 2 * e - 1 + end;
        if (half[at] == 1) continue;
        const double f = m.moduli(e, 3 + end);
        const double p = m.moduli(e, 1 + end) * u[2 * (e + end) - 1];
        m.pressures[at] = p;
        // Without a yield stress a half is in elastic contact while it has any pressure.
        if (f > 0 ? std::fabs(std::fabs(p) - f) / f >= 0.001 : p != 0) ++elastic;
        if (f > 0 && std::fabs(p) - f >= 0) repeat = true;
      }
    }
    m.yieldPasses = ++passes;
    if (elastic <= 2 && !m.otherwiseSupported) return kStopSystemUnstable;
    if (!repeat) break;
  }
  m.yieldStatus = half;
  if (passes >= 1) {
    double total = 0;
    beamkernel::ElementResults(m.u, half, m.soilEnd, elements, m.length, m.soilWidth, m.moduli, m.pressures, total);
    m.pressures[2 * m.nodes] = total;
  }
  return kSolverDone;
}

}  // namespace

int YieldIteration(PileModel& m) {
  m.yieldPasses = 0;
  if (m.soilKind == HalfSpaceSoil) return HalfSpaceYieldIteration(m);
  if (m.soilKind == WinklerSoil) return WinklerYieldIteration(m);
  return kSolverDone;
}

}  // namespace palvore
