#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "../../common/tests/testdir.h"
#include "trabix/core/soilmodels.h"

namespace trabix {
namespace {

// Integral over one half of an element of k(x) N_a(x) N_b(x) with k linear between ki and kj
// and linear shape functions; Simpson's rule is exact for the cubic integrand.
double HalfIntegral(int half, int a, int b, double length, double ki, double kj) {
  auto f = [&](double xi) {
    double k = ki * (1 - xi) + kj * xi;
    double na = a == 1 ? 1 - xi : xi, nb = b == 1 ? 1 - xi : xi;
    return k * na * nb;
  };
  double lo = half == 1 ? 0.0 : 0.5, hi = lo + 0.5;
  return length * (hi - lo) / 6 * (f(lo) + 4 * f((lo + hi) / 2) + f(hi));
}

TEST(WinklerSoilMatrix, HalvesAreTheIntegralsOfTheModulus) {
  const struct {
    double length, width, ki, kj;
  } cases[] = {{1.0, 1.0, 192.0, 192.0}, {0.5, 2.0, 1.0e4, 1.0e4}, {2.0, 1.0, 1.0e4, 3.0e4}, {0.25, 0.4, 5.0e4, 0.0}};
  for (const auto& c : cases) {
    for (int half = 1; half <= 2; ++half) {
      SoilMatrix s(3, 2);
      WinklerSoilMatrix(half, s, 2, c.length, c.width, c.ki, c.kj);
      EXPECT_NEAR(static_cast<double>(s(2, 1)), c.width * HalfIntegral(half, 1, 1, c.length, c.ki, c.kj), 1e-9 * c.ki + 1e-9);
      EXPECT_NEAR(static_cast<double>(s(2, 2)), c.width * HalfIntegral(half, 1, 2, c.length, c.ki, c.kj), 1e-9 * c.ki + 1e-9);
      EXPECT_NEAR(static_cast<double>(s(3, 1)), c.width * HalfIntegral(half, 2, 2, c.length, c.ki, c.kj), 1e-9 * c.ki + 1e-9);
      EXPECT_EQ(s(1, 1), 0.0L);
      EXPECT_EQ(s(3, 2), 0.0L);
    }
  }
  // k constant: 56, 16, 8 and 8, 16, 56 times k L w / 192; the whole element k L w / 3, / 6, / 3.
  const double k = 3.0e4, l = 0.8, w = 1.5, unit = k * l * w / 192;
  SoilMatrix first(2, 2), second(2, 2), both(2, 2);
  WinklerSoilMatrix(1, first, 1, l, w, k, k);
  WinklerSoilMatrix(2, second, 1, l, w, k, k);
  WinklerSoilMatrix(1, both, 1, l, w, k, k);
  WinklerSoilMatrix(2, both, 1, l, w, k, k);
  const double expected[3][3] = {{56, 16, 8}, {8, 16, 56}, {64, 32, 64}};
  const SoilMatrix* got[3] = {&first, &second, &both};
  for (int t = 0; t < 3; ++t) {
    EXPECT_NEAR(static_cast<double>((*got[t])(1, 1)), expected[t][0] * unit, 1e-9);
    EXPECT_NEAR(static_cast<double>((*got[t])(1, 2)), expected[t][1] * unit, 1e-9);
    EXPECT_NEAR(static_cast<double>((*got[t])(2, 1)), expected[t][2] * unit, 1e-9);
  }
  EXPECT_NEAR(static_cast<double>(both(1, 1)), k * l * w / 3, 1e-9);
  EXPECT_NEAR(static_cast<double>(both(1, 2)), k * l * w / 6, 1e-9);
}

TEST(WinklerReactions, UniformSettlementGivesModulusTimesArea) {
  Vector length = {0, 1.0, 2.0}, width = {0, 0.5, 0.5};
  Table2D<double> moduli;
  moduli(1, 1) = moduli(1, 2) = 2.0e4;
  moduli(2, 1) = 2.0e4;
  moduli(2, 2) = 4.0e4;
  Vector u = {0, 0.01, 0.0, 0.01, 0.0, 0.01, 0.0};
  SoilEndForces forces;
  double total = 0;
  WinklerReactions(u, 2, length, width, moduli, forces, total);
  // The pressure k u integrated over each element: element 1 200 kPa x 0.5 m^2, element 2
  // (200 + 400) / 2 kPa x 1 m^2.
  EXPECT_NEAR(forces.atI[1] + forces.atJ[1], 100.0, 1e-9);
  EXPECT_NEAR(forces.atI[2] + forces.atJ[2], 300.0, 1e-9);
  EXPECT_NEAR(total, 400.0, 1e-9);
}

// Settlement factor of the corner of a uniformly loaded flexible rectangle B x L (Steinbrenner):
// w = q B (1 - nu^2) / (pi E) x CornerFactor(L / B).
double CornerFactor(double m) {
  return m * std::log((1 + std::sqrt(1 + m * m)) / m) + std::log(m + std::sqrt(1 + m * m));
}

TEST(HalfSpaceFlexibility, OwnTermIsTheSettlementOfTheNodesRectangle) {
  // Two elements of a beam 6 m wide: half-widths 3 (above 2: still the beam's own).
  Vector x = {0, 0.0, 1.5, 2.4}, b = {0, 6.0, 6.0};
  SoilMatrix f;
  HalfSpaceFlexibility(f, 3, x, b, false, 0);
  // Node 2 carries R on the rectangle from -0.5 to +0.3 m along the beam, 6 m across: the
  // settlement of its point under the pressure R / area, per unit R and pi E' = 1.
  double al = 0.5, ar = 0.3, h = 3.0, area = (al + ar) * 2 * h;
  double corners = 2 * al * CornerFactor(h / al) + 2 * ar * CornerFactor(h / ar);
  EXPECT_NEAR(static_cast<double>(f(2, 2)), corners / area, 1e-12);
  // Node 3 seen from node 1: a line load across the width at 2.4 m.
  EXPECT_NEAR(static_cast<double>(f(1, 3)), std::asinh(3.0 / 2.4) / 3.0, 1e-12);
  EXPECT_EQ(f(3, 1), f(1, 3));
  EXPECT_NEAR(static_cast<double>(f(1, 2)), std::asinh(3.0 / 1.5) / 3.0, 1e-12);
}

TEST(HalfSpaceFlexibility, StripForcesArePerMetre) {
  // Strip 0.08 m wide taken 20 x as long (1.6 m): half-width 0.8, yet its nodal forces act on a
  // metre of length: the denominators use half-widths of 0.5.
  for (double stripWidth : {0.08, 2.0}) {
    double b = 20 * stripWidth, h = b / 2;
    double l = stripWidth / 2;
    Vector x = {0, 0.0, l, 2 * l}, widths = {0, b, b};
    SoilMatrix f;
    HalfSpaceFlexibility(f, 3, x, widths, true, 0);
    double a = l / 3;
    double corner = a * std::asinh(h / a) + h * std::asinh(a / h);
    EXPECT_NEAR(static_cast<double>(f(1, 1)), corner / (0.5 * a), 1e-12 * corner / a) << stripWidth;
    EXPECT_NEAR(static_cast<double>(f(2, 2)), 2 * corner / (a), 1e-12 * corner / a);
    EXPECT_NEAR(static_cast<double>(f(1, 2)), 2 * std::asinh(h / l) / 1.0, 1e-12) << stripWidth;
    EXPECT_NEAR(static_cast<double>(f(1, 3)), std::asinh(h / (2 * l)) / 0.5, 1e-12) << stripWidth;
  }
}

TEST(HalfSpaceFlexibility, SymmetricHalfAddsTheMirrorImage) {
  // Whole: 4 equal elements; half: 2 elements with its axis at the last node.
  Vector xw = {0, 0, 1, 2, 3, 4}, bw = {0, 2, 2, 2, 2};
  Vector xh = {0, 0, 1, 2}, bh = {0, 2, 2};
  SoilMatrix whole, half, anti;
  HalfSpaceFlexibility(whole, 5, xw, bw, false, 0);
  HalfSpaceFlexibility(half, 3, xh, bh, false, 1);
  HalfSpaceFlexibility(anti, 3, xh, bh, false, -1);
  // Loads that the half carries at the axis count half (the other half is its mirror).
  EXPECT_NEAR(static_cast<double>(half(1, 3)) / 2, static_cast<double>(whole(1, 3)), 1e-12);
  EXPECT_NEAR(static_cast<double>(half(3, 3)) / 2, static_cast<double>(whole(3, 3)), 1e-12);
  EXPECT_NEAR(static_cast<double>(half(1, 2)), static_cast<double>(whole(1, 2) + whole(1, 4)), 1e-12);
  // Antisymmetric: the axis node's row is a unit diagonal and nothing else.
  EXPECT_EQ(anti(3, 3), 1.0L);
  EXPECT_NEAR(static_cast<double>(anti(1, 3)), 0.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(anti(2, 3)), 0.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(anti(1, 2)), static_cast<double>(whole(1, 2) - whole(1, 4)), 1e-12);
}

TEST(InvertSoilMatrix, InverseTimesMatrixIsIdentity) {
  const int n = 6;
  SoilMatrix a(n, n), inv;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) a(i, j) = 1.0L / (1 + std::abs(i - j)) + (i == j ? 2 : 0);
  ASSERT_TRUE(InvertSoilMatrix(a, inv, 3.0L));
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) {
      long double sum = 0;
      for (int k = 1; k <= n; ++k) sum += a(i, k) * inv(k, j);
      EXPECT_NEAR(static_cast<double>(sum), i == j ? 3.0 : 0.0, 1e-15);
    }
  SoilMatrix singular(2, 2);
  singular(1, 1) = singular(1, 2) = singular(2, 1) = singular(2, 2) = 1;
  EXPECT_FALSE(InvertSoilMatrix(singular, inv, 1.0L));
}

