#include "core/beamkernel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace beamkernel {
namespace {

// With rotation = -du/dx (sign -1) only the translation-rotation couplings change sign.
TEST(ElementStiffness, RotationSignFlipsOnlyTheCouplings) {
  const double l = 1.5, i = 0.002, e = 2.0e7, ei = e * i;
  ElementMatrix plus, minus;
  ElementStiffness(plus, l, i, e, +1);
  ElementStiffness(minus, l, i, e, -1);
  const double c = 6 * ei / (l * l);
  EXPECT_DOUBLE_EQ(minus[1][2], -c);
  EXPECT_DOUBLE_EQ(minus[1][4], -c);
  EXPECT_DOUBLE_EQ(minus[2][3], c);
  EXPECT_DOUBLE_EQ(minus[3][4], c);
  const bool coupling[5][5] = {{}, {0, 0, 1, 0, 1}, {0, 1, 0, 1, 0}, {0, 0, 1, 0, 1}, {0, 1, 0, 1, 0}};
  for (int r = 1; r <= 4; ++r)
    for (int s = 1; s <= 4; ++s) {
      EXPECT_EQ(minus[r][s], minus[s][r]);
      EXPECT_EQ(minus[r][s], coupling[r][s] ? -plus[r][s] : plus[r][s]) << r << s;
    }
}

// A pile element held at its top (node i) and pushed at its foot by P: the foot moves
// P L^3 / (3 EI) and turns by -P L^2 / (2 EI) when rotations are -du/dx.
TEST(ElementStiffness, CantileverWithRotationSignMinusOne) {
  const double l = 2.0, i = 0.002, e = 2.0e7, ei = e * i, p = 10.0;
  ElementMatrix k;
  ElementStiffness(k, l, i, e, -1);
  double det = k[3][3] * k[4][4] - k[3][4] * k[4][3];
  double u = p * k[4][4] / det, theta = -k[4][3] * p / det;
  EXPECT_NEAR(u, p * l * l * l / (3 * ei), 1e-15);
  EXPECT_NEAR(theta, -p * l * l / (2 * ei), 1e-15);
}

TEST(TrapezoidalLoadTerms, MomentTermsTakeTheRotationSign) {
  const struct {
    double length, pi, pj;
  } cases[] = {{1.0, 10.0, 10.0}, {2.0, 0.0, 30.0}, {0.5, -20.0, 5.0}};
  for (const auto& c : cases) {
    EndForceTable plus, minus;
    plus.Resize(1);
    minus.Resize(1);
    Vector lp(5, 0.0), lm(5, 0.0);
    TrapezoidalLoadTerms(1, c.length, c.pi, c.pj, plus, lp, +1);
    TrapezoidalLoadTerms(1, c.length, c.pi, c.pj, minus, lm, -1);
    const double l2 = c.length * c.length;
    EXPECT_DOUBLE_EQ(minus(1, 2), (c.pi / 20 + c.pj / 30) * l2);
    EXPECT_DOUBLE_EQ(minus(1, 4), -(c.pi / 30 + c.pj / 20) * l2);
    for (int k : {1, 3}) {
      EXPECT_EQ(minus(1, k), plus(1, k));
      EXPECT_EQ(lm[k], lp[k]);
    }
    for (int k : {2, 4}) {
      EXPECT_EQ(minus(1, k), -plus(1, k));
      EXPECT_EQ(lm[k], -minus(1, k));
    }
  }
}

TEST(YieldForceTerms, MomentTermsTakeTheRotationSign) {
  EndForceTable plus, minus;
  plus.Resize(1);
  minus.Resize(1);
  Vector lp(5, 0.0), lm(5, 0.0);
  YieldForceTerms(1, 1.2, 40.0, -15.0, plus, lp, +1);
  YieldForceTerms(1, 1.2, 40.0, -15.0, minus, lm, -1);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(minus(1, k), k % 2 ? plus(1, k) : -plus(1, k)) << k;
    EXPECT_EQ(lm[k], k % 2 ? lp[k] : -lp[k]) << k;
  }
}

