// The half-space system solver and the soil matrix inversion of the beam kernel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/beamkernel.h"

namespace beamkernel {
namespace {

// A beam of n nodes on a fully coupling soil (every translation with every other), as a band
// matrix of half band 2n + extra: elements, soil, a spring, a fixed rotation, an unyielding node
// and `extra` bordered soil unknowns.
BandMatrix HalfSpaceSystem(int n, int extra, bool withSupports) {
  const int neq = 2 * n + extra;
  BandMatrix a(neq, neq);
  for (int e = 1; e < n; ++e) {
    ElementMatrix k;
    ElementStiffness(k, 0.5, 0.01, 3.0e7, +1);
    for (int r = 1; r <= 4; ++r)
      for (int c = r; c <= 4; ++c) a(2 * e - 2 + r, c - r + 1) += k[r][c];
  }
  SoilMatrix s(n + extra, n + extra);
  for (int i = 1; i <= n + extra; ++i)
    for (int j = 1; j <= n + extra; ++j) s(i, j) = 4000.0L / (1 + std::abs(i - j)) + (i == j ? 6000 : 0);
  AddSoilMatrix(a, n, s, extra);
  if (withSupports) {
    a(5, 1) += 2500;  // a spring at node 3
    ImposeSupports(a, {2}, neq);
    ImposeNodeSupports(a, {n}, neq);
  }
  return a;
}

Vector Loads(int neq) {
  Vector b(neq + 1, 0.0);
  for (int i = 1; i <= neq; ++i) b[i] = (i % 2 ? 10.0 : 0.5) * (1 + 0.1 * i);
  return b;
}

// The condensed solution equals the band elimination of the same system.
TEST(CondensedSolve, AgreesWithTheBandElimination) {
  struct Case {
    int nodes, extra;
    bool supports;
  } cases[] = {{2, 0, false}, {7, 0, true}, {12, 3, true}, {40, 5, false}};
  for (const Case& c : cases) {
    const int neq = 2 * c.nodes + c.extra;
    BandMatrix a = HalfSpaceSystem(c.nodes, c.extra, c.supports), band = a;
    Vector x = Loads(neq), reference = x;
    std::string message, bandMessage;
    CondensedSolve(a, neq, c.nodes, x, message);
    BandSolve(band, neq, reference, bandMessage, neq, 3);
    ASSERT_TRUE(message.empty()) << c.nodes;
    ASSERT_TRUE(bandMessage.empty());
    double largest = 0;
    for (int i = 1; i <= neq; ++i) largest = std::max(largest, std::fabs(reference[i]));
    for (int i = 1; i <= neq; ++i) EXPECT_NEAR(x[i], reference[i], 1e-12 * largest) << c.nodes << " at " << i;
  }
}

// A mirror-symmetric beam under mirror-symmetric loads turns antisymmetrically: the condensed
// solution keeps that to rounding, where a plain elimination in double lets it drift.
TEST(CondensedSolve, SymmetricStructureGivesAntisymmetricRotations) {
  const int n = 101, neq = 2 * n;
  BandMatrix a = HalfSpaceSystem(n, 0, false);
  Vector x(neq + 1, 0.0);
  for (int i = 1; i <= n; ++i) x[2 * i - 1] = 10.0;
  std::string message;
  CondensedSolve(a, neq, n, x, message);
  ASSERT_TRUE(message.empty());
  double largest = 0;
  for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(x[2 * i]));
  ASSERT_GT(largest, 0);
  for (int i = 1; i <= n; ++i) {
    EXPECT_NEAR(x[2 * i - 1], x[2 * (n + 1 - i) - 1], 1e-13 * std::fabs(x[1])) << i;
    EXPECT_NEAR(x[2 * i], -x[2 * (n + 1 - i)], 1e-10 * largest) << i;
  }
}

// A mechanism stops with the band solver's message and leaves the loads as they were: rotations
// with no stiffness (no elements), and a free beam with nothing under it.
TEST(CondensedSolve, MechanismIsSingularAndLeavesTheLoads) {
  const int n = 5, neq = 2 * n;
  BandMatrix soilOnly(neq, neq);
  SoilMatrix s(n, n);
  for (int i = 1; i <= n; ++i) s(i, i) = 1000;
  AddSoilMatrix(soilOnly, n, s, 0);
  BandMatrix free = HalfSpaceSystem(n, 0, false);
  for (int r = 1; r <= neq; ++r)
    for (int c = 1; c <= neq; ++c) free(r, c) = 0.0;
  for (int e = 1; e < n; ++e) {
    ElementMatrix k;
    ElementStiffness(k, 0.5, 0.01, 3.0e7, +1);
    for (int r = 1; r <= 4; ++r)
      for (int c = r; c <= 4; ++c) free(2 * e - 2 + r, c - r + 1) += k[r][c];
  }
  for (BandMatrix* a : {&soilOnly, &free}) {
    Vector b = Loads(neq), kept = b;
    std::string message;
    CondensedSolve(*a, neq, n, b, message);
    EXPECT_EQ(message, kSingularMessage);
    EXPECT_EQ(b, kept);
  }
}

// The symmetric elimination inverts a half-space-like flexibility to extended precision, and an
// indefinite (but regular) symmetric matrix as well; a singular one, or one whose elimination
// cancels a pivot to rounding, is refused.
TEST(InvertSoilMatrix, SymmetricEliminationInverse) {
  const int n = 60;
  SoilMatrix f(n, n), inverse;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) f(i, j) = i == j ? 2.5L : 1.0L / std::abs(i - j) * 0.9L;
  ASSERT_TRUE(InvertSoilMatrix(f, inverse, 2.0L));
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      long double sum = 0;
      for (int k = 1; k <= n; ++k) sum += f(i, k) * inverse(k, j);
      EXPECT_NEAR(static_cast<double>(sum), i == j ? 2.0 : 0.0, 1e-16) << i << "," << j;
      EXPECT_EQ(inverse(i, j), inverse(j, i));
    }
  SoilMatrix indefinite(2, 2);
  indefinite(1, 1) = indefinite(2, 2) = 1;
  indefinite(1, 2) = indefinite(2, 1) = 2;
  ASSERT_TRUE(InvertSoilMatrix(indefinite, inverse, 3.0L));
  EXPECT_NEAR(static_cast<double>(inverse(1, 1)), -1.0, 1e-18);
  EXPECT_NEAR(static_cast<double>(inverse(1, 2)), 2.0, 1e-18);
  SoilMatrix singular(3, 3);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) singular(i, j) = i * j;
  EXPECT_FALSE(InvertSoilMatrix(singular, inverse, 1.0L));
  // The pivot rule of every elimination: a pivot cancelled to rounding of its own diagonal.
  SoilMatrix pair(2, 2);
  pair(1, 1) = pair(1, 2) = pair(2, 1) = 1e6L;
  pair(2, 2) = 1e6L + 1e-7L;
  EXPECT_FALSE(InvertSoilMatrix(pair, inverse, 1.0L));
}