// The largest |entry| of a soil matrix.
long double Largest(const SoilMatrix& s) {
  long double largest = 0;
  for (int i = 1; i <= s.Rows(); ++i)
    for (int j = 1; j <= s.Columns(); ++j) largest = std::fmax(largest, std::fabs(s(i, j)));
  return largest;
}

TEST(HalfSpaceStiffness, IsTheInverseOfTheFlexibilityAsTheExtendedEliminationGivesIt) {
  // Sizes about the blocks of its loops (16 rows), beams of changing width, a strip, both halves.
  const struct {
    int n;
    bool strip;
    int symmetry;
  } cases[] = {{2, false, 0}, {15, false, 0}, {17, false, 0}, {40, true, 0},
               {33, false, 1}, {33, false, -1}, {120, false, 0}};
  for (const auto& c : cases) {
    Vector x(c.n + 1, 0.0), b(c.n + 1, 0.0);
    for (int i = 2; i <= c.n; ++i) x[i] = x[i - 1] + 0.1 + 0.02 * (i % 3);
    for (int e = 1; e <= c.n; ++e) b[e] = c.strip ? 1.6 : 0.6 + 0.1 * (e % 4);
    SoilMatrix f, fast, extended;
    HalfSpaceFlexibility(f, c.n, x, b, c.strip, c.symmetry);
    const long double factor = 3.14159265358979323846L * 3.2e4L;
    ASSERT_TRUE(HalfSpaceStiffness(f, fast, factor)) << c.n;
    ASSERT_TRUE(InvertSoilMatrix(f, extended, factor));
    const long double largest = Largest(extended);
    for (int i = 1; i <= c.n; ++i) {
      for (int j = 1; j <= c.n; ++j) {
        EXPECT_NEAR(static_cast<double>(fast(i, j)), static_cast<double>(extended(i, j)), 1e-12 * largest)
            << c.n << " " << i << " " << j;
        EXPECT_EQ(fast(i, j), fast(j, i));
        long double sum = 0;
        for (int k = 1; k <= c.n; ++k) sum += f(i, k) * fast(k, j);
        EXPECT_NEAR(static_cast<double>(sum / factor), i == j ? 1.0 : 0.0, 1e-11) << c.n << " " << i << " " << j;
      }
    }
  }
}

