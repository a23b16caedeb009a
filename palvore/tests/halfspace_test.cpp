// The half-space kernel against the integral of Mindlin's integrand (worked out to 30 digits by
// adaptive quadrature), its Simpson integration along the pile, and the soil of a one-element
// pile through the solver tool.
#include "palvore/core/halfspace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "palvore/core/analysis.h"
#include "testsupport.h"

namespace palvore {
namespace {

using testing::Analyse;
using testing::PileJob;
using testing::SolverRun;
using testing::WriteJob;

TEST(HalfSpacePointLoad, IsTheIntegralOfMindlinsIntegrand) {
  static_assert(std::numeric_limits<long double>::digits >= 64, "the soil matrices need extended precision");
  const struct {
    long double c, b, e, y, nu, expected;
  } cases[] = {
      {1.3L, 0.4L, 0.0004L, 0.7L, 0.3L, 1.22440447906846349709L},
      {0.5L, 2.0L, 0.001L, -0.3L, 0.5L, 4.74802474623115832628L},  // nu = 0.5: the last term vanishes
      {0.0L, 0.25L, 0.00025L, 0.05L, 0.0L, 15.1902912234733656316L},
      {2.0L, 10.0L, 0.0005L, 1.5L, 0.45L, 5.04818185989895694781L},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(static_cast<double>(HalfSpacePointLoad(c.c, c.b, c.e, c.y, c.nu) - c.expected), 0.0,
                1e-12 * static_cast<double>(c.expected))
        << static_cast<double>(c.c);
  EXPECT_EQ(HalfSpacePointLoad(1.0L, 0.3L, 0.3L, 0.5L, 0.3L), 0.0L);  // no width, no load
}

TEST(HalfSpaceInfluence, SimpsonAlongThePile) {
  const long double a = 1.0L / 6;
  EXPECT_NEAR(static_cast<double>(HalfSpaceInfluence(0.25L, 2.0L, +1, 0.3L, a, 0.0L, false)), 0.656965548271872571, 1e-12);
  // At the surface node the integration starts at a / 1000.
  EXPECT_NEAR(static_cast<double>(HalfSpaceInfluence(0.25L, 0.0L, +1, 0.3L, a, 0.0L, false)), 1.24458030114521138, 1e-12);
}

// A coupling's integral against Simpson's rule of 4000 intervals (exact to rounding for these
// smooth integrands): the nearest neighbour below and above, a far node, the surface node, a
// sheet pile's wide strip and a short element beside a long one.
TEST(HalfSpaceInfluence, CouplingsAgreeWithAFineIntegration) {
  const struct {
    long double b, z;
    int s;
    long double nu, a, dz;
    bool sheet;
  } cases[] = {
      {0.25L, 2.0L, +1, 0.3L, 0.1L, 0.5L, false},   {0.25L, 2.0L, -1, 0.3L, 0.1L, 0.5L, false},
      {0.25L, 2.0L, +1, 0.3L, 0.1L, 7.5L, false},   {0.25L, 0.0L, +1, 0.3L, 0.2L, 1.0L, false},
      {80.0L, 1.0L, -1, 0.45L, 0.06L, 0.3L, true},  {0.4L, 3.0L, +1, 0.0L, 0.02L, 0.1L, false},
      {0.4L, 3.0L, -1, 0.5L, 0.3L, 0.1L, false},
  };
  for (const auto& c : cases) {
    const long double t0 = c.z == 0 ? c.a / 1000 : 0, e = c.sheet ? 0.0005L : c.b / 1000, h = (c.a - t0) / 4000;
    long double fine = 0;
    for (int k = 0; k <= 4000; ++k) {
      const long double t = t0 + k * h;
      fine += (k == 0 || k == 4000 ? 1 : k % 2 ? 4 : 2) * HalfSpacePointLoad(c.z + c.s * t, c.b, e, c.dz - c.s * t, c.nu);
    }
    fine *= h / 3;
    const long double g = HalfSpaceInfluence(c.b, c.z, c.s, c.nu, c.a, c.dz, c.sheet);
    EXPECT_NEAR(static_cast<double>(g / fine - 1), 0.0, 1e-12) << static_cast<double>(c.dz) << " " << c.s;
  }
}

// One element of L 1, B 0.5 in a half-space of Es 1E4, nu 0.3.
PileJob OneElement() {
  PileJob j;
  j.name = "ONE";
  j.elements = 1;
  j.halfSpace = true;
  j.soilModulus = 1.0E4;
  j.soilPoisson = 0.3;
  j.nodal = {{1, 10, 0}};
  return j;
}

TEST(HalfSpaceSoilMatrix, OneElementPile) {
  PileModel m;
  m.elements = 1;
  m.nodes = 2;
  m.length = {0, 1};
  m.width = {0, 0.5};
  m.depth = {0, 0, 1};
  SoilMatrix f;
  HalfSpaceSoilMatrix(f, m, 0.3L);
  ASSERT_EQ(f.Rows(), 2);
  EXPECT_NEAR(static_cast<double>(f(1, 1)), 21.0145769042372687, 1e-10);
  EXPECT_NEAR(static_cast<double>(f(2, 2)), 11.9961798629785143, 1e-10);
  EXPECT_NEAR(static_cast<double>(f(1, 2)), 3.52365394694787860, 1e-10);
  EXPECT_EQ(f(1, 2), f(2, 1));
  SoilMatrix s;
  ASSERT_TRUE(beamkernel::InvertSoilMatrix(f, s, 8 * 3.14159265358979323846L * 1.0E4L * 0.7L / 1.3L));
  EXPECT_NEAR(static_cast<double>(s(1, 1)), 6773.42653932958052, 1e-7);
  EXPECT_NEAR(static_cast<double>(s(1, 2)), -1989.56763171973908, 1e-7);
  EXPECT_NEAR(static_cast<double>(s(2, 2)), 11865.5017298649944, 1e-7);
}

TEST(HalfSpaceSoilMatrix, SymmetricWithAFreeLengthAndASheetPile) {
  for (bool sheet : {false, true}) {
    PileModel m;
    m.elements = 6;
    m.nodes = 7;
    m.above = 2;
    m.sheetPile = sheet;
    m.length = {0, 1, 1, 0.5, 1.5, 1, 1};
    m.width = {0, 0.4, 0.4, 0.4, 0.6, 0.6, 0.6};
    if (sheet) m.width.assign(7, 20 * 4.0);
    m.depth = {0, 0, 1, 2, 2.5, 4, 5, 6};
    SoilMatrix f;
    HalfSpaceSoilMatrix(f, m, 0.25L);
    ASSERT_EQ(f.Rows(), 5);
    for (int i = 1; i <= 5; ++i) {
      EXPECT_GT(f(i, i), 0.0L);
      for (int j = 1; j <= 5; ++j) EXPECT_EQ(f(i, j), f(j, i));
      // A node moves most under its own load.
      for (int j = 1; j <= 5; ++j) {
        if (j != i) {
          EXPECT_LT(f(i, j), f(i, i));
        }
      }
    }
  }
}

TEST(HalfSpaceAnalysis, OneElementPileThroughTheSolver) {
  TestDirectory dir;
  WriteJob(OneElement());
  SolverRun run = Analyse(OneElement());
  ASSERT_EQ(run.status, 0) << run.output;
  const testing::Report& r = run.report;
  ASSERT_EQ(r.displacements.size(), 2u);
  EXPECT_EQ(SplitFields(r.lines[10 + 2 + 7])[1], "1.553");
  EXPECT_EQ(SplitFields(r.lines[10 + 2 + 8])[1], ".260");
  EXPECT_EQ(SplitFields(r.lines[10 + 2 + 7])[2], "1.292E-3");
  EXPECT_EQ(SplitFields(r.lines[10 + 2 + 8])[2], "1.292E-3");
  bool total = false;
  for (const std::string& line : r.lines) total |= line == "ESTIMATE OF TOTAL SOIL-PILE INTERACTION FORCE: 10.000 [kN]";
  EXPECT_TRUE(total);
}

TEST(HalfSpaceAnalysis, SheetPileWithAFreeLength) {
  // 10 m of sheet pile, 2 m above the soil: the half-space loads strips 20 x 8 = 160 m wide, and
  // the pressures are per metre of wall; the ground node is listed first with no pressure.
  TestDirectory dir;
  PileJob j;
  j.name = "SHEET";
  j.sheetPile = true;
  j.elements = 10;
  j.above = 2;
  j.inertia = 0.00182;
  j.halfSpace = true;
  j.soilModulus = 2.0E4;
  j.soilPoisson = 0.3;
  j.nodal = {{1, 20, 0}};
  WriteJob(j);
  JobSpec = j.name;
  LoadCaseName = j.loadCase;
  YieldAnalysis = 0;
  PileModel m;
  ASSERT_EQ(AnalyseLoadCase(m), 0);
  for (int e = 1; e <= 10; ++e) EXPECT_DOUBLE_EQ(m.width[e], 160.0) << e;
  EXPECT_DOUBLE_EQ(m.area[3], 0.5);  // half a metre of the element below, per metre of wall
  EXPECT_DOUBLE_EQ(m.area[4], 1.0);
  EXPECT_NEAR(m.pressures[12], 20.0, 1e-9);  // the soil takes the whole load
  testing::Report r = testing::ReadReport("SHEET.RBA");
  ASSERT_EQ(r.displacements.size(), 12u);
  EXPECT_DOUBLE_EQ(r.displacements[2].depth, 2.0);
  EXPECT_DOUBLE_EQ(r.displacements[3].depth, 2.0);
  EXPECT_EQ(r.displacements[2].pressure, 0.0);
  EXPECT_NEAR(r.displacements[3].pressure, m.pressures[3], 0.0005);
  EXPECT_DOUBLE_EQ(r.total, 20.0);
}

}  // namespace
}  // namespace palvore
