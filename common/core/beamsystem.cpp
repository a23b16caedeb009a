#include "core/beamsystem.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/soillaw.h"
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

namespace {

// The soil's law at the contact nodes of a half-space state: an elastic node below the yield
// stress (by the change test's 0.001 kPa), a yielded one at it and slipping past the soil surface
// under it the way its pressure resists (the structure pressed beyond the surface for a positive
// yield pressure, drawn back from it for a negative one).
bool HalfSpaceStateSound(const HalfSpaceContact& c, const std::vector<int>& status, const Vector& yieldPressure,
                         const ContactState& state, const Vector& surface) {
  std::vector<soillaw::ContactPoint> points;
  for (int i = c.first; i < c.first + c.count; ++i) {
    soillaw::ContactPoint point;
    point.pressure = state.pressures[i];
    point.yieldStress = c.yieldStress;
    if (status[i] == 1) {
      point.state = soillaw::PointState::kYielded;
      point.pressure = yieldPressure[i];
      point.excess = (yieldPressure[i] > 0 ? 1 : -1) * (state.u[2 * i - 1] - surface[i]);
    }
    points.push_back(point);
  }
  soillaw::SoilLaw law;
  law.elasticAllowance = 0.001;
  return soillaw::FirstUnsoundPoint(points, law) == 0;
}

}  // namespace

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
    // A changed pressure yields in the next pass; so does a node that the change test leaves out
    // (the last) when the state breaks the soil's law there.
    if (!halved && !changed && HalfSpaceStateSound(c, status, yieldPressure, state, surface)) break;
  }
  return ContactOutcome::kSettled;
}

namespace {

// Within this fraction below its yield stress a half counts as at it.
constexpr double kAtYield = 0.001;

// The state of a Winkler half decided from the trial pressure k u of its end: 0 elastic, +1 or
// -1 yielded, carrying the yield stress with the trial's sign (the soil resists the motion). A
// half that was yielded the same way stays so while its trial lies within kAtYield below the
// yield stress, so that a half at the edge of a yield zone does not change at every pass.
int HalfState(double trial, double f, int was) {
  if (!(f > 0)) return 0;  // an end without a yield stress never yields
  if (std::fabs(trial) - f >= 0) return trial >= 0 ? 1 : -1;
  if (was != 0 && was * trial > 0 && std::fabs(trial) >= f * (1 - kAtYield)) return was;
  return 0;
}

}  // namespace

