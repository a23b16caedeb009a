// A tank's roof through the outside solver's main: the flat roof against the simply supported
// plate, the cone against its membrane state under surface loads and an apex load, the joint's
// statics on the wall's top, the free strains of temperatures, and the ".RR" layouts as the
// readers find them; the tank's base plate on an elastic half-space.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>

#include "../../../common/tests/testdir.h"
#include "corvane/core/textexports.h"
#include "corvane/solver/solver.h"
#include "jobs.h"

namespace corvane {
namespace {

using testing::Lines;
using testing::TableRows;
using testing::TankJob;
using testing::WriteTankJob;

// The roof's tables: flat as a base plate (table 2 from E1 + 12), a shell's table 2 from E1 + 9;
// table 3 four lines below the first dash line after table 2. The wall's vertical forces too.
struct RoofResults {
  std::vector<std::string> lines, wall;
  std::vector<std::vector<double>> t1, t2, t3, wall2;
  int e1 = 0, d3 = 0;
};

RoofResults Analyse(const TankJob& t) {
  WriteTankJob(t);
  RoofResults r;
  int code = AnalysisMain("ANALYSIS.exe TANK," + t.job + ",A", nullptr);
  EXPECT_EQ(code, 0);
  if (code != 0) return r;
  r.lines = Lines(t.job + ".RRA");
  r.t1 = TableRows(r.lines, 11);
  r.e1 = 11 + static_cast<int>(r.t1.size());
  const int second = r.e1 + (t.roofShell ? 9 : 12);
  r.t2 = TableRows(r.lines, second);
  for (int i = second + static_cast<int>(r.t2.size()); i < static_cast<int>(r.lines.size()) && !r.d3; ++i)
    if (!r.lines[i].empty() && r.lines[i][0] == '-') r.d3 = i;
  if (r.d3) r.t3 = TableRows(r.lines, r.d3 + 4);
  r.wall = Lines(t.job + ".RWA");
  std::vector<std::vector<double>> w1 = TableRows(r.wall, 11);
  r.wall2 = TableRows(r.wall, 11 + static_cast<int>(w1.size()) + 13);
  return r;
}

double Near(double want, double percent) { return std::fabs(want) * percent / 100; }

// The tank under the roofs: no liquid, the base plate held at its edge under the wall.
TankJob EmptyTank() {
  TankJob t;
  t.liquidDensity = t.liquidDepth = 0;
  return t;
}

// A cone of rise 5 over the wall's radius 10: 40 elements of x 0.25 and z 0.125, t 0.05, hinged.
TankJob Cone() {
  TankJob t = EmptyTank();
  t.roofElements = 40;
  t.roofShell = true;
  t.roofWidths.assign(40, 0.25);
  t.roofFalls.assign(40, 0.125);
  t.roofThickness = 0.05;
  t.roofConnection = "H";
  return t;
}

class RoofTest : public ::testing::Test {
 protected:
  TestDirectory dir_;
};

// A flat solid roof hinged to the wall's top without in-plane deformation is the simply supported
// plate: M0 = (3 + nu) q a^2 / 16 = 100, 6 M0 / t^2 = 9.6 MPa, Q(a) = -q a / 2; the wall carries
// q a / 2 down from its top.
TEST_F(RoofTest, FlatRoofIsASimplySupportedPlateOnTheWall) {
  TankJob t = EmptyTank();
  t.roofElements = 20;
  t.roofThickness = 0.25;
  t.roofUniform = 5;
  t.roofConnection = "H";
  RoofResults r = Analyse(t);
  ASSERT_EQ(r.t1.size(), 21u);
  ASSERT_EQ(r.t2.size(), 21u);
  EXPECT_EQ(r.lines[7], "ROOF");
  EXPECT_EQ(r.lines[8], "^^^^");
  EXPECT_NEAR(r.t1[0][4], 100.0, Near(100, 0.5));
  EXPECT_DOUBLE_EQ(r.t1[0][4], r.t1[0][5]);
  EXPECT_DOUBLE_EQ(r.t1[0][3], 0.0);  // no point load, no infinite shear
  EXPECT_NEAR(r.t2[0][1], 9.600, Near(9.6, 0.5));
  EXPECT_DOUBLE_EQ(r.t2[0][1], r.t2[0][2]);
  EXPECT_EQ(r.t2[0].size(), 3u);  // radius and two stresses
  EXPECT_DOUBLE_EQ(r.t1[20][0], 10.0);
  EXPECT_DOUBLE_EQ(r.t1[20][3], -25.000);
  EXPECT_NEAR(r.t1[20][4], 0.0, 0.0005);
  EXPECT_EQ(r.d3, 0);  // no in-plane table without in-plane deformation
  ASSERT_EQ(r.wall2.size(), 17u);
  EXPECT_DOUBLE_EQ(r.wall2[16][4], -25.000);
  EXPECT_DOUBLE_EQ(r.wall2[0][4], -25.000);
  // The roof's deflection relative to its edge: 5 + nu over 1 + nu times q a^4 / (64 D).
  const double d = 3e7 * std::pow(0.25, 3) / (12 * 0.96);
  EXPECT_NEAR(r.t1[0][2] - r.t1[20][2], 5.2 * 5 * 1E4 / (64 * 1.2 * d) * 1000, Near(8.667, 0.5));
}

// Monolithic, the flat roof and the wall share their rotation; the joint's statics: the roof's
// edge moment (tension underneath) is the wall top's (tension outside) turned round the corner,
// the roof's edge force the wall top's shear. On the wall top (answer 12 "N") the roof's edge
// moves radially as the wall's top plus t / 2 of its rotation, and the roof's force acts t / 2
// above the wall's top. The in-plane table is written with answer 3 "Y".
TEST_F(RoofTest, MonolithicFlatRoofSharesTheWallTopsRotationAndMovement) {
  TankJob t = EmptyTank();
  t.roofElements = 20;
  t.roofThickness = 0.25;
  t.roofUniform = 5;
  t.roofConnection = "M";
  t.roofInPlane = "Y";
  for (const char* middle : {"Y", "N"}) {
    SCOPED_TRACE(middle);
    t.roofMiddle = middle;
    const double e = std::string(middle) == "Y" ? 0 : 0.125;
    RoofResults r = Analyse(t);
    ASSERT_EQ(r.t1.size(), 21u);
    ASSERT_EQ(r.t3.size(), 21u);
    std::vector<std::vector<double>> w1 = TableRows(r.wall, 11);
    ASSERT_EQ(w1.size(), 17u);
    EXPECT_DOUBLE_EQ(r.t1[20][1], w1[16][1]);  // the same rotation
    EXPECT_NEAR(r.t3[20][2], -w1[16][3], 0.001);  // the roof's edge force against the wall top's shear
    EXPECT_GT(std::fabs(r.t3[20][2]), 1.0);
    EXPECT_NEAR(r.t1[20][4], -w1[16][4] + e * r.t3[20][2], 0.0015);
    EXPECT_GT(std::fabs(r.t1[20][4]), 1.0);
    EXPECT_LT(r.t1[0][4], 100.0);  // the edge's restraint relieves the centre
    EXPECT_NEAR(r.t3[20][1], w1[16][2] + e * w1[16][1] * 1000, 0.0015);
    EXPECT_EQ(r.lines[r.d3 - 1], "IN-PLANE DEFORMATION OF THE ROOF (Forces POSITIVE in TENSION):");
  }
}

// The cone under a vertical load per unit plan area p = 2.5 kPa is in its membrane state away from
// the edge: N_s = -p r / (2 sin a), N_c = -p r cos^2 a / sin a (tan a = 1/2); the wall's top
// carries p pi R^2 / (2 pi R) = 12.5 kN/m. Under a 100 kN apex load N_s = -P / (2 pi r sin a),
// the apex's shear is infinite and the wall carries P / (2 pi R).
TEST_F(RoofTest, ConeCarriesItsLoadsByMembraneForces) {
  TankJob t = Cone();
  t.roofKinds[4] = 2.5;
  RoofResults r = Analyse(t);
  ASSERT_EQ(r.t1.size(), 41u);
  ASSERT_EQ(r.t2.size(), 41u);
  ASSERT_EQ(r.t3.size(), 41u);
  const double sin = 1 / std::sqrt(5.0), cos2 = 0.8;
  EXPECT_DOUBLE_EQ(r.t3[20][0], 5.0);
  EXPECT_NEAR(-2.5 * 5 / (2 * sin), -13.975, 0.0005);
  EXPECT_NEAR(r.t3[20][2], -13.975, Near(13.975, 1));
  EXPECT_NEAR(r.t3[20][3], -2.5 * 5 * cos2 / sin, Near(22.361, 1));
  EXPECT_DOUBLE_EQ(r.t3[0][1], 0.0);  // no apex load
  ASSERT_EQ(r.wall2.size(), 17u);
  EXPECT_DOUBLE_EQ(r.wall2[16][4], -12.500);

  t = Cone();
  t.roofPoint = 100;
  r = Analyse(t);
  ASSERT_EQ(r.t3.size(), 41u);
  EXPECT_NEAR(-100 / (2 * 4 * std::atan(1.0) * 5 * sin), -7.118, 0.0005);
  EXPECT_NEAR(r.t3[20][2], -7.118, Near(7.118, 1));
  const std::string apex = r.lines[r.d3 + 4];
  EXPECT_NE(apex.find("*INFINITY*"), std::string::npos) << apex;
  EXPECT_EQ(apex.find("*INFINITY*"), apex.rfind("*INFINITY*")) << apex;
  EXPECT_EQ(r.lines[11].find("INFINITY"), std::string::npos);
  EXPECT_DOUBLE_EQ(r.wall2[16][4], -1.592);
  EXPECT_GT(r.t1[0][1], r.t1[20][1]);  // the apex goes down furthest
}

// A spherical dome (radius 20 over the wall's 10, taken by 40 chords) under its own weight q is in
// its membrane state away from the edge: N_phi = -q R / (1 + cos phi), N_theta = q R (1 / (1 +
// cos phi) - cos phi); at r = 5, sin phi = 1/4.
TEST_F(RoofTest, DomeByItsChordsCarriesItsWeightByMembraneForces) {
  TankJob t = EmptyTank();
  t.roofElements = 40;
  t.roofShell = true;
  t.roofWidths.assign(40, 0.25);
  for (int e = 1; e <= 40; ++e) {
    const double ri = 0.25 * (e - 1), rj = 0.25 * e;
    t.roofFalls.push_back(std::sqrt(400 - ri * ri) - std::sqrt(400 - rj * rj));
  }
  t.roofThickness = 0.1;
  t.roofDensity = 2500;
  t.roofConnection = "H";
  RoofResults r = Analyse(t);
  ASSERT_EQ(r.t3.size(), 41u);
  const double q = 2500 * 9.81 * 0.1 / 1000, cos = std::sqrt(1 - 1 / 16.0);
  const double meridional = -q * 20 / (1 + cos), hoop = q * 20 * (1 / (1 + cos) - cos);
  EXPECT_DOUBLE_EQ(r.t3[20][0], 5.0);
  EXPECT_NEAR(r.t3[20][2], meridional, Near(meridional, 1));
  EXPECT_NEAR(r.t3[20][3], hoop, Near(hoop, 1));
  // The apex: both forces -q R / 2.
  EXPECT_NEAR(r.t3[0][2], -q * 10, Near(q * 10, 2));
  EXPECT_DOUBLE_EQ(r.t3[0][2], r.t3[0][3]);
}

// Every kind of a shell's loads reaches the wall's top as statics says: the uniform load and
// kind 4 per plan area, the weight and kind 3 per unit surface (the cone's surface is sqrt 5 / 2
// times its plan), kind 5 horizontal and kind 7 tangential (its vertical part the fall), kind 6
// normal (its vertical part the plan), nodal rows vertical, horizontal and moments.
TEST_F(RoofTest, ShellLoadsOfEveryKindComeDownTheWall) {
  const double slant = std::sqrt(5.0) / 2, pi = 4 * std::atan(1.0);
  // The vertical resultant per metre of the wall's circumference of 1 kPa of each kind: the plan's
  // 100 pi / (20 pi) = 5; the surface's 5 sqrt 5 / 2; tangential: 1 kPa along the meridian falls
  // by sin a over the surface, 5 sqrt5/2 x 1/sqrt5 = 2.5; normal: its vertical part cos a over the
  // surface = 5; horizontal: none.
  struct Case {
    const char* name;
    std::function<void(TankJob&)> load;
    double vertical;
  } cases[] = {
      {"uniform", [](TankJob& t) { t.roofUniform = 1; }, 5},
      {"kind 3", [](TankJob& t) { t.roofKinds[3] = 1; }, 5 * slant},
      {"weight", [](TankJob& t) { t.roofDensity = 2000; }, 5 * slant * 2000 * 9.81 * 0.05 / 1000},
      {"kind 4", [](TankJob& t) { t.roofKinds[4] = 1; }, 5},
      {"kind 5", [](TankJob& t) { t.roofKinds[5] = 1; }, 0},
      {"kind 6", [](TankJob& t) { t.roofKinds[6] = 1; }, 5},
      {"kind 7", [](TankJob& t) { t.roofKinds[7] = 1; }, 2.5},
      {"nodal rows", [](TankJob& t) { t.roofNodal = {{21, {2, 3, 4}}, {41, {1, 0, 0}}}; }, (2 * 5 + 1 * 10) / 10.0},
      {"apex", [pi](TankJob& t) { t.roofPoint = 20 * pi; }, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TankJob t = Cone();
    c.load(t);
    RoofResults r = Analyse(t);
    ASSERT_EQ(r.wall2.size(), 17u);
    EXPECT_NEAR(r.wall2[16][4], -c.vertical, 0.0005);
    EXPECT_GT(std::fabs(r.t1[10][1]) + std::fabs(r.t1[10][2]), 0.0);  // the roof moves
  }
}

// An annular roof's inner edge is free (no shear, no moment) unless answer 14 holds its rotation;
// a roof that overhangs the wall brings its whole load down the wall, q b^2 / (2 a); a centre's
// point load on an annular roof is refused.
TEST_F(RoofTest, AnnularAndOverhangingRoofs) {
  TankJob t = EmptyTank();
  t.roofElements = 16;
  t.roofInner = 2;
  t.roofThickness = 0.25;
  t.roofUniform = 5;
  t.roofConnection = "H";
  RoofResults r = Analyse(t);
  ASSERT_EQ(r.t1.size(), 17u);
  EXPECT_DOUBLE_EQ(r.t1[0][0], 2.0);
  EXPECT_DOUBLE_EQ(r.t1[0][3], 0.0);
  EXPECT_LT(std::fabs(r.t1[0][4]), 0.001);
  EXPECT_NE(r.t1[0][1], 0.0);
  ASSERT_EQ(r.wall2.size(), 17u);
  EXPECT_DOUBLE_EQ(r.wall2[16][4], -5 * (100 - 4) / 20.0);
  t.roofInnerFixed = "Y";
  r = Analyse(t);
  ASSERT_EQ(r.t1.size(), 17u);
  EXPECT_DOUBLE_EQ(r.t1[0][1], 0.0);
  EXPECT_GT(std::fabs(r.t1[0][4]), 1.0);

  t = EmptyTank();
  t.roofElements = 22;
  t.roofWidths.assign(22, 0.5);
  t.roofThickness = 0.25;
  t.roofUniform = 5;
  t.roofConnection = "H";
  r = Analyse(t);
  ASSERT_EQ(r.t1.size(), 23u);
  EXPECT_DOUBLE_EQ(r.t1[22][0], 11.0);
  EXPECT_DOUBLE_EQ(r.wall2[16][4], -30.250);
  EXPECT_LT(r.t1[20][4], 0.0);  // the overhang hogs over the wall
  EXPECT_LT(std::fabs(r.t1[22][4]), 0.001);

  t = EmptyTank();
  t.roofElements = 16;
  t.roofInner = 2;
  t.roofPoint = 50;
  WriteTankJob(t);
  std::vector<SolverWarningData> warnings;
  EXPECT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,A", [&](const SolverWarningData& w) { warnings.push_back(w); }),
            kAnalysisDataRefused);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].text, " A CENTRAL POINT LOAD NEEDS A CLOSED ROOF\r\n\r\nCorrect the Data!");
  for (const char* file : {"T1.RPA", "T1.RWA", "T1.RRA"}) EXPECT_FALSE(std::filesystem::exists(file)) << file;
}

