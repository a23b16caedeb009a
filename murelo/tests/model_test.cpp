// The wall's model: the stem node, the stem's element matrix, the element load terms, the
// half-space flexibility against closed forms, and the dense solver.
#include "murelo/core/model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace murelo {
namespace {

TEST(FindStemNode, FindsTheNodeUnderTheStemAxis) {
  Table2D<double> plate;
  plate.Redim(4, 2);
  for (int i = 1; i <= 4; ++i) plate(i, 1) = 1.0;
  struct Case {
    double toe;
    int node;
    bool found;
  };
  for (const Case& c :
       {Case{4.0, 5, true}, Case{4.0005, 5, true}, Case{0.0, 1, true}, Case{0.001, 1, true}, Case{2.0, 3, true},
        Case{2.0009, 3, true}, Case{1.0, 2, true}, Case{1.5, 0, false}, Case{2.002, 0, false}, Case{5.0, 0, false}}) {
    bool found = !c.found;
    int m = FindStemNode(plate, 4, 4.0, c.toe, found);
    EXPECT_EQ(found, c.found) << "toe " << c.toe;
    if (c.found) {
      EXPECT_EQ(m, c.node) << "toe " << c.toe;
    }
  }
}

TEST(PlateStripElement, CantileverTipUnderAUnitForce) {
  // One element held at i: a unit force toward the toe at j moves it L^3/(3D) and turns it
  // counter-clockwise by L^2/(2D) (clockwise = -du/ds).
  const double L = 2.5, t = 0.3, E = 3.0E7, nu = 0.2, D = E * t * t * t / (12 * (1 - nu * nu));
  ElementMatrix k;
  PlateStripElement(k, L, t, E, nu);
  EXPECT_DOUBLE_EQ(k[1][2], -6 * D / (L * L));
  DenseMatrix a;
  a.Resize(4);
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) {
      EXPECT_DOUBLE_EQ(k[r][c], k[c][r]);
      a(r, c) = k[r][c];
    }
  Vector f(5, 0.0), x;
  f[3] = 1;
  f[1] = 7;  // a load at a held unknown does nothing
  ImposeFreedom(a, f, 1);
  ImposeFreedom(a, f, 2);
  ASSERT_TRUE(SolveDense(a, f, x));
  EXPECT_NEAR(x[3], L * L * L / (3 * D), 1e-12 * L * L * L / D);
  EXPECT_NEAR(x[4], -L * L / (2 * D), 1e-12 * L * L / D);
  EXPECT_EQ(x[1], 0.0);
  EXPECT_EQ(x[2], 0.0);
}

TEST(ElementLoadTerms, PlateAndStemSigns) {
  double p[5], s[5], c[5];
  PlateLoadTerms(2.0, 10, 4, p);
  EXPECT_DOUBLE_EQ(p[1], 2.0 * (70 + 12) / 20);
  EXPECT_DOUBLE_EQ(p[2], 4.0 * (10.0 / 20 + 4.0 / 30));
  EXPECT_DOUBLE_EQ(p[3], 2.0 * (30 + 28) / 20);
  EXPECT_DOUBLE_EQ(p[4], -4.0 * (10.0 / 30 + 4.0 / 20));
  StemLoadTerms(2.0, 10, 4, s);
  for (int k = 1; k <= 4; ++k) EXPECT_DOUBLE_EQ(s[k], k % 2 ? p[k] : -p[k]);
  StemCoupleTerms(2.0, 3, 1, c);
  EXPECT_DOUBLE_EQ(c[1], 2);
  EXPECT_DOUBLE_EQ(c[2], 2.0 * 2 / 12);
  EXPECT_DOUBLE_EQ(c[3], -2);
  EXPECT_DOUBLE_EQ(c[4], -2.0 * 2 / 12);
}