TEST(BandSolve, SmallBandSystemAndItsMultipliers) {
  BandMatrix a(3, 2);
  a(1, 1) = 4;
  a(1, 2) = 1;
  a(2, 1) = 4;
  a(2, 2) = 1;
  a(3, 1) = 4;
  Vector b = {0.0, 5.0, 6.0, 5.0};
  std::string message;
  EXPECT_EQ(BandSolve(a, 3, b, message, 2, 3), SolveStatus::kSolved);
  EXPECT_EQ(message, "");
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(b[i], 1.0, 1e-15) << i;
  EXPECT_DOUBLE_EQ(a(1, 2), 0.25);
  EXPECT_DOUBLE_EQ(a(2, 1), 3.75);
  EXPECT_NEAR(a(2, 2), 0.2666667, 5e-8);
  EXPECT_NEAR(a(3, 1), 3.7333333, 5e-8);

  BandMatrix singular(3, 2);
  singular(1, 2) = 1;
  singular(2, 1) = 4;
  singular(3, 1) = 4;
  Vector kept = {0.0, 5.0, 6.0, 5.0}, c = kept;
  EXPECT_EQ(BandSolve(singular, 3, c, message, 2, 3), SolveStatus::kSingular);
  EXPECT_EQ(message, "MATRIX IS SINGULAR");
  EXPECT_EQ(c, kept);
}

TEST(WinklerSoilMatrix, HalvesOfALinearModulus) {
  const struct {
    int half;
    double own, coupling, next;
  } cases[] = {{1, 1744.792, 546.875, 286.458}, {2, 338.542, 703.125, 2630.208}};
  for (const auto& c : cases) {
    SoilMatrix s(2, 2);
    WinklerSoilMatrix(c.half, s, 1, 1.0, 0.5, 10000.0, 20000.0);
    EXPECT_NEAR(static_cast<double>(s(1, 1)), c.own, 5e-4) << c.half;
    EXPECT_NEAR(static_cast<double>(s(1, 2)), c.coupling, 5e-4) << c.half;
    EXPECT_NEAR(static_cast<double>(s(2, 1)), c.next, 5e-4) << c.half;
  }
}

TEST(WinklerReactions, EndForcesOfOneTranslatedEnd) {
  Vector u = {0.0, 1.0, 0.0, 0.0, 0.0}, length = {0.0, 1.0}, width = {0.0, 0.5};
  Table2D<double> moduli;
  moduli(1, 1) = 10000.0;
  moduli(1, 2) = 20000.0;
  SoilEndForces forces;
  double total = 0;
  WinklerReactions(u, 1, length, width, moduli, forces, total);
  EXPECT_NEAR(forces.atI[1], 2083.333, 5e-4);
  EXPECT_NEAR(forces.atJ[1], 1250.000, 5e-4);
  EXPECT_NEAR(total, 3333.333, 5e-4);
}


TEST(AddSoilMatrix, SoilNodesAfterAFreeLengthAndTheBorder) {
  // Two nodes above the soil, three in it, one bordered unknown: soil index k is the translation
  // of node 2 + k, freedom 2 (2 + k) - 1; the border unknown follows all 10 freedoms.
  SoilMatrix s(4, 4);
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) s(i, j) = 10 * std::min(i, j) + std::max(i, j);
  BandMatrix a(11, 11);
  AddSoilMatrix(a, 3, s, 1, 2);
  EXPECT_EQ(a(5, 1), 11.0);   // node 3 with itself
  EXPECT_EQ(a(5, 3), 12.0);   // freedoms 5 and 7
  EXPECT_EQ(a(5, 5), 13.0);   // freedoms 5 and 9
  EXPECT_EQ(a(5, 7), 14.0);   // freedom 5 and the border unknown 11
  EXPECT_EQ(a(9, 3), 34.0);   // freedoms 9 and 11
  EXPECT_EQ(a(11, 1), 44.0);
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 11; ++c) EXPECT_EQ(a(r, c), 0.0) << r << " " << c;  // the free length
}

