#include "trabix/core/analysis.h"

#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/resultsreport.h"
#include "trabix/core/slots.h"

namespace trabix {

namespace {

const long double kPi = 4 * std::atan(1.0L);

bool IsYes(int item) { return SupportFlags.size() > static_cast<size_t>(item) && Trim(SupportFlags[item]) == "Y"; }

bool Finite(double v) { return std::isfinite(v); }

}  // namespace

namespace {

const SolverStopProfile& StopProfile() {
  static const SolverStopProfile profile{
      {kStopIterationUnstable, kStopLoadTooLarge, kStopBadJobData, kStopBadHalfSpace, kStopReportNotWritten,
       kStopBadSupportData, kStopBadLoadData},
      false,
      {kStopSystemUnstable, kStopLoadTooLarge}};
  return profile;
}

}  // namespace

std::string SolverStopMessage(int code) { return ::SolverStopMessage(code, StopProfile()); }
std::vector<SolverTone> SolverStopTones(int code) { return ::SolverStopTones(code, StopProfile()); }
SolverWarningData SolverWarningFor(int code) { return ::SolverWarningFor(code, StopProfile()); }

int ReadBeamFiles() {
  if (TextLines.size() < 5001) TextLines.resize(5001);
  if (Trim(LoadCaseName).empty()) return kSolverNoJob;
  int count = 0;
  LoadTextLines(GeometryFileName(JobSpec), TextLines, 5000, count);
  int dataLine = count > 0 ? ReadGeometryHeader(TextLines, count) : 0;
  if (dataLine == 0) return kSolverNoJob;
  int present = ReadElementTable(TextLines, count, dataLine);
  if (present < ElementCount() || !DataFileDamage(TextLines, count, GeometryFileForm()).empty()) return kStopBadJobData;

  if (StructureFlags.size() < 6) StructureFlags.resize(6);
  StructureFlags[kSymmetricLoadsSlot].clear();  // the load file says which loads a symmetric half carries
  int nodal = 0, trapezoidal = 0, temperature = 0;
  count = 0;
  LoadTextLines(LoadFileName(JobSpec, LoadCaseName), TextLines, 5000, count);
  if (!DataFileDamage(TextLines, count, LoadFileForm()).empty()) return kStopBadLoadData;
  ReadLoadData(TextLines, count, nodal, trapezoidal, temperature);
  count = 0;
  LoadTextLines(SupportFileName(JobSpec), TextLines, 5000, count);
  if (!DataFileDamage(TextLines, count, SupportFileForm()).empty()) return kStopBadSupportData;
  ReadSupportData(TextLines, count);
  return kSolverDone;
}

int PrepareBeamModel(BeamModel& model) {
  int elements = ElementCount();
  if (elements < 1) return kStopBadJobData;
  BeamModel& m = model;
  m.elements = elements;
  m.nodes = elements + 1;
  m.strip = IsStrip();
  m.symmetric = IsSymmetricHalf();
  m.symmetricLoads = m.symmetric && HasSymmetricLoads();
  m.modulus = GeometryValues[kModulusSlot];
  if (!Finite(m.modulus)) return kStopBadJobData;
  if (m.modulus < 1.0E-7) m.modulus = 1.0E-10;  // given as zero
  m.poisson = m.strip ? GeometryValues[kPoissonSlot] : 0.0;
  m.expansion = GeometryValues[kExpansionSlot];
  if (!(1 - m.poisson * m.poisson > 0) || !Finite(m.expansion)) return kStopBadJobData;
  double stripWidth = GeometryValues[kLengthSlot];
  m.length.assign(elements + 1, 0.0);
  m.width = m.inertia = m.depth = m.length;
  m.x.assign(m.nodes + 1, 0.0);
  for (int e = 1; e <= elements; ++e) {
    double l = ElementTable(e, 1), b, h;
    if (m.strip) {
      h = ElementTable(e, 2);
      b = (m.symmetric ? 40 : 20) * stripWidth;
      m.inertia[e] = h * h * h / (12 * (1 - m.poisson * m.poisson));
    } else {
      b = ElementTable(e, 2);
      h = ElementTable(e, 3);
      m.inertia[e] = b * h * h * h / 12;
    }
    if (!(l > 0 && b > 0 && h > 0) || !Finite(l) || !Finite(b) || !Finite(h)) return kStopBadJobData;
    m.length[e] = l;
    m.width[e] = b;
    m.depth[e] = h;
    m.x[e + 1] = m.x[e] + l;
  }
  return kSolverDone;
}

int FormSoilMatrices(BeamModel& m) {
  const int n = m.nodes;
  m.soilKind = NoSoil;
  if (IsYes(kWinklerSlot)) {
    m.soilKind = WinklerSoil;
    m.soil.Resize(n, 2);
    m.capacity = 0;
    m.capacityKnown = true;
    bool yields = false;
    for (int e = 1; e <= m.elements; ++e) {
      double w = m.strip ? 1.0 : m.width[e];
      double ki = SoilTable(e, 1), kj = SoilTable(e, 2), yi = SoilTable(e, 3), yj = SoilTable(e, 4);
      if (!Finite(ki) || !Finite(kj) || !Finite(yi) || !Finite(yj)) return kStopBadJobData;
      WinklerSoilMatrix(1, m.soil, e, m.length[e], w, ki, kj);
      WinklerSoilMatrix(2, m.soil, e, m.length[e], w, ki, kj);
      m.capacity += m.length[e] * (yi + yj) / 2 * w;
      // An end without a yield stress never yields: the soil there carries any load, so the
      // capacity of the whole foundation is unbounded.
      if (yi <= 0 || yj <= 0) m.capacityKnown = false;
      if (yi > 0.01 || yj > 0.01) yields = true;
    }
    if (!yields) YieldAnalysis = 0;  // no yield stress given: the soil stays elastic
    return m.modulus < 1.0E-7 ? kStopBadJobData : kSolverDone;
  }
  if (!IsYes(kIsotropicHalfSpaceSlot) && !IsYes(kAnisotropicHalfSpaceSlot)) {
    // Only a half-space carries a structure without bending stiffness (node by node); on springs
    // or a Winkler foundation its free ends would turn without limit.
    return m.modulus < 1.0E-7 ? kStopBadJobData : kSolverDone;
  }

  m.soilKind = HalfSpaceSoil;
  if (!HalfSpaceSurfaceModulus(SupportFlags, IsYes(kIsotropicHalfSpaceSlot), m.soilModulus)) return kStopBadHalfSpace;
  m.yieldStress = ParseNumber(SupportFlags[IsYes(kIsotropicHalfSpaceSlot) ? kHalfSpaceYieldSlot : kVerticalYieldSlot]);
  if (!Finite(m.yieldStress)) return kStopBadHalfSpace;
  if (m.yieldStress <= 0.01) YieldAnalysis = 0;
  if (m.strip) {
    m.capacity = GeometryValues[kLengthSlot] * m.yieldStress;
  } else {
    m.capacity = 0;
    for (int e = 1; e <= m.elements; ++e) m.capacity += m.length[e] * m.width[e] * m.yieldStress;
  }
  int symmetry = m.symmetric ? (m.symmetricLoads ? 1 : -1) : 0;
  HalfSpaceFlexibility(m.flexibility, n, m.x, m.width, m.strip, symmetry);
  if (!InvertSoilMatrix(m.flexibility, m.soil, kPi * m.soilModulus)) return kStopSystemUnstable;
  return kSolverDone;
}

namespace {

// BuildSystem's half-space system in compact form, entry by entry the same sums in the same
// order: element terms, the soil (read through soilAt(p, q), indices 1..n + extra), springs,
// fixities and unyielding nodes.
template <typename SoilAt>
void BuildCoupledSystem(const BeamModel& m, SoilAt soilAt, int extra, CoupledSystem& a, int* effectiveSprings) {
  const int n = m.nodes;
  a.Reset(n, extra);
  BandMatrix& band = a.Band();
  for (int r = 1; r <= 2 * n; ++r)
    for (int c = 1; c <= 4; ++c) band(r, c) = m.elementMatrix(r, c);
  // Row by row over both triangles: the half-space stiffness is exactly symmetric (its inverse
  // writes each entry pair from one value), so soilAt(q, p) is soilAt(p, q).
  const int size = n + extra;
  for (int p = 1; p <= size; ++p) {
    const int fp = a.Freedom(p - 1);
    double* row = a.DenseRow(p - 1);
    for (int q = 1; q <= size; ++q) {
      const int fq = a.Freedom(q - 1), lo = std::min(fp, fq), hi = std::max(fp, fq);
      double v = hi <= 2 * n && hi - lo + 1 <= 4 ? band(lo, hi - lo + 1) : 0.0;  // element terms first
      v += static_cast<double>(soilAt(p, q));
      row[q - 1] = v;
    }
  }
  int springs = 0;
  for (int i = 1; i <= n; ++i) {
    double kv = SpringTable.Get(i, 1), kr = SpringTable.Get(i, 2);
    a.Dense(i - 1, i - 1) += kv;
    band(2 * i, 1) += kr;
    springs += (kv > 1.0) + (kr > 1.0);
  }
  if (effectiveSprings) *effectiveSprings = springs;
  for (int r : m.fixedFreedoms)
    if (r >= 1 && r <= a.Equations()) a.Impose(r);
  for (int k : m.supportNodes)
    if (k >= 1 && 2 * k - 1 <= a.Equations()) a.Impose(2 * k - 1);
}

}  // namespace

void AssembleSystem(BeamModel& m) {
  const int n = m.nodes;
  m.equations = 2 * n;
  m.bandWidth = m.soilKind == HalfSpaceSoil ? 2 * n : 4;
  m.elementMatrix.Resize(m.equations, 4);  // a bending matrix couples a freedom with the next three
  for (int e = 1; e <= m.elements; ++e) {
    ElementMatrix k;
    ElementStiffness(k, m.length[e], m.inertia[e], m.modulus);
    AddElementMatrix(m.elementMatrix, e, k);
  }

  m.fixedFreedoms.clear();
  m.supportNodes = IsYes(kUnyieldingSlot) ? UnyieldingNodeList(UnyieldingNodes, n) : std::vector<int>();
  if (IsYes(kLeftEdgeFixedSlot)) m.fixedFreedoms.push_back(2);
  if (m.symmetric) {
    // The last node lies on the axis: symmetric loads turn no section there, antisymmetric
    // ones move none.
    if (m.symmetricLoads) m.fixedFreedoms.push_back(2 * n);
    else if (std::find(m.supportNodes.begin(), m.supportNodes.end(), n) == m.supportNodes.end()) m.supportNodes.push_back(n);
  } else if (IsYes(kRightEdgeFixedSlot)) {
    m.fixedFreedoms.push_back(2 * n);
  }
  if (m.soilKind == HalfSpaceSoil)
    BuildCoupledSystem(m, [&m](int p, int q) { return m.soil(p, q); }, 0, m.coupled, &m.effectiveSprings);
  else
    m.system = BuildSystem(m, m.soil, 0, m.equations, m.bandWidth, &m.effectiveSprings);
  int nodeCount = static_cast<int>(m.supportNodes.size());
  m.otherwiseSupported = m.effectiveSprings >= 2 || nodeCount >= 2 || (m.effectiveSprings >= 1 && nodeCount >= 1);
}

BandMatrix BuildSystem(const BeamModel& m, const SoilMatrix& soil, int extra, int equations, int width,
                       int* effectiveSprings) {
  const int n = m.nodes;
  BandMatrix a;
  if (equations == m.elementMatrix.Rows() && width == m.elementMatrix.Width()) {
    a = m.elementMatrix;  // the element terms as they stand, in one copy
  } else {
    a.Resize(equations, width);
    for (int r = 1; r <= 2 * n; ++r)
      for (int c = 1; c <= std::min(4, width); ++c) a(r, c) = m.elementMatrix(r, c);
  }
  if (m.soilKind == WinklerSoil) AddSoilMatrixFull(a, n, soil);
  if (m.soilKind == HalfSpaceSoil) AddSoilMatrix(a, n, soil, extra);
  int springs = 0;
  AddNodalSprings(a, springs, SpringTable, n);
  if (effectiveSprings) *effectiveSprings = springs;
  ImposeSupports(a, m.fixedFreedoms, width);
  ImposeNodeSupports(a, m.supportNodes, width);
  return a;
}

void ClearImposedLoads(const BeamModel& m, Vector& load) {
  for (int r : m.fixedFreedoms) load[r] = 0.0;
  for (int k : m.supportNodes) load[2 * k - 1] = 0.0;
}

void FormLoadVector(BeamModel& m) {
  const int n = m.nodes;
  m.load.assign(m.equations + 1, 0.0);
  m.fixedEnd.Resize(m.elements);
  double uniform = LoadValues[kUniformLoadSlot], density = LoadValues[kMassDensitySlot];
  for (int e = 1; e <= m.elements; ++e) {
    // Self weight [kN/m]: mass density x g over the cross-section (a strip per metre).
    double self = density > 0 ? density * 9.81 / 1000 * (m.strip ? m.depth[e] : m.width[e] * m.depth[e]) : 0.0;
    double pi = LoadTable(e, 1) + uniform + self, pj = LoadTable(e, 2) + uniform + self;
    if (pi != 0 || pj != 0) TrapezoidalLoadTerms(e, m.length[e], pi, pj, m.fixedEnd, m.load);
  }
  for (int i = 1; i <= n; ++i) {
    m.load[2 * i - 1] += NodalLoadTable(i, 1);
    m.load[2 * i] += NodalLoadTable(i, 2);
  }
  for (int e = 1; e <= m.elements; ++e) {
    double change = TemperatureTable(e, 2) - TemperatureTable(e, 1);  // below minus above
    if (change == 0) continue;
    // Warmer below: the element would sag freely; held at both ends it hogs by M_T.
    double mt = m.modulus * m.inertia[e] * (1 + m.poisson) * m.expansion * change / m.depth[e];
    m.fixedEnd(e, 2) -= mt;
    m.fixedEnd(e, 4) += mt;
    if (m.strip) {
      m.fixedEnd(e, 5) -= mt;
      m.fixedEnd(e, 6) += mt;
    }
    m.load[2 * e] += mt;
    m.load[2 * e + 2] -= mt;
  }
  m.keptLoad = m.load;
  m.keptFixedEnd = m.fixedEnd;
  ClearImposedLoads(m, m.load);
}

int SolveElastic(BeamModel& m) {
  const int n = m.nodes;
  m.zeroModulus = m.soilKind == HalfSpaceSoil && m.modulus <= 1.1E-10;
  if (!m.zeroModulus) {
    m.u = m.load;
    std::string message;
    if (m.soilKind == HalfSpaceSoil) CondensedSolve(m.coupled, m.u, message);
    else BandSolve(m.system, m.equations, m.u, message, m.bandWidth, 3);
    if (message == kSingularMessage) return kStopSystemUnstable;
    for (int i = 1; i <= m.equations; ++i)
      if (!Finite(m.u[i])) return kStopSystemUnstable;
    return kSolverDone;
  }
  // Without bending stiffness every node settles as the soil surface does under the loads.
  m.u.assign(m.equations + 1, 0.0);
  long double scale = kPi * m.soilModulus;
  for (int i = 1; i <= n; ++i) {
    long double w = 0;
    for (int j = 1; j <= n; ++j) w += m.flexibility(i, j) * m.keptLoad[2 * j - 1];
    m.u[2 * i - 1] = static_cast<double>(w / scale);
  }
  auto fixed = [&m](int r) { return std::find(m.fixedFreedoms.begin(), m.fixedFreedoms.end(), r) != m.fixedFreedoms.end(); };
  auto w = [&m](int i) { return m.u[2 * i - 1]; };
  for (int i = 2; i <= n - 1; ++i) {
    double ll = m.length[i - 1], lr = m.length[i];
    m.u[2 * i] = (w(i + 1) * ll * ll - w(i - 1) * lr * lr + w(i) * (lr * lr - ll * ll)) / (ll * lr * (ll + lr));
  }
  m.u[2] = fixed(2) ? 0.0 : (w(2) - w(1)) / m.length[1];
  m.u[2 * n] = fixed(2 * n) ? 0.0 : (w(n) - w(n - 1)) / m.length[n - 1];
  return kSolverDone;
}

void SoilReactions(BeamModel& m) {
  const int n = m.nodes;
  m.soilEnd.Resize(m.elements);
  if (m.soilKind == HalfSpaceSoil) {
    HalfSpaceReactions(m.u, m.soil, n, m.length, m.width, m.strip, m.pressures, m.soilEnd);
  } else if (m.soilKind == WinklerSoil) {
    Vector w(m.elements + 1);
    for (int e = 1; e <= m.elements; ++e) w[e] = m.strip ? 1.0 : m.width[e];
    double total = 0;
    WinklerReactions(m.u, m.elements, m.length, w, SoilTable, m.soilEnd, total);
    m.pressures.assign(2 * n + 1, 0.0);
    for (int e = 1; e <= m.elements; ++e) {
      m.pressures[2 * e - 1] = SoilTable(e, 1) * m.u[2 * e - 1];
      m.pressures[2 * e] = SoilTable(e, 2) * m.u[2 * e + 1];
    }
    m.pressures[2 * n] = total;
  } else {
    m.pressures.clear();
  }
}

void FormEndForces(BeamModel& m) {
  m.endForces.Resize(m.elements);
  for (int e = 1; e <= m.elements; ++e) {
    for (int c = 1; c <= 6; ++c) m.endForces(e, c) = m.fixedEnd(e, c);
    if (m.zeroModulus) {
      // No bending stiffness: no moments, only the element's own load and its soil.
      m.endForces(e, 2) = m.endForces(e, 4) = m.endForces(e, 5) = m.endForces(e, 6) = 0.0;
      continue;
    }
    if (m.modulus > 1.0E-5) {
      ElementMatrix k;
      ElementStiffness(k, m.length[e], m.inertia[e], m.modulus);
      double u[5] = {0.0, m.u[2 * e - 1], m.u[2 * e], m.u[2 * e + 1], m.u[2 * e + 2]}, f[5];
      ElementEndForces(k, u, f);
      for (int c = 1; c <= 4; ++c) m.endForces(e, c) += f[c];
    }
    if (m.strip) {
      // Held along its length, the strip bends there by nu times its whole width moment, load
      // terms included; only the thermal moment (the length columns' fixed-end part, which the
      // width columns carry too) is held there in full.
      for (int end : {0, 1}) {
        double thermal = m.fixedEnd(e, 5 + end), width = m.endForces(e, 2 + 2 * end);
        m.endForces(e, 5 + end) = m.poisson * (width - thermal) + thermal;
      }
    }
    for (int c = 1; c <= 6; ++c)
      if (std::fabs(m.endForces(e, c)) < 1.0E-4) m.endForces(e, c) = 0.0;
  }
}

namespace {

double Sign(double v) { return v >= 0 ? 1.0 : -1.0; }

// Solves a system of the iteration; false when it is singular or the solution is not finite.
bool SolvePass(BandMatrix& a, int equations, Vector& b) {
  std::string message;
  BandSolve(a, equations, b, message, a.Width(), 3);
  if (message == kSingularMessage) return false;
  for (int i = 1; i <= equations; ++i)
    if (!Finite(b[i])) return false;
  return true;
}

// The same for a half-space system (its translations couple fully).
bool SolvePass(CoupledSystem& a, Vector& b) {
  std::string message;
  CondensedSolve(a, b, message);
  if (message == kSingularMessage) return false;
  for (int i = 1; i <= a.Equations(); ++i)
    if (!Finite(b[i])) return false;
  return true;
}

// Half-space: a node whose pressure reaches the yield stress y carries exactly +-y from then on;
// its structure translation is loosed from the soil, which takes the yield force at an extra
// unknown of its own (the soil surface under the node). Passes repeat while pressures change.
int HalfSpaceYieldIteration(BeamModel& m) {
  const int n = m.nodes;
  const double y = m.yieldStress;
  const int limit = YieldPassLimit(n);
  // The yield force of a node is its yield pressure over the node's own contact area, the same
  // area that turns its soil reaction into a pressure: a yielded node then shows exactly what
  // it carries, also where the width changes.
  const Vector area = NodeContactAreas(n, m.length, m.width, m.strip);
  std::vector<int> status(n + 1, 0);
  Vector yieldPressure(n + 1, 0.0);
  int passes = 0;
  CoupledSystem& system = m.coupled;  // the elastic solution's storage, used again
  for (;;) {
    std::fill(status.begin(), status.end(), 0);
    std::fill(yieldPressure.begin(), yieldPressure.end(), 0.0);
    int yielded = 0;
    for (int i = 1; i <= n; ++i) {
      double p = m.pressures[i];
      if (std::fabs(p) - y >= 0) {
        status[i] = 1;
        yieldPressure[i] = Sign(p) * y;
        ++yielded;
      }
    }
    if (yielded == 0 && passes == 0) break;  // nothing yields: the elastic solution stands
    if (passes >= limit) return kStopIterationUnstable;
    if (yielded > 0) {
      int elastic = 0;
      for (int i = 1; i <= n - 1; ++i) elastic += status[i] == 0;
      if (elastic <= 2 && !m.otherwiseSupported) return kStopSystemUnstable;
    }
    // A pass without yielded nodes (every one was unloaded) solves the elastic system again, so
    // that the iteration never ends on the solution of a contact state it has left.
    // The bordered soil matrix is read in place through the order of its positions; the
    // system's storage serves every pass.
    const int equations = 2 * n + yielded;
    const std::vector<int> order = BorderedOrder(status, n);
    auto soilAt = [&m, &order](int p, int q) { return order[p] && order[q] ? m.soil(order[p], order[q]) : 0.0L; };
    BuildCoupledSystem(m, soilAt, yielded, system, nullptr);
    Vector u(equations + 1, 0.0);
    for (int r = 1; r <= 2 * n; ++r) u[r] = m.keptLoad[r];
    for (int i = 1, k = 0; i <= n; ++i) {
      if (status[i] != 1) continue;
      double force = -yieldPressure[i] * area[i];  // the soil holds the structure up by y A
      u[2 * i - 1] += force;
      u[2 * n + ++k] = -force;  // and takes y A down at its surface
    }
    ClearImposedLoads(m, u);
    if (!SolvePass(system, u)) return kStopSystemUnstable;
    YieldPassPressures(u, m.surface, m.soil, order, n, m.length, m.width, m.strip, status, yieldPressure, m.pressures,
                       m.soilEnd);
    m.u.assign(u.begin(), u.begin() + 2 * n + 1);
    int elastic = 0;
    bool changed = false;
    for (int i = 1; i <= n - 1; ++i) {
      double p = m.pressures[i];
      if (std::fabs(std::fabs(p) - y) / y >= 0.001) ++elastic;
      if (std::fabs(p) - y >= 0.001) changed = true;
    }
    m.yieldPasses = ++passes;
    m.yieldStatus = status;
    if (yielded > 0 && elastic <= 2 && !m.otherwiseSupported) return kStopSystemUnstable;
    bool halved = false;
    if (!changed) {
      // Unloading: where the structure has lifted off the soil surface under a yielded node
      // (or pressed into it against a tension), the node lets go of half its yield pressure
      // and is elastic again in the next pass.
      for (int i = 1; i <= n; ++i) {
        if (status[i] != 1) continue;
        double ui = m.u[2 * i - 1], di = m.surface[i];
        if ((yieldPressure[i] > 0 && ui < di) || (yieldPressure[i] <= 0 && ui > di)) {
          m.pressures[i] = yieldPressure[i] / 2;
          halved = true;
        }
      }
    }
    // A changed pressure yields in the next pass. (With at most two elastic nodes left only a
    // structure held otherwise gets here: it goes on yielding rather than ending above y.)
    if (!halved && !changed) break;
  }
  return kSolverDone;
}

// Winkler foundation: each element half yields on its own; a yielded half carries the stepwise
// load of its yield stress and stays yielded, so every further pass yields at least one more
// half and the iteration ends after at most 2 (n - 1) passes.
int WinklerYieldIteration(BeamModel& m) {
  const int n = m.nodes, elements = m.elements;
  std::vector<int> half(2 * elements + 1, 0);
  Vector w(elements + 1, 1.0);
  for (int e = 1; e <= elements; ++e) w[e] = m.strip ? 1.0 : m.width[e];
  int passes = 0;
  for (;;) {
    std::fill(half.begin(), half.end(), 0);
    SoilMatrix soil(n, 2);
    Vector u = m.keptLoad;
    EndForceTable fixedEnd = m.keptFixedEnd;
    int elastic = 0;
    bool yielded = false;
    for (int e = 1; e <= elements; ++e) {
      for (int end = 0; end < 2; ++end) {
        const int at = 2 * e - 1 + end;
        double y = SoilTable(e, 3 + end), p = m.pressures[at];
        if (y <= 0 || std::fabs(p) - y < 0) {
          WinklerSoilMatrix(end + 1, soil, e, m.length[e], w[e], SoilTable(e, 1), SoilTable(e, 2));
          ++elastic;
          continue;
        }
        half[at] = 1;
        yielded = true;
        double q = -Sign(p) * y * w[e];  // the soil's yield pressure holds the half up
        YieldForceTerms(e, m.length[e], end == 0 ? q : 0.0, end == 0 ? 0.0 : q, fixedEnd, u);
        m.pressures[at] = Sign(p) * y;
      }
    }
    if (!yielded) break;  // only in the first pass: the elastic solution stands
    if (elastic <= 2 && !m.otherwiseSupported) return kStopSystemUnstable;
    BandMatrix a = BuildSystem(m, soil, 0, m.equations, m.bandWidth);
    ClearImposedLoads(m, u);
    if (!SolvePass(a, m.equations, u)) return kStopSystemUnstable;
    m.u = u;
    m.fixedEnd = fixedEnd;
    elastic = 0;
    bool changed = false;
    for (int e = 1; e <= elements; ++e) {
      for (int end = 0; end < 2; ++end) {
        const int at = 2 * e - 1 + end;
        if (half[at] == 1) continue;
        double y = SoilTable(e, 3 + end);
        double p = SoilTable(e, 1 + end) * u[2 * (e + end) - 1];
        m.pressures[at] = p;
        // An end without a yield stress is elastic for good (nothing to divide by).
        if (y <= 0 || std::fabs(std::fabs(p) - y) / y >= 0.001) ++elastic;
        if (y > 0 && std::fabs(p) - y >= 0) changed = true;
      }
    }
    m.yieldPasses = ++passes;
    if (elastic <= 2 && !m.otherwiseSupported) return kStopSystemUnstable;
    if (!changed) break;
  }
  m.yieldStatus = half;
  if (passes >= 1) {
    double total = 0;
    ElementResults(m.u, half, m.soilEnd, elements, m.length, w, SoilTable, m.pressures, total);
    m.pressures[2 * n] = total;
  }
  return kSolverDone;
}

}  // namespace

int YieldIteration(BeamModel& m) {
  m.yieldPasses = 0;
  if (m.soilKind == HalfSpaceSoil) {
    // Without bending stiffness every node carries its own load: there is nothing to
    // redistribute, and the bordered system would be held by the 1E-10 modulus alone.
    if (m.zeroModulus) return kSolverDone;
    return HalfSpaceYieldIteration(m);
  }
  if (m.soilKind == WinklerSoil) return WinklerYieldIteration(m);
  return kSolverDone;
}

int AnalyseLoadCase() {
  BeamModel m;
  return AnalyseLoadCase(m);
}

int ReadBeamJob(BeamModel& model) {
  int code = ReadBeamFiles();
  return code == kSolverDone ? PrepareBeamModel(model) : code;
}

int AnalyseLoadCase(BeamModel& m) {
  if (!Trim(LoadCaseName).empty()) DeleteIfExists(ResultsFileName(JobSpec, LoadCaseName));
  int code = ReadBeamJob(m);
  return code == kSolverDone ? AnalysePreparedBeam(m) : code;
}

int AnalysePreparedBeam(BeamModel& m) {
  int code = FormSoilMatrices(m);
  if (code != kSolverDone) return code;
  AssembleSystem(m);
  FormLoadVector(m);
  code = SolveElastic(m);
  if (code != kSolverDone) return code;
  SoilReactions(m);
  if (YieldAnalysis == 1 && m.soilKind != NoSoil) {
    double total = m.soilKind == HalfSpaceSoil ? m.pressures[m.nodes + 1] : m.pressures[2 * m.nodes];
    if (m.capacityKnown && 1.1 * total > m.capacity) return kStopLoadTooLarge;
    code = YieldIteration(m);
    if (code != kSolverDone) return code;
  }
  FormEndForces(m);
  std::string header = "Job: " + JobSpec + " //  Load Case: '" + Trim(LoadCaseName) + "'";
  if (!WriteResultsReport(m.soilKind, m.u, m.pressures, m.nodes, m.x, m.endForces, m.soilEnd, m.strip,
                          ResultsFileName(JobSpec, LoadCaseName), header))
    return kStopReportNotWritten;
  return kSolverDone;
}

}  // namespace trabix