TEST(HalfSpaceFlexibilityCoefficients, EntriesOfATwoElementPlate) {
  SoilMatrix f;
  Vector x{0, 0, 1, 2}, b{0, 10, 10};
  HalfSpaceFlexibilityCoefficients(f, 3, x, b, 0.3);
  EXPECT_NEAR(static_cast<double>(f(2, 2)), 10.188874, 5e-7);
  EXPECT_NEAR(static_cast<double>(f(2, 4)), 2 * std::asinh(10.0), 1e-12);
  EXPECT_NEAR(static_cast<double>(f(2, 4)), 5.996446, 5e-7);
  EXPECT_NEAR(static_cast<double>(f(1, 4)), -0.840644, 5e-7);
  EXPECT_NEAR(static_cast<double>(f(2, 3)), 0.840644, 5e-7);
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= 6; ++j) EXPECT_EQ(f(i, j), f(j, i)) << i << "," << j;
  // The horizontal diagonal adds the Poisson term nu b asinh(a/b)/(1 - nu) of each side.
  const double a = 1.0 / 3, s = a * std::asinh(10 / a) + 10 * std::asinh(a / 10);
  EXPECT_NEAR(static_cast<double>(f(1, 1)), 2 * (s + 0.3 * 10 * std::asinh(a / 10) / 0.7) / a, 1e-12);
}

TEST(HalfSpaceFlexibilityCoefficients, SettlementsOfAFlexibleRectangleAsSteinbrenner) {
  // A 4 m plate of 20 elements taken 40 m long (b 20), nodal forces q x tributary width:
  // Steinbrenner's flexible 4 m x 40 m rectangle under q 100 (E 30000, nu 0.3) settles 30.871 mm
  // at its centre and 25.536 mm at the middle of a long edge.
  const int n = 21;
  const double q = 100, E = 30000, nu = 0.3;
  Vector x(n + 1, 0.0), b(n, 20.0);
  for (int i = 1; i <= n; ++i) x[i] = 0.2 * (i - 1);
  SoilMatrix f;
  HalfSpaceFlexibilityCoefficients(f, n, x, b, nu);
  const long double pi = 4 * std::atan(1.0L);
  auto settlement = [&](int i) {
    long double w = 0;
    for (int j = 1; j <= n; ++j) w += f(2 * i, 2 * j) * q * (j == 1 || j == n ? 0.1 : 0.2);
    return static_cast<double>(w * (1 - nu * nu) / (pi * E) * 1000);
  };
  EXPECT_NEAR(settlement(11), 30.871, 0.005 * 30.871);
  EXPECT_NEAR(settlement(1), 25.536, 0.005 * 25.536);
  EXPECT_NEAR(settlement(21), 25.536, 0.005 * 25.536);
}

TEST(SolveDense, PivotsAndStopsOnMechanisms) {
  DenseMatrix a;
  a.Resize(3);
  const double rows[3][3] = {{0, 2, 1}, {1, 1, 0}, {2, 0, 3}};  // a zero first pivot: rows exchanged
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c) a(r, c) = rows[r - 1][c - 1];
  Vector f{0, 3, 2, 5}, x;
  ASSERT_TRUE(SolveDense(a, f, x));
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(x[i], 1.0, 1e-14);

  struct Case {
    const char* what;
    double m[2][2];
  };
  for (const Case& c : {Case{"zero matrix", {{0, 0}, {0, 0}}}, Case{"two equal rows", {{1E6, 1E6}, {1E6, 1E6}}},
                        Case{"a column rounding holds", {{1E12, 1E12}, {1E12, 1E12 + 0.5}}}}) {
    DenseMatrix k;
    k.Resize(2);
    for (int r = 1; r <= 2; ++r)
      for (int s = 1; s <= 2; ++s) k(r, s) = c.m[r - 1][s - 1];
    Vector g{0, 1, 1}, y{0, 42, 42};
    EXPECT_FALSE(SolveDense(k, g, y)) << c.what;
    EXPECT_EQ(y[1], 42) << c.what;
  }
}

TEST(ApplyUnyieldingSupports, SkipsNumbersThatAreNoNodes) {
  DenseMatrix k;
  k.Resize(6);
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 6; ++c) k(r, c) = 2;
  Vector f(7, 5.0);
  ApplyUnyieldingSupports(k, f, {2, 0, 3, -1}, 2);
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 6; ++c) {
      double expected = (r == 5 || c == 5) ? (r == c ? 1.0 : 0.0) : 2.0;
      EXPECT_EQ(k(r, c), expected) << r << "," << c;
    }
  EXPECT_EQ(f[5], 0.0);
  EXPECT_EQ(f[2], 5.0);
}

}  // namespace
}  // namespace murelo