TEST(HalfSpaceStiffness, BadlyConditionedFlexibilityIsInvertedInExtendedPrecision) {
  // The Hilbert matrix of order 8 (condition about 1.5E10): double keeps too few digits of its
  // inverse, and the result is the extended elimination's own.
  const int n = 8;
  SoilMatrix f(n, n), fast, extended;
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) f(i, j) = 1.0L / (i + j - 1);
  ASSERT_TRUE(HalfSpaceStiffness(f, fast, 2.0L));
  ASSERT_TRUE(InvertSoilMatrix(f, extended, 2.0L));
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) EXPECT_EQ(fast(i, j), extended(i, j)) << i << " " << j;
  SoilMatrix singular(2, 2);
  singular(1, 1) = singular(1, 2) = singular(2, 1) = singular(2, 2) = 1;
  EXPECT_FALSE(HalfSpaceStiffness(singular, fast, 1.0L));
}

std::vector<std::string> CrossFlags(double ev, double eh, double gv, double nuh, double nuv) {
  std::vector<std::string> flags(14);
  char buf[64];
  double v[5] = {ev, eh, gv, nuh, nuv};
  for (int i = 0; i < 5; ++i) {
    std::snprintf(buf, sizeof buf, "%.17g", v[i]);
    flags[8 + i] = buf;
  }
  return flags;
}

