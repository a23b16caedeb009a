// The equation layer of the beam-type solvers: the half-space system of a structure whose first
// nodes have no soil, with bordered yielded nodes, assembled in compact form against the band
// of the kernel's own routines; the outcomes of a solution; the stop codes of the iterations.
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

TEST(StopCodeOf, EachOutcomeHasItsStop) {
  EXPECT_EQ(StopCodeOf(ContactOutcome::kSettled), 0);
  EXPECT_EQ(StopCodeOf(ContactOutcome::kPassLimit), kStopIterationUnstable);
  EXPECT_EQ(StopCodeOf(ContactOutcome::kTooFewInContact), kStopSystemUnstable);
  EXPECT_EQ(StopCodeOf(ContactOutcome::kSingular), kStopSystemUnstable);
}

}  // namespace
}  // namespace beamkernel