// The dense symmetric factors: a solution against the known one, and the pivot rule against the
// equations' own diagonals, also those of a larger system that an elimination has condensed.
TEST(FactorSymmetricDense, SolvesAndTellsACancelledPivot) {
  const int n = 4;
  std::vector<double> a = {10, 1, 2, 0, 1, 8, 1, 1, 2, 1, 9, 3, 0, 1, 3, 7};
  const std::vector<double> x = {1, -2, 0.5, 3};
  std::vector<double> b(n, 0.0);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) b[i] += a[i * n + j] * x[j];
  ASSERT_TRUE(FactorSymmetricDense(a, n));
  SolveFactoredSymmetric(a, n, b);
  for (int i = 0; i < n; ++i) EXPECT_NEAR(b[i], x[i], 1e-13) << i;
  // A rigid pair: the second pivot cancels to rounding of its own diagonal.
  std::vector<double> pair = {1e6, -1e6, -1e6, 1e6 + 1e-7};
  EXPECT_FALSE(FactorSymmetricDense(pair, 2));
  // What is left of a stiff pair after its first unknown was eliminated elsewhere: alone it
  // looks sound; with its diagonal in the whole system the cancellation shows.
  std::vector<double> rest = {1e-7};
  EXPECT_TRUE(FactorSymmetricDense(rest, 1));
  rest = {1e-7};
  EXPECT_FALSE(FactorSymmetricDense(rest, 1, {1e6 + 1e-7}));
}

}  // namespace
}  // namespace beamkernel