TEST(CrossAnisotropicModulus, IsotropicInputGivesThePlaneStrainModulus) {
  for (double e : {1.0e4, 3.5e5}) {
    for (double nu : {0.0, 0.1, 0.2, 0.25, 0.3, 0.35, 0.4, 0.45, 0.49}) {
      long double modulus = 0;
      ASSERT_TRUE(CrossAnisotropicModulus(CrossFlags(e, e, e / (2 * (1 + nu)), nu, nu), modulus)) << nu;
      double expected = e / (1 - nu * nu);
      EXPECT_NEAR(static_cast<double>(modulus), expected, 1e-9 * expected) << "nu " << nu;
    }
  }
  long double modulus = 0;  // NUv = 0.5 is nudged below 0.5
  ASSERT_TRUE(CrossAnisotropicModulus(CrossFlags(1.0e4, 1.0e4, 1.0e4 / 3, 0.5, 0.5), modulus));
  EXPECT_NEAR(static_cast<double>(modulus), 1.0e4 / 0.75, 1e-6 * 1.0e4 / 0.75);
}

TEST(CrossAnisotropicModulus, StifferSoilGivesAStifferSurface) {
  long double soft = 0, stiff = 0, shear = 0;
  ASSERT_TRUE(CrossAnisotropicModulus(CrossFlags(2.0e4, 4.0e4, 8.0e3, 0.2, 0.15), soft));
  ASSERT_TRUE(CrossAnisotropicModulus(CrossFlags(4.0e4, 4.0e4, 8.0e3, 0.2, 0.15), stiff));
  ASSERT_TRUE(CrossAnisotropicModulus(CrossFlags(2.0e4, 4.0e4, 1.6e4, 0.2, 0.15), shear));
  EXPECT_GT(stiff, soft);
  EXPECT_GT(shear, soft);
  // Scaling every modulus scales the result.
  long double doubled = 0;
  ASSERT_TRUE(CrossAnisotropicModulus(CrossFlags(4.0e4, 8.0e4, 1.6e4, 0.2, 0.15), doubled));
  EXPECT_NEAR(static_cast<double>(doubled / soft), 2.0, 1e-12);
}