TEST(YieldPassLimit, HalvesAndQuartersRoundToEven) {
  const int table[][2] = {{2, 2}, {20, 20}, {21, 10}, {23, 12}, {30, 15}, {81, 20}, {82, 20}, {100, 25}};
  for (const auto& row : table) EXPECT_EQ(YieldPassLimit(row[0]), row[1]) << row[0];
}

TEST(BorderYieldedNodes, NothingYieldedLeavesTheMatrixAndYieldedNodesMoveToTheBorder) {
  SoilMatrix s(5, 5), original;
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) s(i, j) = 10 * std::min(i, j) + std::max(i, j);
  original = s;
  BorderYieldedNodes(s, {0, 0, 0, 0}, 3);
  for (int i = 1; i <= 5; ++i)
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(s(i, j), original(i, j));
  BorderYieldedNodes(s, {0, 1, 0, 1}, 3);  // nodes 1 and 3 yield: border 4 and 5
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(s(1, k), 0.0L);
    EXPECT_EQ(s(3, k), 0.0L);
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(s(k, j), s(j, k));
  }
  EXPECT_EQ(s(4, 4), original(1, 1));
  EXPECT_EQ(s(5, 5), original(3, 3));
  EXPECT_EQ(s(4, 5), original(1, 3));
  EXPECT_EQ(s(2, 4), original(2, 1));
  EXPECT_EQ(s(2, 2), original(2, 2));
}

TEST(ElementResults, ElasticAndYieldedHalves) {
  const double k = 2.0E4, l = 0.5, w = 0.4, ui = 0.003, uj = 0.001;
  Vector u = {0, ui, 0, uj, 0}, length = {0, l}, width = {0, w}, p = {0, 90, -80, 0};
  Table2D<double> moduli;
  moduli(1, 1) = moduli(1, 2) = k;
  SoilEndForces f;
  double total = 0;
  ElementResults(u, {0, 0, 0}, f, 1, length, width, moduli, p, total);
  EXPECT_NEAR(f.atI[1], k * l * w * (ui / 3 + uj / 6), 1e-12);
  EXPECT_NEAR(f.atJ[1], k * l * w * (uj / 3 + ui / 6), 1e-12);
  ElementResults(u, {0, 1, 1}, f, 1, length, width, moduli, p, total);
  EXPECT_EQ(f.atI[1], 0.0);
  EXPECT_EQ(f.atJ[1], 0.0);
  EXPECT_NEAR(total, (90 - 80) * l * w / 2, 1e-12);
}

}  // namespace
}  // namespace beamkernel

namespace beamkernel {
namespace {

// A soil matrix keeps its storage from one size to the next: Resize always clears what it
// gives, a copy is a copy, and a matrix sized for overwriting has its unused row and column 0
// clear.
TEST(SoilMatrix, StorageKeptAcrossSizesButEveryResizeClears) {
  SoilMatrix a(3, 3);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) a(i, j) = 10 * i + j;
  SoilMatrix copy = a;
  a(2, 2) = -1;
  EXPECT_EQ(copy(2, 2), 22.0L);
  EXPECT_EQ(copy.Rows(), 3);
  SoilMatrix moved = std::move(copy);
  EXPECT_EQ(moved(3, 1), 31.0L);
  a.Resize(2, 2);
  a.Resize(4, 4);  // larger again, within the storage it had or beyond
  for (int i = 0; i <= 4; ++i)
    for (int j = 0; j <= 4; ++j) EXPECT_EQ(a(i, j), 0.0L) << i << "," << j;
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 4; ++j) a(i, j) = 1;
  a.ResizeForOverwrite(3, 3);
  for (int k = 0; k <= 3; ++k) {
    EXPECT_EQ(a(0, k), 0.0L);
    EXPECT_EQ(a(k, 0), 0.0L);
  }
  SoilMatrix never, assigned(2, 2);
  assigned = never;
  EXPECT_EQ(assigned.Rows(), 0);
}

}  // namespace
}  // namespace beamkernel
