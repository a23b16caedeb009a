// The equation layer of the beam-type solvers: the half-space system of a structure whose first
// nodes have no soil, with bordered yielded nodes, assembled in compact form against the band
// of the kernel's own routines; the outcomes of a solution; the half-space reactions and the
// pressures of a yield pass, read in place against the bordered copy; the stop codes of the
// iterations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/beamsystem.h"
#include "core/solverstops.h"

namespace beamkernel {
namespace {

// A structure of `nodes` nodes whose nodes first..nodes touch the soil: element terms, a spring,
// a fixed rotation and an unyielding node.
struct Structure {
  int nodes;
  BandMatrix elements;
  Table2D<double> springs;
  std::vector<int> fixed{2}, support;
  BeamStructure View() const { return BeamStructure{nodes, &elements, &springs, &fixed, &support}; }
  explicit Structure(int n) : nodes(n), elements(2 * n, 4), support{n} {
    for (int e = 1; e < n; ++e) {
      ElementMatrix k;
      ElementStiffness(k, 0.5, 0.01, 3.0e7, -1);
      AddElementMatrix(elements, e, k);
    }
    springs.Redim(n, 2);
    springs(2, 1) = 2500;
  }
};

SoilMatrix Soil(int c) {
  SoilMatrix s(c, c);
  for (int i = 1; i <= c; ++i)
    for (int j = 1; j <= c; ++j) s(i, j) = 4000.0L / (1 + std::abs(i - j)) + (i == j ? 6000 : 0);
  return s;
}

// The same system as a full band, by the kernel's routines: the soil bordered by exchanges.
Vector BandSolution(const Structure& st, const SoilMatrix& soil, int first, const std::vector<int>& status, Vector b) {
  const int c = soil.Rows(), yielded = static_cast<int>(std::count(status.begin() + 1, status.end(), 1));
  const int neq = 2 * st.nodes + yielded;
  BandMatrix a(neq, neq);
  for (int r = 1; r <= 2 * st.nodes; ++r)
    for (int k = 1; k <= 4; ++k) a(r, k) = st.elements(r, k);
  SoilMatrix bordered(c + yielded, c + yielded);
  CopySoilMatrix(soil, bordered, c, c);
  BorderYieldedNodes(bordered, status, c);
  AddSoilMatrix(a, c, bordered, yielded, first - 1);
  int springs = 0;
  AddNodalSprings(a, springs, st.springs, st.nodes);
  ImposeSupports(a, st.fixed, neq);
  ImposeNodeSupports(a, st.support, neq);
  std::string message;
  EXPECT_EQ(BandSolve(a, neq, b, message, neq, 3), SolveStatus::kSolved);
  return b;
}

TEST(AssembleHalfSpaceSystem, CompactFormOfAContactRangeSolvesAsTheBand) {
  struct Case {
    int nodes, first;
    std::vector<int> yielded;  // soil indices
  } cases[] = {{6, 1, {}}, {9, 4, {}}, {9, 4, {1, 3}}, {14, 6, {2, 5, 9}}};
  for (const Case& k : cases) {
    Structure st(k.nodes);
    const int c = k.nodes - k.first + 1;
    const SoilMatrix soil = Soil(c);
    std::vector<int> status(c + 1, 0);
    for (int i : k.yielded) status[i] = 1;
    const int neq = 2 * k.nodes + static_cast<int>(k.yielded.size());
    Vector b(neq + 1, 0.0);
    for (int i = 1; i <= neq; ++i) b[i] = (i % 2 ? 10.0 : 0.5) * (1 + 0.1 * i);
    for (int r : st.fixed) b[r] = 0;
    for (int n : st.support) b[2 * n - 1] = 0;
    const Vector reference = BandSolution(st, soil, k.first, status, b);
    BeamSystem system;
    int springs = 0;
    AssembleHalfSpaceSystem(st.View(), soil, k.first, BorderedPositions(status, c), system, &springs);
    EXPECT_TRUE(system.IsCoupled());
    EXPECT_EQ(system.Equations(), neq);
    EXPECT_EQ(springs, 1);
    ASSERT_EQ(SolveSymmetric(system, b), SolveStatus::kSolved) << k.nodes;
    double largest = 0;
    for (int i = 1; i <= neq; ++i) largest = std::max(largest, std::fabs(reference[i]));
    for (int i = 1; i <= neq; ++i) EXPECT_NEAR(b[i], reference[i], 1e-12 * largest) << k.nodes << " at " << i;
  }
}

TEST(BorderedPositions, YieldedIndicesMoveToTheBorderInOrder) {
  EXPECT_EQ(BorderedPositions({0, 0, 1, 0, 1}, 4), (std::vector<int>{0, 1, 0, 3, 0, 2, 4}));
  EXPECT_EQ(BorderedPositions({0, 0, 0}, 2), (std::vector<int>{0, 1, 2}));
}

// Either shape tells a singular system and leaves the loads; a solution that is not finite is
// told apart from it.
TEST(SolveSymmetric, SingularAndNotFiniteOutcomes) {
  Structure st(4);
  st.fixed.clear();
  st.support.clear();
  st.springs.Redim(4, 2);
  const Vector loads(9, 1.0);
  BeamSystem free;  // no soil, no support: a mechanism
  AssembleBandSystem(st.View(), nullptr, free);
  EXPECT_FALSE(free.IsCoupled());
  Vector b = loads;
  EXPECT_EQ(SolveSymmetric(free, b), SolveStatus::kSingular);
  EXPECT_EQ(b, loads);
  SoilMatrix none(4, 4);  // a half-space of no stiffness
  BeamSystem coupled;
  AssembleHalfSpaceSystem(st.View(), none, 1, BorderedPositions(std::vector<int>(5, 0), 4), coupled);
  b = loads;
  EXPECT_EQ(SolveSymmetric(coupled, b), SolveStatus::kSingular);
  EXPECT_EQ(b, loads);

  st.springs(1, 1) = st.springs(4, 1) = 1000;
  BeamSystem held;
  AssembleBandSystem(st.View(), nullptr, held);
  b = loads;
  EXPECT_EQ(SolveSymmetric(held, b), SolveStatus::kSolved);
  AssembleBandSystem(st.View(), nullptr, held);
  b[3] = std::nan("");
  EXPECT_EQ(SolveSymmetric(held, b), SolveStatus::kNotFinite);
}

// A half-space contact over all `n` nodes of a structure with the soil `s`; per element the area
// L_e w_e / 2 that each of its ends carries.
HalfSpaceContact WholeContact(int n, const SoilMatrix& s, const Vector& length, const Vector& width) {
  HalfSpaceContact c;
  c.structure.nodes = n;
  c.count = n;
  c.soil = &s;
  c.part.assign(n + 1, 0.0);
  for (int e = 1; e < n; ++e) c.part[e] = length[e] * width[e] / 2;
  return c;
}

TEST(HalfSpaceReactions, PressuresOverTributaryAreasAndSoilEndForces) {
  const int n = 3;
  SoilMatrix s(n, n);
  for (int i = 1; i <= n; ++i) s(i, i) = 100;
  s(1, 2) = s(2, 1) = -10;
  const Vector u = {0, 0.1, 0, 0.2, 0, 0.3, 0};
  const HalfSpaceContact c = WholeContact(n, s, {0, 2.0, 1.0}, {0, 0.5, 0.5});
  Vector p;
  SoilEndForces forces;
  HalfSpaceReactions(c, u, p, forces);
  // R = (8, 19, 30); areas A1 = 0.5, A2 = 0.25.
  EXPECT_NEAR(p[1], 8 / 0.5, 1e-12);
  EXPECT_NEAR(p[2], 19 / 0.75, 1e-12);
  EXPECT_NEAR(p[3], 30 / 0.25, 1e-12);
  EXPECT_NEAR(p[4], 57, 1e-12);
  EXPECT_NEAR(forces.atI[1] + forces.atJ[1] + forces.atI[2] + forces.atJ[2], 57, 1e-12);
  EXPECT_NEAR(forces.atJ[1], p[2] * 0.5, 1e-12);
}

// A symmetric 4 x 4 soil matrix with distinct entries: S(i, j) = 10 i + j for i <= j.
SoilMatrix NumberedSoil() {
  SoilMatrix s(4, 4);
  for (int i = 1; i <= 4; ++i)
    for (int j = i; j <= 4; ++j) s(i, j) = s(j, i) = 10 * i + j;
  return s;
}

TEST(BorderYieldedNodes, MovesTheYieldedNodesCouplingsToTheExtraPositions) {
  SoilMatrix s = NumberedSoil();
  SoilMatrix b(6, 6);
  CopySoilMatrix(s, b, 4, 4);
  std::vector<int> status = {0, 0, 1, 0, 1};  // nodes 2 and 4 yielded
  BorderYieldedNodes(b, status, 4);
  // Node 2 went to position 5, node 4 to position 6; their own rows and columns are empty.
  const int position[] = {0, 1, 5, 3, 6};
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(b(position[i], position[j]), s(i, j)) << i << "," << j;
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(b(2, k), 0.0L);
    EXPECT_EQ(b(k, 2), 0.0L);
    EXPECT_EQ(b(4, k), 0.0L);
    EXPECT_EQ(b(k, 4), 0.0L);
  }
}

TEST(HalfSpacePassPressures, YieldedNodesCarryTheirYieldPressureAndTheSoilTakesTheRest) {
  const int n = 4;
  const SoilMatrix s = NumberedSoil();
  const HalfSpaceContact c = WholeContact(n, s, {0, 1.0, 2.0, 1.0}, {0, 0.5, 0.5, 0.5});
  // No yielded node: the reactions of the elastic soil.
  const Vector u = {0, 0.01, 0, 0.02, 0, 0.03, 0, 0.04, 0};
  Vector surface, p, q;
  SoilEndForces forces, reference;
  const std::vector<int> none(n + 1, 0);
  HalfSpacePassPressures(c, BorderedPositions(none, n), u, none, Vector(n + 1, 0.0), p, forces, surface);
  HalfSpaceReactions(c, u, q, reference);
  ASSERT_EQ(p.size(), q.size());
  for (size_t i = 1; i < p.size(); ++i) EXPECT_DOUBLE_EQ(p[i], q[i]) << i;
  for (int i = 1; i <= n; ++i) EXPECT_EQ(surface[i], u[2 * i - 1]);
  // Node 3 yielded: the soil surface under it is the border unknown u(2n + 1).
  const std::vector<int> status = {0, 0, 0, 1, 0};
  const Vector yieldPressure = {0, 0, 0, -7.5, 0};
  const Vector ub = {0, 0.01, 0, 0.02, 0, 0.025, 0, 0.04, 0, 0.03};
  HalfSpacePassPressures(c, BorderedPositions(status, n), ub, status, yieldPressure, p, forces, surface);
  EXPECT_EQ(p[3], -7.5);
  EXPECT_EQ(surface[3], 0.03);
  EXPECT_EQ(surface[2], 0.02);
  // The soil sees the surface, not the structure, under node 3.
  double r2 = 0, total = 0;
  const double v[] = {0, 0.01, 0.02, 0.03, 0.04};
  for (int j = 1; j <= 4; ++j) r2 += static_cast<double>(s(2, j)) * v[j];
  EXPECT_NEAR(p[2], r2 / (0.25 + 0.5), 1e-12);
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) total += static_cast<double>(s(i, j)) * v[j];
  EXPECT_NEAR(p[n + 1], total, 1e-12);
  EXPECT_NEAR(forces.atJ[2], -7.5 * 0.5, 1e-12);  // node 3's yield pressure on element 2's half
  EXPECT_NEAR(forces.atI[3], -7.5 * 0.25, 1e-12);
}