TEST(CrossAnisotropicModulus, InadmissibleConstantsAreRefused) {
  const struct {
    double ev, eh, gv, nuh, nuv;
  } cases[] = {
      {0, 1e4, 4e3, 0.3, 0.3},     // no vertical modulus
      {1e4, 1e4, 0, 0.3, 0.3},     // no shear modulus
      {1e4, -1e4, 4e3, 0.3, 0.3},  // negative horizontal modulus
      {1e4, 1e4, 4e3, 0.3, 0.7},   // 1 - NUh - 2 NUv^2 Ev / Eh below 0
      {1e4, 1e4, 4e3, 1.5, 0.1},   // NUh above 1
      {1e4, 1e4, 4e3, -1.0, 0.1},  // NUh of -1
      {4e4, 1e4, 4e3, 0.0, 0.4},   // 1 - NUv^2 Ev / Eh of 0.36 but A below 0
  };
  for (const auto& c : cases) {
    long double modulus = 1;
    EXPECT_FALSE(CrossAnisotropicModulus(CrossFlags(c.ev, c.eh, c.gv, c.nuh, c.nuv), modulus))
        << c.ev << " " << c.eh << " " << c.gv << " " << c.nuh << " " << c.nuv;
    EXPECT_EQ(modulus, 0.0L);
  }
}

// Fixed-end terms of a load p(x) on an element: minus the integrals of p times the four bending
// shape functions (translation i, rotation i, translation j, rotation j), by Simpson's rule on
// each half, exact for the cubic shape functions under a load constant on each half.
void StepLoadIntegrals(double length, double pi, double pj, double t[5]) {
  auto shape = [length](int k, double xi) {
    switch (k) {
      case 1: return 1 - 3 * xi * xi + 2 * xi * xi * xi;
      case 2: return length * xi * (1 - xi) * (1 - xi);
      case 3: return 3 * xi * xi - 2 * xi * xi * xi;
      default: return -length * xi * xi * (1 - xi);
    }
  };
  for (int k = 1; k <= 4; ++k) {
    double sum = 0;
    for (int h = 0; h < 2; ++h) {
      double lo = 0.5 * h, hi = lo + 0.5, p = h == 0 ? pi : pj;
      sum += p * length * (hi - lo) / 6 * (shape(k, lo) + 4 * shape(k, (lo + hi) / 2) + shape(k, hi));
    }
    t[k] = -sum;
  }
}

TEST(YieldForceTerms, AreTheConsistentTermsOfAStepwiseLoad) {
  const struct {
    double length, pi, pj;
  } cases[] = {{1.0, 10.0, 0.0}, {0.5, 0.0, -200.0}, {2.0, 30.0, -12.0}};
  for (const auto& c : cases) {
    EndForceTable fixedEnd;
    fixedEnd.Resize(3);
    Vector load(9, 1.0);
    YieldForceTerms(2, c.length, c.pi, c.pj, fixedEnd, load);
    double t[5];
    StepLoadIntegrals(c.length, c.pi, c.pj, t);
    for (int k = 1; k <= 4; ++k) {
      EXPECT_NEAR(fixedEnd(2, k), t[k], 1e-12 * (1 + std::fabs(t[k]))) << k;
      EXPECT_NEAR(load[2 + k], 1.0 - t[k], 1e-12 * (1 + std::fabs(t[k]))) << k;
    }
    EXPECT_EQ(load[1], 1.0);
    EXPECT_EQ(load[2], 1.0);
    EXPECT_EQ(fixedEnd(1, 1), 0.0);
  }
  // One intensity on both halves: the terms of the uniform load.
  EndForceTable a, b;
  a.Resize(1);
  b.Resize(1);
  Vector la(5, 0.0), lb(5, 0.0);
  YieldForceTerms(1, 1.7, -45.0, -45.0, a, la);
  TrapezoidalLoadTerms(1, 1.7, -45.0, -45.0, b, lb);
  for (int k = 1; k <= 4; ++k) EXPECT_NEAR(a(1, k), b(1, k), 1e-12);
}