ContactOutcome WinklerYieldIteration(const WinklerContact& c, BeamSystem& system, ContactState& state) {
  const int n = c.structure.nodes;
  const Table2D<double>& k = *c.moduli;
  const Vector& length = *c.length;
  // Per element half: the state solved in the last pass, the one its solution gives, and the
  // trial pressures k u of that solution (at first the elastic one's).
  std::vector<int> solved(2 * (n - 1) + 1, 0), next = solved, checkpoint;
  Vector trial = state.pressures;
  for (int e = c.first; e <= c.elements; ++e)
    for (int at : {2 * e - 1, 2 * e}) next[at] = HalfState(trial[at], k.Get(e, 3 + (at == 2 * e)), 0);
  // A path that yields one more half at every pass ends within one pass per half; a longer one
  // is cycling in effect.
  const int limit = 2 * (c.elements - c.first + 1);
  int power = 1;
  SoilMatrix soil;
  state.passes = 0;
  for (;;) {
    const bool yields = std::any_of(next.begin(), next.end(), [](int h) { return h != 0; });
    if (!yields && state.passes == 0) break;  // the elastic solution stands, as the elastic analysis holds it
    soil.Resize(n, 2);
    Vector u = *c.keptLoad;
    EndForceTable fixedEnd = *c.keptFixedEnd;
    int elastic = 0;
    for (int e = c.first; e <= c.elements; ++e) {
      for (int end = 0; end < 2; ++end) {
        const int at = 2 * e - 1 + end;
        if (next[at] == 0) {
          WinklerSoilMatrix(end + 1, soil, e, length[e], c.width[e], k.Get(e, 1), k.Get(e, 2));
          ++elastic;
          continue;
        }
        const double q = -next[at] * k.Get(e, 3 + end) * c.width[e];  // the yielded soil holds the half by f w
        YieldForceTerms(e, length[e], end == 0 ? q : 0.0, end == 0 ? 0.0 : q, fixedEnd, u, c.rotationSign);
      }
    }
    if (elastic <= 2 && !c.otherwiseSupported) return ContactOutcome::kTooFewInContact;
    if (state.passes >= limit) return ContactOutcome::kPassLimit;
    AssembleBandSystem(c.structure, &soil, system);
    ClearImposedLoads(c.structure, u);
    if (SolveSymmetric(system, u) != SolveStatus::kSolved) return ContactOutcome::kSingular;
    ++state.passes;
    state.u = u;
    state.fixedEnd = fixedEnd;
    solved = next;
    // Every half decides anew from its end's translation.
    elastic = 0;
    for (int e = c.first; e <= c.elements; ++e) {
      for (int end = 0; end < 2; ++end) {
        const int at = 2 * e - 1 + end;
        const double f = k.Get(e, 3 + end);
        const double p = k.Get(e, 1 + end) * u[2 * (e + end) - 1];
        trial[at] = p;
        next[at] = HalfState(p, f, solved[at]);
        state.pressures[at] = next[at] != 0 ? next[at] * f : p;
        // Without a yield stress a half is in elastic contact while it carries a pressure.
        if (next[at] == 0 && (f > 0 ? std::fabs(std::fabs(p) - f) / f >= kAtYield : p != 0)) ++elastic;
      }
    }
    if (elastic <= 2 && !c.otherwiseSupported) return ContactOutcome::kTooFewInContact;
    if (next == solved) break;
    // A state met again (checked against one kept at every power of two passes) comes round
    // for good.
    if (next == checkpoint) return ContactOutcome::kPassLimit;
    if (state.passes == power) {
      checkpoint = solved;
      power *= 2;
    }
  }
  state.status.assign(solved.size(), 0);
  std::vector<soillaw::ContactPoint> points;
  for (int e = c.first; e <= c.elements; ++e) {
    for (int end = 0; end < 2; ++end) {
      const int at = 2 * e - 1 + end;
      soillaw::ContactPoint point;
      point.pressure = state.pressures[at];
      point.yieldStress = k.Get(e, 3 + end);
      if (solved[at] != 0) {
        state.status[at] = 1;
        point.state = soillaw::PointState::kYielded;
        point.excess = solved[at] * trial[at] - point.yieldStress;
        point.allowance = kAtYield * point.yieldStress;
      }
      points.push_back(point);
    }
  }
  // The Winkler soil holds tension as it holds pressure.
  if (soillaw::FirstUnsoundPoint(points, soillaw::SoilLaw{}) != 0) return ContactOutcome::kPassLimit;
  if (state.passes >= 1) {
    double total = 0;
    ElementResults(state.u, state.status, state.soilEnd, n - 1, length, c.width, k, state.pressures, total);
    state.pressures[2 * n] = total;
  }
  return ContactOutcome::kSettled;
}

HalfSpaceContact HalfSpaceContactOf(const ContactModel& m, const BeamStructure& structure, int first, Vector part) {
  HalfSpaceContact c;
  c.structure = structure;
  c.first = first;
  c.count = m.nodes - first + 1;
  c.soil = &m.soil;
  c.part = std::move(part);
  c.yieldStress = m.yieldStress;
  c.otherwiseSupported = m.otherwiseSupported;
  c.keptLoad = &m.keptLoad;
  return c;
}

int HalfSpaceYieldIterationOf(ContactModel& m, const BeamStructure& structure, int first, Vector part, Vector* surface) {
  const HalfSpaceContact c = HalfSpaceContactOf(m, structure, first, std::move(part));
  ContactState state{m.u, m.pressures, m.soilEnd, m.fixedEnd, m.yieldPasses, m.yieldStatus, surface};
  return StopCodeOf(HalfSpaceYieldIteration(c, m.system, state));
}

int WinklerYieldIterationOf(ContactModel& m, const BeamStructure& structure, int first, Vector width,
                            const Table2D<double>& moduli, int rotationSign) {
  WinklerContact c;
  c.structure = structure;
  c.first = first;
  c.elements = m.elements;
  c.length = &m.length;
  c.width = std::move(width);
  c.moduli = &moduli;
  c.rotationSign = rotationSign;
  c.otherwiseSupported = m.otherwiseSupported;
  c.keptLoad = &m.keptLoad;
  c.keptFixedEnd = &m.keptFixedEnd;
  ContactState state{m.u, m.pressures, m.soilEnd, m.fixedEnd, m.yieldPasses, m.yieldStatus, nullptr};
  return StopCodeOf(WinklerYieldIteration(c, m.system, state));
}

}  // namespace beamkernel