// A flat roof's loads come down the wall as statics says, per metre of its circumference (2 pi 10):
// the uniform and the trapezoidal load and the weight over pi 100, a ring load at r = 5, the
// centre's point load (whose shear is marked infinite); a ring moment brings none.
TEST_F(RoofTest, FlatRoofLoadsComeDownTheWall) {
  const double pi = 4 * std::atan(1.0);
  struct Case {
    const char* name;
    std::function<void(TankJob&)> load;
    double vertical;
  } cases[] = {
      {"uniform", [](TankJob& t) { t.roofUniform = 5; }, 25},
      {"trapezoidal", [](TankJob& t) { t.roofKinds[3] = 5; }, 25},
      {"weight", [](TankJob& t) { t.roofDensity = 2000; }, 2000 * 9.81 * 0.25 / 1000 * 5},
      {"ring load", [](TankJob& t) { t.roofNodal = {{11, {2, 0}}}; }, 1},
      {"ring moment", [](TankJob& t) { t.roofNodal = {{11, {0, 3}}}; }, 0},
      {"centre", [pi](TankJob& t) { t.roofPoint = 20 * pi; }, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TankJob t = EmptyTank();
    t.roofElements = 20;
    t.roofThickness = 0.25;
    t.roofConnection = "H";
    c.load(t);
    RoofResults r = Analyse(t);
    ASSERT_EQ(r.wall2.size(), 17u);
    EXPECT_NEAR(r.wall2[16][4], -c.vertical, 0.0005);
    EXPECT_GT(std::fabs(r.t1[10][2]), 0.001);  // the roof bends
    const bool centre = std::string(c.name) == "centre";
    EXPECT_EQ(r.lines[11].find("***INFINITY***") != std::string::npos, centre);
  }
}

// Free strains: a flat roof warmer below than above, hinged to the wall, bends freely (k0 a^2 / 2
// = 1E-5 x 20 / 0.25 x 100 / 2 = 40 mm) without moments; held at its edge (answer 13, a monolithic
// joint) it stays flat under M = -D (1 + nu) k0. A cone warmed alike above and below, free to
// displace at its top edge, grows without stress: U = alpha T r, its apex rises alpha T 5.
TEST_F(RoofTest, TemperaturesBendAndStretchTheRoofFreely) {
  TankJob t = EmptyTank();
  t.roofElements = 20;
  t.roofThickness = 0.25;
  t.roofConnection = "H";
  t.roofAlpha = 1E-5;
  t.roofTemperatureBelow = 20;
  RoofResults r = Analyse(t);
  ASSERT_EQ(r.t1.size(), 21u);
  for (int i = 0; i <= 20; ++i) {
    const double radius = 0.5 * i;
    EXPECT_NEAR(r.t1[i][2] - r.t1[20][2], 1E-5 * 20 / 0.25 * (100 - radius * radius) / 2 * 1000, 0.0015) << i;
    for (int c : {4, 5}) EXPECT_LT(std::fabs(r.t1[i][c]), 0.01) << i;
  }
  EXPECT_NEAR(r.t1[0][2], 40.000, 0.0015);

  t.roofConnection = "M";
  t.roofEdgeFixed = "Y";
  r = Analyse(t);
  const double d = 3e7 * std::pow(0.25, 3) / (12 * 0.96), k0 = 1E-5 * 20 / 0.25;
  for (int i = 0; i <= 20; ++i) {
    EXPECT_DOUBLE_EQ(r.t1[i][2], 0.0) << i;
    for (int c : {4, 5}) EXPECT_NEAR(r.t1[i][c], -d * 1.2 * k0, 0.0015) << i;
  }

  t = Cone();
  t.roofConnection = "S";
  t.roofAlpha = 1E-5;
  t.roofTemperatureAbove = t.roofTemperatureBelow = 20;
  r = Analyse(t);
  ASSERT_EQ(r.t1.size(), 41u);
  for (int i = 0; i <= 40; ++i) {
    const double radius = 0.25 * i;
    EXPECT_NEAR(r.t1[i][2], 2E-4 * radius * 1000, 0.0015) << i;
    EXPECT_NEAR(r.t1[i][1], -2E-4 * (5 - 0.125 * i) * 1000, 0.0015) << i;
    for (int c : {1, 2}) EXPECT_LT(std::fabs(r.t2[i][c]), 0.01) << i;
    for (int c : {2, 3}) EXPECT_LT(std::fabs(r.t3[i][c]), 0.01) << i;
  }
}

}  // namespace
}  // namespace corvane