TEST(ElementResults, ForcesOfTheElasticHalvesAndTheYieldPressures) {
  Vector length = {0, 0.8, 0.8, 0.8}, width = {0, 1.5, 1.5, 1.5};
  Table2D<double> moduli;
  for (int e = 1; e <= 3; ++e) {
    moduli(e, 1) = 1.0e4 * e;
    moduli(e, 2) = 2.0e4 * e;
  }
  Vector u = {0, 0.010, 0.0, 0.012, 0.0, 0.011, 0.0, 0.009, 0.0};
  Vector p = {0, 0, 0, -80.0, 0, 60.0, 90.0, 0};  // element ends: 2e-1 at i, 2e at j
  // Element 1 elastic, element 2 yielded next to node i, element 3 yielded on both halves.
  std::vector<int> status = {0, 0, 0, 1, 0, 1, 1};
  SoilEndForces forces, elastic;
  double total = 0, elasticTotal = 0;
  ElementResults(u, status, forces, 3, length, width, moduli, p, total);
  WinklerReactions(u, 3, length, width, moduli, elastic, elasticTotal);
  EXPECT_NEAR(forces.atI[1], elastic.atI[1], 1e-9);
  EXPECT_NEAR(forces.atJ[1], elastic.atJ[1], 1e-9);
  // Element 2: the half next to node j alone (WinklerSoilMatrix half 2) times the translations.
  SoilMatrix half(2, 2);
  WinklerSoilMatrix(2, half, 1, 0.8, 1.5, moduli(2, 1), moduli(2, 2));
  double ui = u[3], uj = u[5];
  EXPECT_NEAR(forces.atI[2], static_cast<double>(half(1, 1)) * ui + static_cast<double>(half(1, 2)) * uj, 1e-9);
  EXPECT_NEAR(forces.atJ[2], static_cast<double>(half(1, 2)) * ui + static_cast<double>(half(2, 1)) * uj, 1e-9);
  EXPECT_EQ(forces.atI[3], 0.0);
  EXPECT_EQ(forces.atJ[3], 0.0);
  double expected = forces.atI[1] + forces.atJ[1] + forces.atI[2] + forces.atJ[2] + 0.8 * 1.5 / 2 * (-80.0 + 60.0 + 90.0);
  EXPECT_NEAR(total, expected, 1e-9);
}

TEST(DumpSoilStiffness, WritesOneRowALineByTheMask) {
  TestDirectory dir;
  SoilMatrix s(2, 3);
  s(1, 1) = 1234.5L;
  s(1, 2) = -0.000125L;
  s(1, 3) = 0;
  s(2, 1) = 2.0L / 3;
  s(2, 2) = 1.0E+12L;
  s(2, 3) = -7;
  ASSERT_TRUE(DumpSoilStiffness(s));
  EXPECT_STREQ(kSoilStiffnessFile, "SOILSTIFMAT.TXT");
  std::ifstream in("SOILSTIFMAT.TXT", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes,
            " 1.2345000E+3   -1.2500000E-4   0.0000000E+0  \r\n"
            " 6.6666667E-1   1.0000000E+12   -7.0000000E+0  \r\n");
}

// The listing of a half-space stiffness does not tell the double factor from the extended
// elimination: every value agrees to the mask's eight digits.
TEST(DumpSoilStiffness, ListsTheHalfSpaceStiffnessAsTheExtendedEliminationGivesIt) {
  TestDirectory dir;
  const int n = 200;
  Vector x(n + 1, 0.0), b(n + 1, 1.0);
  for (int i = 2; i <= n; ++i) x[i] = x[i - 1] + 0.1;
  SoilMatrix f, s;
  HalfSpaceFlexibility(f, n, x, b, false, 0);
  auto listing = [&s] {
    EXPECT_TRUE(DumpSoilStiffness(s));
    std::ifstream in(kSoilStiffnessFile, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
  const long double factor = 3.14159265358979323846L * 3.2e4L;
  ASSERT_TRUE(InvertSoilMatrix(f, s, factor));
  const std::string extended = listing();
  ASSERT_TRUE(HalfSpaceStiffness(f, s, factor));
  EXPECT_EQ(listing(), extended);
}

}  // namespace
}  // namespace trabix
