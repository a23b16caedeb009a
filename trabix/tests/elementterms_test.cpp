#include <gtest/gtest.h>

#include <cmath>

#include "trabix/core/elementterms.h"

namespace trabix {
namespace {

// A cantilever of one element fixed at node i: the free end's two equations of the element
// matrix alone must give beam theory's tip translation and rotation.
TEST(ElementStiffness, CantileverTipMatchesBeamTheory) {
  const struct {
    double length, inertia, modulus, force, moment;
  } cases[] = {
      {1.0, 1.0, 1.0, 1.0, 0.0},
      {4.0, 0.003125, 3.0e7, 10.0, 0.0},
      {2.5, 2.0e-4, 2.1e8, 0.0, 7.5},
      {0.3, 1.0e-6, 7.0e7, -3.0, 2.0},
  };
  for (const auto& c : cases) {
    ElementMatrix k;
    ElementStiffness(k, c.length, c.inertia, c.modulus);
    for (int r = 1; r <= 4; ++r)
      for (int s = 1; s <= 4; ++s) EXPECT_EQ(k[r][s], k[s][r]);
    // [k33 k34; k43 k44] (w, theta) = (P, M)
    double det = k[3][3] * k[4][4] - k[3][4] * k[4][3];
    double w = (c.force * k[4][4] - k[3][4] * c.moment) / det;
    double theta = (k[3][3] * c.moment - k[4][3] * c.force) / det;
    double ei = c.modulus * c.inertia, l = c.length;
    double wExpected = c.force * l * l * l / (3 * ei) + c.moment * l * l / (2 * ei);
    double thetaExpected = c.force * l * l / (2 * ei) + c.moment * l / ei;
    EXPECT_NEAR(w, wExpected, 1e-12 * std::fabs(wExpected) + 1e-300) << l;
    EXPECT_NEAR(theta, thetaExpected, 1e-12 * std::fabs(thetaExpected) + 1e-300) << l;
    // The fixed end holds the element: its force and moment balance the tip's (clockwise positive).
    double f1 = k[1][3] * w + k[1][4] * theta, f2 = k[2][3] * w + k[2][4] * theta;
    EXPECT_NEAR(f1, -c.force, 1e-9 * (1 + std::fabs(c.force)));
    EXPECT_NEAR(f2, -c.force * l - c.moment, 1e-9 * (1 + std::fabs(c.force * l) + std::fabs(c.moment)));
  }
}

TEST(ElementEndForces, RigidBodyMotionGivesNoForces) {
  ElementMatrix k;
  ElementStiffness(k, 2.0, 0.01, 2.0e8);
  const double slope = 1e-3;
  double u[5] = {0.0, 0.005, slope, 0.005 + 2.0 * slope, slope}, f[5];
  ElementEndForces(k, u, f);
  for (int r = 1; r <= 4; ++r) EXPECT_NEAR(f[r], 0.0, 1e-6);
}

TEST(TrapezoidalLoadTerms, UniformAndTriangularLoads) {
  EndForceTable fixedEnd;
  fixedEnd.Resize(2);
  Vector load(7, 0.0);
  const double l = 3.0, p = 12.0;
  TrapezoidalLoadTerms(2, l, p, p, fixedEnd, load);
  EXPECT_DOUBLE_EQ(fixedEnd(2, 1), -p * l / 2);
  EXPECT_DOUBLE_EQ(fixedEnd(2, 2), -p * l * l / 12);  // hogging at both ends of a fixed span
  EXPECT_DOUBLE_EQ(fixedEnd(2, 3), -p * l / 2);
  EXPECT_DOUBLE_EQ(fixedEnd(2, 4), p * l * l / 12);
  EXPECT_DOUBLE_EQ(load[3], p * l / 2);
  EXPECT_DOUBLE_EQ(load[4], p * l * l / 12);
  EXPECT_DOUBLE_EQ(load[6], -p * l * l / 12);
  EXPECT_EQ(load[1], 0.0);
  // A triangle rising to p at node j: reactions p L / 6 and p L / 3, fixed-end moments
  // p L^2 / 30 and p L^2 / 20.
  fixedEnd.Resize(1);
  Vector tri(5, 0.0);
  TrapezoidalLoadTerms(1, l, 0.0, p, fixedEnd, tri);
  EXPECT_NEAR(fixedEnd(1, 1) + fixedEnd(1, 3), -p * l / 2, 1e-12);
  EXPECT_NEAR(fixedEnd(1, 1), -3 * p * l / 20, 1e-12);
  EXPECT_NEAR(fixedEnd(1, 2), -p * l * l / 30, 1e-12);
  EXPECT_NEAR(fixedEnd(1, 4), p * l * l / 20, 1e-12);
}

// A beam of n elements on springs: a banded symmetric positive definite system.
BandMatrix SpringBeam(int elements, double spring) {
  int n = elements + 1;
  BandMatrix a(2 * n, 4);
  for (int e = 1; e <= elements; ++e) {
    ElementMatrix k;
    ElementStiffness(k, 1.0 + 0.1 * e, 0.002 * e, 3.0e7);
    for (int r = 1; r <= 4; ++r)
      for (int c = r; c <= 4; ++c) a(2 * e - 2 + r, c - r + 1) += k[r][c];
  }
  Table2D<double> springs;
  for (int i = 1; i <= n; ++i) springs(i, 1) = spring * i;
  int count = 0;
  AddNodalSprings(a, count, springs, n);
  EXPECT_EQ(count, spring > 1.0 ? n : 0);
  return a;
}

Vector Multiply(const BandMatrix& a, const Vector& x, int neq, int m) {
  Vector y(neq + 1, 0.0);
  for (int r = 1; r <= neq; ++r)
    for (int c = 1; c <= m && r + c - 1 <= neq; ++c) {
      int s = r + c - 1;
      y[r] += a(r, c) * x[s];
      if (s != r) y[s] += a(r, c) * x[r];
    }
  return y;
}

TEST(BandSolve, ModesOneThenTwoEqualModeThree) {
  for (int elements : {1, 2, 7}) {
    BandMatrix a = SpringBeam(elements, 5.0e3), copy = a, original = a;
    int neq = a.Rows();
    Vector b(neq + 1, 0.0);
    for (int i = 1; i <= neq; ++i) b[i] = (i % 3) - 0.5 * i;
    Vector x3 = b, x12 = b;
    std::string message = "untouched";
    BandSolve(a, neq, x3, message, 4, 3);
    EXPECT_EQ(message, "untouched");
    BandSolve(copy, neq, x12, message, 4, 1);
    BandSolve(copy, neq, x12, message, 4, 2);
    for (int i = 1; i <= neq; ++i) EXPECT_DOUBLE_EQ(x12[i], x3[i]) << elements << " " << i;
    Vector back = Multiply(original, x3, neq, 4);
    for (int i = 1; i <= neq; ++i) EXPECT_NEAR(back[i], b[i], 1e-6 * (1 + std::fabs(b[i])));
    // A second right-hand side with the same triangularised matrix.
    Vector b2(neq + 1, 1.0), x2 = b2;
    BandSolve(copy, neq, x2, message, 4, 2);
    back = Multiply(original, x2, neq, 4);
    for (int i = 1; i <= neq; ++i) EXPECT_NEAR(back[i], 1.0, 1e-6);
  }
}

TEST(BandSolve, ZeroFirstPivotStopsWithTheLoadsUntouched) {
  for (double first : {0.0, 1.0e-31, -1.0e-31}) {
    BandMatrix a = SpringBeam(2, 5.0e3);
    a(1, 1) = first;
    Vector b = {0.0, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
    Vector kept = b;
    std::string message;
    BandSolve(a, 6, b, message, 4, 3);
    EXPECT_EQ(message, "MATRIX IS SINGULAR");
    EXPECT_EQ(b, kept);
  }
}

TEST(BandSolve, RelativePivotTestFlagsMechanismsButNotScales) {
  // A free beam held at one node only turns about it: exactly singular, yet rounding leaves a
  // pivot of about 1E-16 of its diagonal rather than 0.
  BandMatrix a = SpringBeam(4, 0.0);
  ImposeNodeSupports(a, {1}, 4);
  Vector b(11, 0.0);
  b[9] = 10.0;
  std::string message;
  BandSolve(a, 10, b, message, 4, 3);
  EXPECT_EQ(message, "MATRIX IS SINGULAR");
  EXPECT_EQ(b[9], 10.0);

  // Nearly a mechanism: two springs of 1E-9 kN/m under a beam of 1E7 kN*m^2.
  a = SpringBeam(4, 1.0e-9);
  b.assign(11, 1.0);
  message.clear();
  BandSolve(a, 10, b, message, 4, 3);
  EXPECT_EQ(message, "MATRIX IS SINGULAR");

  // Widely different diagonals are no fault: imposed freedoms (unit diagonal) beside very stiff
  // equations, and stiff springs.
  a = SpringBeam(4, 1.0e12);
  ImposeSupports(a, {2, 10}, 4);
  ImposeNodeSupports(a, {1, 5}, 4);
  b.assign(11, 1.0);
  b[1] = b[2] = b[9] = b[10] = 0.0;
  message.clear();
  BandSolve(a, 10, b, message, 4, 3);
  EXPECT_EQ(message, "");
  EXPECT_EQ(b[1], 0.0);
  EXPECT_EQ(b[10], 0.0);
}

TEST(ImposeSupports, ClearsRowAndColumn) {
  BandMatrix a(6, 4);
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 4; ++c) a(r, c) = 10 * r + c;
  BandMatrix first = a;
  ImposeSupports(first, {1}, 4);  // freedom 1 has nothing above its diagonal
  EXPECT_EQ(first(1, 1), 1.0);
  for (int c = 2; c <= 4; ++c) EXPECT_EQ(first(1, c), 0.0);
  for (int r = 2; r <= 6; ++r)
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(first(r, c), a(r, c));

  ImposeSupports(a, {4}, 4);
  EXPECT_EQ(a(4, 1), 1.0);
  EXPECT_EQ(a(4, 2), 0.0);
  EXPECT_EQ(a(3, 2), 0.0);  // (3,4)
  EXPECT_EQ(a(2, 3), 0.0);  // (2,4)
  EXPECT_EQ(a(1, 4), 0.0);  // (1,4)
  EXPECT_EQ(a(1, 3), 13.0);
  EXPECT_EQ(a(5, 1), 51.0);

  BandMatrix nodes(6, 4);
  nodes(2, 2) = 5;  // (2,3): the translation of node 2 is freedom 3
  nodes(3, 2) = 7;
  ImposeNodeSupports(nodes, {2}, 4);
  EXPECT_EQ(nodes(3, 1), 1.0);
  EXPECT_EQ(nodes(2, 2), 0.0);
  EXPECT_EQ(nodes(3, 2), 0.0);
}

TEST(AddSoilMatrix, TranslationsAndBorderedUnknowns) {
  const int n = 3, extra = 1;
  SoilMatrix s(n + extra, n + extra);
  for (int i = 1; i <= n + extra; ++i)
    for (int j = 1; j <= n + extra; ++j) s(i, j) = 10 * std::min(i, j) + std::max(i, j);
  BandMatrix a(2 * n + extra, 2 * n + extra);
  AddSoilMatrix(a, n, s, extra);
  EXPECT_EQ(a(1, 1), 11.0);  // node 1 with itself
  EXPECT_EQ(a(1, 3), 12.0);  // freedoms 1 and 3
  EXPECT_EQ(a(1, 5), 13.0);  // freedoms 1 and 5
  EXPECT_EQ(a(1, 7), 14.0);  // freedom 1 and the extra unknown 7
  EXPECT_EQ(a(5, 3), 34.0);  // freedoms 5 and 7
  EXPECT_EQ(a(7, 1), 44.0);
  EXPECT_EQ(a(2, 1), 0.0);   // rotations take no soil

  SoilMatrix w(n, 2);
  w(1, 1) = 1;
  w(1, 2) = 2;
  w(2, 1) = 3;
  w(2, 2) = 4;
  w(3, 1) = 5;
  BandMatrix b(2 * n, 4);
  AddSoilMatrixFull(b, n, w);
  EXPECT_EQ(b(1, 1), 1.0);
  EXPECT_EQ(b(1, 3), 2.0);
  EXPECT_EQ(b(3, 3), 4.0);
  EXPECT_EQ(b(5, 1), 5.0);
}

}  // namespace
}  // namespace trabix