// The passes read the bordered matrix in place through the order of its positions: the same
// positions as BorderYieldedNodes gives the bordered copy, and to the last bit the pressures of
// that copy.
TEST(HalfSpacePassPressures, ReadInPlaceEqualsTheBorderedCopy) {
  const int n = 4;
  const SoilMatrix s = NumberedSoil();
  const HalfSpaceContact c = WholeContact(n, s, {0, 1.0, 2.0, 1.0}, {0, 0.5, 0.5, 0.5});
  struct Case {
    std::vector<int> status;
    std::vector<int> order;
  } cases[] = {{{0, 0, 0, 0, 0}, {0, 1, 2, 3, 4}},
               {{0, 0, 1, 0, 1}, {0, 1, 0, 3, 0, 2, 4}},
               {{0, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 1, 2, 3, 4}}};
  for (const Case& k : cases) {
    const std::vector<int> order = BorderedPositions(k.status, n);
    EXPECT_EQ(order, k.order);
    const int size = static_cast<int>(order.size()) - 1;
    SoilMatrix b(size, size);
    CopySoilMatrix(s, b, n, n);
    BorderYieldedNodes(b, k.status, n);
    for (int t = 1; t <= size; ++t)
      for (int j = 1; j <= size; ++j)
        EXPECT_EQ(b(t, j), order[t] && order[j] ? s(order[t], order[j]) : 0.0L) << t << "," << j;
    Vector u(2 * n + size - n + 1), yieldPressure(n + 1, 0.0);
    for (size_t i = 1; i < u.size(); ++i) u[i] = 0.01 * std::sqrt(static_cast<double>(i)) * (i % 3 ? 1 : -1);
    for (int i = 1; i <= n; ++i) yieldPressure[i] = k.status[i] == 1 ? -7.5 : 0.0;
    Vector surface, p;
    SoilEndForces forces;
    HalfSpacePassPressures(c, order, u, k.status, yieldPressure, p, forces, surface);
    // The bordered copy's soil forces R = B v over the same unknowns.
    std::vector<long double> v(size + 1, 0.0L);
    for (int t = 1; t <= size; ++t) v[t] = t <= n ? u[2 * t - 1] : u[n + t];
    long double total = 0;
    for (int t = 1; t <= size; ++t) {
      long double r = 0;
      for (int j = 1; j <= size; ++j) r += b(t, j) * v[j];
      total += r;
      if (t <= n && k.status[t] != 1) {
        EXPECT_EQ(p[t], static_cast<double>(r / (c.part[t - 1] + c.part[t]))) << t;
      }
    }
    EXPECT_EQ(p[n + 1], static_cast<double>(total));
    for (int i = 1; i <= n; ++i) {
      if (k.status[i] == 1) {
        EXPECT_EQ(p[i], -7.5) << i;
      }
      // A yielded node's surface is the border unknown of the position its soil row moved to.
      const int t = static_cast<int>(std::find(order.begin() + n + 1, order.end(), i) - order.begin());
      EXPECT_EQ(surface[i], static_cast<double>(v[k.status[i] == 1 ? t : i])) << i;
    }
  }
}

TEST(StopCodeOf, EachOutcomeHasItsStop) {
  EXPECT_EQ(StopCodeOf(ContactOutcome::kSettled), 0);
  EXPECT_EQ(StopCodeOf(ContactOutcome::kPassLimit), kStopIterationUnstable);
  EXPECT_EQ(StopCodeOf(ContactOutcome::kTooFewInContact), kStopSystemUnstable);
  EXPECT_EQ(StopCodeOf(ContactOutcome::kSingular), kStopSystemUnstable);
}

}  // namespace
}  // namespace beamkernel
