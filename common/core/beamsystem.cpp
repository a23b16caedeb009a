#include "core/beamsystem.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/solverstops.h"

namespace beamkernel {

void ClearImposedLoads(const BeamStructure& s, Vector& load) {
  for (int r : *s.fixedFreedoms) load[r] = 0.0;
  for (int k : *s.supportNodes) load[2 * k - 1] = 0.0;
}

void AssembleBandSystem(const BeamStructure& s, const SoilMatrix* winkler, BeamSystem& out, int* effectiveSprings) {
  const int n = s.nodes;
  BandMatrix& a = out.UseBand();
  a = *s.elements;  // the element terms: 2n rows of half band 4
  if (winkler) AddSoilMatrixFull(a, n, *winkler);
  int springs = 0;
  AddNodalSprings(a, springs, *s.springs, n);
  if (effectiveSprings) *effectiveSprings = springs;
  ImposeSupports(a, *s.fixedFreedoms, a.Width());
  ImposeNodeSupports(a, *s.supportNodes, a.Width());
}

void AssembleHalfSpaceSystem(const BeamStructure& s, const SoilMatrix& soil, int first, const std::vector<int>& order,
                             BeamSystem& out, int* effectiveSprings) {
  const int n = s.nodes, positions = static_cast<int>(order.size()) - 1;
  const int contact = soil.Rows();  // positions past it are border unknowns
  const int extra = positions - contact;
  CoupledSystem& a = out.UseCompact();
  a.Reset(n, extra);
  BandMatrix& band = a.Band();
  const BandMatrix& elements = *s.elements;
  for (int r = 1; r <= 2 * n; ++r)
    for (int c = 1; c <= 4; ++c) band(r, c) = elements(r, c);
  // The soil index of each coupled unknown (0 for none): translations of the contact nodes
  // through their positions, the border unknowns through theirs.
  const int m = a.Coupled();
  std::vector<int> soilIndex(m, 0);
  for (int t = 0; t < m; ++t) {
    const int position = t < n ? t + 1 - first + 1 : contact + t - n + 1;
    if (position >= 1 && position <= (t < n ? contact : positions)) soilIndex[t] = order[position];
  }
  // Row by row over both triangles: the half-space stiffness is exactly symmetric (its inverse
  // writes each entry pair from one value). Element terms first, then the soil, as in the band.
  for (int p = 0; p < m; ++p) {
    double* row = a.DenseRow(p);
    const int sp = soilIndex[p];
    for (int q = 0; q < m; ++q) {
      double v = 0.0;
      if (p < n && q < n && std::abs(p - q) <= 1) v = elements(2 * std::min(p, q) + 1, 2 * std::abs(p - q) + 1);
      const int sq = soilIndex[q];
      v += sp && sq ? static_cast<double>(soil(sp, sq)) : 0.0;
      row[q] = v;
    }
  }
  int springs = 0;
  for (int i = 1; i <= n; ++i) {
    const double kv = s.springs->Get(i, 1), kr = s.springs->Get(i, 2);
    a.Dense(i - 1, i - 1) += kv;
    band(2 * i, 1) += kr;
    springs += (kv > 1.0) + (kr > 1.0);
  }
  if (effectiveSprings) *effectiveSprings = springs;
  for (int r : *s.fixedFreedoms)
    if (r >= 1 && r <= a.Equations()) a.Impose(r);
  for (int k : *s.supportNodes)
    if (k >= 1 && 2 * k - 1 <= a.Equations()) a.Impose(2 * k - 1);
}

SolveStatus SolveSymmetric(BeamSystem& a, Vector& b) {
  std::string message;
  SolveStatus status;
  if (a.IsCoupled()) {
    status = CondensedSolve(a.Compact(), b, message);
  } else {
    BandMatrix& band = a.Band();
    status = BandSolve(band, band.Rows(), b, message, band.Width(), 3);
  }
  if (status != SolveStatus::kSolved) return status;
  const int equations = a.Equations();
  for (int i = 1; i <= equations; ++i)
    if (!std::isfinite(b[i])) return SolveStatus::kNotFinite;
  return SolveStatus::kSolved;
}

std::vector<int> BorderedPositions(const std::vector<int>& status, int c) {
  std::vector<int> order(c + 1, 0);
  for (int k = 1; k <= c; ++k) {
    if (status[k] == 1) order.push_back(k);
    else order[k] = k;
  }
  return order;
}

int StopCodeOf(ContactOutcome outcome) {
  switch (outcome) {
    case ContactOutcome::kSettled: return 0;
    case ContactOutcome::kPassLimit: return kStopIterationUnstable;
    case ContactOutcome::kTooFewInContact:
    case ContactOutcome::kSingular: break;
  }
  return kStopSystemUnstable;
}

namespace {

double Sign(double v) { return v >= 0 ? 1.0 : -1.0; }

}  // namespace

void HalfSpacePassPressures(const HalfSpaceContact& c, const std::vector<int>& order, const Vector& u,
                            const std::vector<int>& status, const Vector& yieldPressure, Vector& pressures,
                            SoilEndForces& soilEnd, Vector& surface) {
  const int n = c.structure.nodes, first = c.first, count = c.count;
  const int size = static_cast<int>(order.size()) - 1;
  const SoilMatrix& s = *c.soil;
  // v: the contact translations, then the border unknowns.
  std::vector<long double> v(size + 1, 0.0L);
  for (int k = 1; k <= size; ++k) v[k] = k <= count ? u[2 * (first + k - 1) - 1] : u[2 * n + k - count];
  surface.assign(n + 1, 0.0);
  for (int i = first, b = 0; i < first + count; ++i)
    surface[i] = static_cast<double>(status[i] == 1 ? v[count + ++b] : v[i - first + 1]);
  pressures.assign(n + 2, 0.0);
  long double total = 0;
  for (int t = 1; t <= size; ++t) {
    long double r = 0;
    const int st = order[t];
    for (int j = 1; j <= size; ++j) r += (st && order[j] ? s(st, order[j]) : 0.0L) * v[j];
    total += r;
    if (t <= count) {
      const int i = first + t - 1;
      const double area = c.part[i - 1] + c.part[i];
      pressures[i] = area > 0 ? static_cast<double>(r / area) : 0.0;
    }
  }
  pressures[n + 1] = static_cast<double>(total);
  for (int i = first; i < first + count; ++i)
    if (status[i] == 1) pressures[i] = yieldPressure[i];
  soilEnd.Resize(n - 1);
  for (int e = first; e < first + count - 1; ++e) {
    soilEnd.atI[e] = pressures[e] * c.part[e];
    soilEnd.atJ[e] = pressures[e + 1] * c.part[e];
  }
}

void HalfSpaceReactions(const HalfSpaceContact& c, const Vector& u, Vector& pressures, SoilEndForces& soilEnd) {
  const int n = c.structure.nodes;
  Vector surface;
  HalfSpacePassPressures(c, BorderedPositions(std::vector<int>(c.count + 1, 0), c.count), u, std::vector<int>(n + 1, 0),
                         Vector(n + 1, 0.0), pressures, soilEnd, surface);
}

ContactOutcome HalfSpaceYieldIteration(const HalfSpaceContact& c, BeamSystem& system, ContactState& state) {
  const int n = c.structure.nodes, first = c.first, last = c.first + c.count - 1;
  const double y = c.yieldStress;
  const int limit = YieldPassLimit(c.count);
  std::vector<int> status(n + 1, 0), soilStatus(c.count + 1, 0);
  Vector yieldPressure(n + 1, 0.0), ownSurface;
  Vector& surface = state.surface ? *state.surface : ownSurface;
  state.passes = 0;
  for (;;) {
    std::fill(status.begin(), status.end(), 0);
    std::fill(yieldPressure.begin(), yieldPressure.end(), 0.0);
    int yielded = 0;
    for (int i = first; i <= last; ++i) {
      const double p = state.pressures[i];
      if (std::fabs(p) - y >= 0) {
        status[i] = 1;
        yieldPressure[i] = Sign(p) * y;
        ++yielded;
      }
    }
    if (yielded == 0 && state.passes == 0) break;  // nothing yields: the elastic solution stands
    if (state.passes >= limit) return ContactOutcome::kPassLimit;
    // The last contact node is not counted: it yields in the next detection.
    if (yielded > 0) {
      int elastic = 0;
      for (int i = first; i < last; ++i) elastic += status[i] == 0;
      if (elastic <= 2 && !c.otherwiseSupported) return ContactOutcome::kTooFewInContact;
    }
    // A pass without yielded nodes (every one was released) solves the elastic system again, so
    // that the iteration never ends on the solution of a contact state it has left. The
    // bordered soil matrix is read in place through the order of its positions.
    for (int k = 1; k <= c.count; ++k) soilStatus[k] = status[first + k - 1];
    const std::vector<int> order = BorderedPositions(soilStatus, c.count);
    AssembleHalfSpaceSystem(c.structure, *c.soil, first, order, system);
    Vector u(2 * n + yielded + 1, 0.0);
    for (int r = 1; r <= 2 * n; ++r) u[r] = (*c.keptLoad)[r];
    for (int i = first, b = 0; i <= last; ++i) {
      if (status[i] != 1) continue;
      const double force = -yieldPressure[i] * (c.part[i - 1] + c.part[i]);  // the soil holds the node by y A
      u[2 * i - 1] += force;
      u[2 * n + ++b] = -force;  // and takes y A at its surface
    }
    ClearImposedLoads(c.structure, u);
    if (SolveSymmetric(system, u) != SolveStatus::kSolved) return ContactOutcome::kSingular;
    HalfSpacePassPressures(c, order, u, status, yieldPressure, state.pressures, state.soilEnd, surface);
    state.u.assign(u.begin(), u.begin() + 2 * n + 1);
    int elastic = 0;
    bool changed = false;
    for (int i = first; i < last; ++i) {
      const double p = state.pressures[i];
      if (std::fabs(std::fabs(p) - y) / y >= 0.001) ++elastic;
      if (std::fabs(p) - y >= 0.001) changed = true;
    }
    ++state.passes;
    state.status = status;
    if (yielded > 0 && elastic <= 2 && !c.otherwiseSupported) return ContactOutcome::kTooFewInContact;
    bool halved = false;
    if (!changed) {
      // Release: where the structure has left the soil surface under a yielded node (moved
      // away from it against the node's yield pressure), the node lets go of half that pressure
      // and is elastic again in the next detection.
      for (int i = first; i <= last; ++i) {
        if (status[i] != 1) continue;
        const double structure = state.u[2 * i - 1], soil = surface[i];
        if ((yieldPressure[i] > 0 && structure < soil) || (yieldPressure[i] <= 0 && structure > soil)) {
          state.pressures[i] = yieldPressure[i] / 2;
          halved = true;
        }
      }
    }
    // A changed pressure yields in the next pass.
    if (!halved && !changed) break;
  }
  return ContactOutcome::kSettled;
}

ContactOutcome WinklerYieldIteration(const WinklerContact& c, BeamSystem& system, ContactState& state) {
  const int n = c.structure.nodes;
  const Table2D<double>& k = *c.moduli;
  const Vector& length = *c.length;
  std::vector<int> half(2 * (n - 1) + 1, 0);
  SoilMatrix soil;
  state.passes = 0;
  for (;;) {
    std::fill(half.begin(), half.end(), 0);
    soil.Resize(n, 2);
    Vector u = *c.keptLoad;
    EndForceTable fixedEnd = *c.keptFixedEnd;
    int elastic = 0;
    bool yielded = false;
    for (int e = c.first; e <= c.elements; ++e) {
      for (int end = 0; end < 2; ++end) {
        const int at = 2 * e - 1 + end;
        const double f = k.Get(e, 3 + end), p = state.pressures[at];
        // An end without a yield stress never yields.
        if (!(f > 0) || std::fabs(p) - f < 0) {
          WinklerSoilMatrix(end + 1, soil, e, length[e], c.width[e], k.Get(e, 1), k.Get(e, 2));
          ++elastic;
          continue;
        }
        half[at] = 1;
        yielded = true;
        const double q = -Sign(p) * f * c.width[e];  // the yielded soil holds the half by f w
        YieldForceTerms(e, length[e], end == 0 ? q : 0.0, end == 0 ? 0.0 : q, fixedEnd, u, c.rotationSign);
        state.pressures[at] = Sign(p) * f;
      }
    }
    // A yielded half yields again at every head, so only the first pass can yield nothing: the
    // elastic solution stands, held as the elastic analysis holds it.
    if (!yielded) break;
    if (elastic <= 2 && !c.otherwiseSupported) return ContactOutcome::kTooFewInContact;
    AssembleBandSystem(c.structure, &soil, system);
    ClearImposedLoads(c.structure, u);
    if (SolveSymmetric(system, u) != SolveStatus::kSolved) return ContactOutcome::kSingular;
    state.u = u;
    state.fixedEnd = fixedEnd;
    elastic = 0;
    bool changed = false;
    for (int e = c.first; e <= c.elements; ++e) {
      for (int end = 0; end < 2; ++end) {
        const int at = 2 * e - 1 + end;
        if (half[at] == 1) continue;
        const double f = k.Get(e, 3 + end);
        const double p = k.Get(e, 1 + end) * u[2 * (e + end) - 1];
        state.pressures[at] = p;
        // Without a yield stress a half is in elastic contact while it carries a pressure.
        if (f > 0 ? std::fabs(std::fabs(p) - f) / f >= 0.001 : p != 0) ++elastic;
        if (f > 0 && std::fabs(p) - f >= 0) changed = true;
      }
    }
    ++state.passes;
    if (elastic <= 2 && !c.otherwiseSupported) return ContactOutcome::kTooFewInContact;
    if (!changed) break;
  }
  state.status = half;
  if (state.passes >= 1) {
    double total = 0;
    ElementResults(state.u, half, state.soilEnd, n - 1, length, c.width, k, state.pressures, total);
    state.pressures[2 * n] = total;
  }
  return ContactOutcome::kSettled;
}

}  // namespace beamkernel
