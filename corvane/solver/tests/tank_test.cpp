// The tank without a roof through the outside solver's main: the wall against the closed forms
// of a cylinder under liquid pressure (membrane and Timoshenko's hinged edge), the statics of the
// joint and of the soil, and the layouts of ".RP" and ".RW" as the readers find them.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>

#include "../../../common/tests/testdir.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/textexports.h"
#include "corvane/solver/solver.h"
#include "jobs.h"

namespace corvane {
namespace {

using testing::Lines;
using testing::TableRows;
using testing::TankJob;
using testing::WriteTankJob;

// The tables of the two files: ".RP" table 1 from line 11, table 2 from E1 + 12, table 3 from
// the dash line D3 + 4; ".RW" table 1 from line 11, table 2 from E1 + 13.
struct TankResults {
  std::vector<std::string> plate, wall;
  std::vector<std::vector<double>> p1, p2, p3, w1, w2;
  int plateE1 = 0, plateD3 = 0, wallE1 = 0;
};

TankResults Analyse(const TankJob& t) {
  WriteTankJob(t);
  TankResults r;
  int code = AnalysisMain("ANALYSIS.exe TANK," + t.job + ",A", nullptr);
  EXPECT_EQ(code, 0);
  if (code != 0) return r;
  r.plate = Lines(t.job + ".RPA");
  r.wall = Lines(t.job + ".RWA");
  r.p1 = TableRows(r.plate, 11);
  r.plateE1 = 11 + static_cast<int>(r.p1.size());
  r.p2 = TableRows(r.plate, r.plateE1 + 12);
  for (int i = r.plateE1 + 12 + static_cast<int>(r.p2.size()); i < static_cast<int>(r.plate.size()) && !r.plateD3; ++i)
    if (!r.plate[i].empty() && r.plate[i][0] == '-') r.plateD3 = i;
  if (r.plateD3) r.p3 = TableRows(r.plate, r.plateD3 + 4);
  r.w1 = TableRows(r.wall, 11);
  r.wallE1 = 11 + static_cast<int>(r.w1.size());
  r.w2 = TableRows(r.wall, r.wallE1 + 13);
  return r;
}

double Near(double want, double percent) { return std::fabs(want) * percent / 100; }

class TankTest : public ::testing::Test {
 protected:
  TestDirectory dir_;
};

// Free to slide, the wall carries the liquid by its hoop force alone: U = gamma (d - x) R^2 / (E t),
// N_c / t = gamma (d - x) R / t, no bending, no vertical force.
TEST_F(TankTest, SlidingWallCarriesTheLiquidByHoopForce) {
  for (const char* membrane : {"Y", "N"}) {
    TankJob t;
    t.connection = "S";
    t.wallInPlane = membrane;
    TankResults r = Analyse(t);
    ASSERT_EQ(r.w1.size(), 17u) << membrane;
    ASSERT_EQ(r.w2.size(), 17u) << membrane;
    EXPECT_NEAR(r.w1[0][2], 0.872, Near(0.872, 0.2)) << membrane;
    EXPECT_DOUBLE_EQ(r.w1[8][0], 4.0);
    EXPECT_NEAR(r.w1[8][2], 0.436, Near(0.436, 0.2)) << membrane;
    EXPECT_NEAR(r.w2[0][3], 2.616, Near(2.616, 0.2)) << membrane;
    for (const auto& row : r.w1) EXPECT_LT(std::fabs(row[4]), 0.05) << membrane << " x = " << row[0];
    for (const auto& row : r.w2) EXPECT_DOUBLE_EQ(row[4], 0.0) << membrane;
  }
}

// Hinged to a plate without in-plane deformation: Timoshenko's hinged edge of a long cylinder,
// beta = (3 (1 - nu^2) / (R t)^2)^(1/4) = 0.7521 /m, Q0 = gamma R t beta d / sqrt(12 (1 - nu^2)),
// M(x) = Q0 e^(-beta x) sin(beta x) / beta.
TEST_F(TankTest, HingedWallMatchesTheCylinderTheory) {
  TankJob t;
  t.connection = "H";
  TankResults r = Analyse(t);
  ASSERT_EQ(r.w1.size(), 17u);
  const double beta = std::pow(3 * 0.96 / (100 * 0.09), 0.25);
  const double q0 = 9.81 * 10 * 0.3 * beta * 8 / std::sqrt(12 * 0.96);
  EXPECT_NEAR(q0, 52.17, 0.005);
  EXPECT_NEAR(r.w1[0][3], q0, Near(q0, 0.5));
  EXPECT_DOUBLE_EQ(r.w1[0][4], 0.0);
  EXPECT_DOUBLE_EQ(r.w1[0][2], 0.0);  // the plate holds the base
  EXPECT_DOUBLE_EQ(r.w1[2][0], 1.0);
  const double m1 = q0 * std::exp(-beta) * std::sin(beta) / beta;
  EXPECT_NEAR(m1, 22.33, 0.01);
  EXPECT_NEAR(r.w1[2][4], m1, Near(m1, 0.5));
  EXPECT_NEAR(r.w1[2][5], 0.2 * r.w1[2][4], 0.0015);  // M_c = nu M_x
}

// The wall's weight (rho g t = 7.3575 kPa over 8 m) comes down as its vertical force.
TEST_F(TankTest, WallWeightIsItsVerticalForce) {
  TankJob t;
  t.connection = "H";
  t.wallDensity = 2500;
  for (const char* membrane : {"Y", "N"}) {
    t.wallInPlane = membrane;
    TankResults r = Analyse(t);
    ASSERT_EQ(r.w2.size(), 17u);
    EXPECT_DOUBLE_EQ(r.w2[0][4], -58.86) << membrane;
    EXPECT_DOUBLE_EQ(r.w2[8][4], -29.43) << membrane;
    EXPECT_DOUBLE_EQ(r.w2[16][4], 0.0) << membrane;
  }
}

// Monolithic on a plate with in-plane deformation: the joint's statics (the plate's edge moment
// is the wall's base moment, the wall's base shear the plate's edge in-plane force); on the
// plate's top face the wall's base moves with the plate's edge through the offset t / 2.
TEST_F(TankTest, MonolithicJointKeepsItsStatics) {
  TankJob t;
  t.inPlane = "Y";
  TankResults r = Analyse(t);
  ASSERT_EQ(r.p1.size(), 11u);
  ASSERT_EQ(r.p3.size(), 11u);
  ASSERT_EQ(r.w1.size(), 17u);
  EXPECT_NEAR(r.p1[10][4], r.w1[0][4], 0.001);
  EXPECT_GT(std::fabs(r.w1[0][4]), 1.0);
  EXPECT_NEAR(r.p3[10][2], r.w1[0][3], 0.001);
  EXPECT_GT(std::fabs(r.w1[0][3]), 1.0);
  EXPECT_NEAR(r.p3[10][1], r.w1[0][2], 0.0005);  // the same radial translation
  EXPECT_DOUBLE_EQ(r.w1[0][1], r.p1[10][1]);     // and rotation

  t.middlePlane = "N";
  r = Analyse(t);
  ASSERT_EQ(r.p3.size(), 11u);
  EXPECT_NEAR(r.w1[0][2], r.p3[10][1] + 0.25 * r.p1[10][1] * 1000, 0.0015);
  EXPECT_GT(std::fabs(0.25 * r.p1[10][1] * 1000), 0.01);
}

// On Winkler soil alone the base plate's soil carries everything: the liquid on the floor
// (rho g d pi R^2 = 24655.2 kN), the wall and the plate.
TEST_F(TankTest, SoilCarriesTheWholeTank) {
  TankJob t;
  t.unyielding.clear();
  t.winkler = 50000;
  TankResults r = Analyse(t);
  const double pi = 4 * std::atan(1.0), liquid = 9.81 * 8 * pi * 100;
  EXPECT_NEAR(liquid, 24655.2, 0.05);
  auto total = [](const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
      if (line.rfind("TOTAL REACTION FROM ELASTIC FOUNDATION: ", 0) == 0) return ParseNumber(line.substr(40));
    return 0.0;
  };
  EXPECT_NEAR(total(r.plate), liquid, liquid * 1E-6);
  t.wallDensity = 2500;
  t.baseDensity = 2400;
  r = Analyse(t);
  const double wall = 2500 * 9.81 * 0.3 / 1000 * 2 * pi * 10 * 8, plate = 2400 * 9.81 * 0.5 / 1000 * pi * 100;
  EXPECT_NEAR(total(r.plate), liquid + wall + plate, (liquid + wall + plate) * 1E-6);
}

// On an elastic half-space (the tank's values in support items 15 and on) the base plate's soil
// carries the liquid and the roof, its contact pressures in table 2; a cross-anisotropic soil of
// isotropic constants gives the same file to its printed precision; Winkler soil answered beside
// it is the soil taken.
TEST_F(TankTest, BasePlateRestsOnAnElasticHalfSpace) {
  TankJob t;
  t.unyielding.clear();
  t.halfSpace = true;
  t.halfSpaceValues = {"50000", "0.3"};
  t.roofElements = 10;
  t.roofUniform = 2;
  TankResults r = Analyse(t);
  const double pi = 4 * std::atan(1.0), load = 9.81 * 8 * pi * 100 + 2 * pi * 100;
  ASSERT_EQ(r.p2.size(), 11u);
  EXPECT_EQ(r.p2[0].size(), 4u);
  for (const auto& row : r.p2) EXPECT_GT(row[3], 0.0) << row[0];
  std::string total;
  for (const std::string& line : r.plate)
    if (line.rfind("TOTAL REACTION FROM ELASTIC FOUNDATION: ", 0) == 0) total = line;
  EXPECT_NEAR(ParseNumber(total.substr(40)), load, load * 1E-6) << total;
  EXPECT_EQ(r.plate[r.plateE1 + 8], "   ELASTIC HALF-SPACE: Contact Pressure is POSITIVE in COMPRESSION");
  for (const auto& row : r.p1) EXPECT_GT(row[2], 1.0) << row[0];  // it settles

  const std::vector<std::string> isotropic = r.plate;
  t.halfSpace = false;
  t.crossAnisotropic = true;
  t.halfSpaceValues = {"50000", "50000", "19230.77", "0.3", "0.3"};
  r = Analyse(t);
  ASSERT_EQ(r.plate.size(), isotropic.size());
  for (size_t k = 7; k < isotropic.size(); ++k) {
    std::vector<std::string> a = testing::Fields(isotropic[k]), b = testing::Fields(r.plate[k]);
    ASSERT_EQ(a.size(), b.size()) << "line " << k;
    for (size_t f = 0; f < a.size(); ++f)
      EXPECT_NEAR(ParseNumber(a[f]), ParseNumber(b[f]), 1.0E-6 + 0.0005 * std::fabs(ParseNumber(a[f])))
          << "line " << k << ": " << isotropic[k] << " / " << r.plate[k];
  }

  t.winkler = 50000;
  r = Analyse(t);
  EXPECT_EQ(r.plate[r.plateE1 + 8], "   WINKLER FOUNDATION: Contact Pressure is POSITIVE in COMPRESSION");

  // Constants that describe no elastic soil stop the analysis.
  t.winkler = 0;
  t.halfSpaceValues = {"50000", "50000", "19230.77", "0.3", "0.9"};
  WriteTankJob(t);
  EXPECT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,A", nullptr), kStopBadHalfSpace);
  EXPECT_FALSE(std::filesystem::exists("T1.RPA"));
}

// The layouts the readers rely on.
TEST_F(TankTest, ResultFilesHaveTheReadersLayout) {
  TankJob t;
  t.inPlane = "Y";
  t.winkler = 50000;
  t.unyielding.clear();
  TankResults r = Analyse(t);
  ASSERT_FALSE(r.plate.empty());
  EXPECT_EQ(r.plate[7], "BASE PLATE");
  EXPECT_EQ(r.plate[8], "^^^^^^^^^^");
  EXPECT_EQ(r.plate[r.plateE1 + 9], std::string(75, '-'));
  EXPECT_EQ(r.p2.size(), 11u);
  EXPECT_EQ(r.p2[0].size(), 4u);  // radius, two stresses, the contact pressure
  EXPECT_GT(r.plateD3, r.plateE1 + 12 + 11);
  EXPECT_EQ(r.plate[r.plateD3], std::string(75, '-'));
  EXPECT_TRUE(r.plate[r.plateD3 + 1].empty());
  EXPECT_EQ(r.p3[0].size(), 4u);
  int dashes = 0;
  for (size_t i = r.plateE1 + 10; i < r.plate.size(); ++i) dashes += !r.plate[i].empty() && r.plate[i][0] == '-';
  EXPECT_EQ(dashes, 1);  // D3 alone after table 2
  for (int i = r.plateE1 + 12 + 11; i < r.plateD3; ++i) EXPECT_EQ(ParseNumber(r.plate[i]), 0) << r.plate[i];
  EXPECT_EQ(r.wall[7], "WALL");
  EXPECT_EQ(r.wall[r.wallE1 + 9], std::string(75, '-'));
  EXPECT_TRUE(r.wall[r.wallE1 + 10].empty());
  EXPECT_EQ(r.w1[0].size(), 6u);
  EXPECT_EQ(r.w2.size(), 17u);
  EXPECT_EQ(r.w2[0].size(), 5u);
  for (int k = 0; k <= 16; ++k) EXPECT_DOUBLE_EQ(r.w1[k][0], 0.5 * k);
  // Without in-plane deformation no third table and no dash line after table 2.
  t.inPlane = "N";
  r = Analyse(t);
  EXPECT_EQ(r.plateD3, 0);
}

// The results text export of a tank joins the base plate's file, the wall's and the roof's.
TEST_F(TankTest, ResultsTextJoinsBasePlateAndWall) {
  TankJob t;
  TankResults r = Analyse(t);
  ASSERT_FALSE(r.wall.empty());
  ReportHooks = ReportPort();
  ASSERT_TRUE(WriteResultsText());
  std::vector<std::string> joined = Lines("T1_RESULTS.TXT");
  std::vector<std::string> want(r.plate);
  want.insert(want.end(), {"", "", ""});
  want.insert(want.end(), r.wall.begin() + 1, r.wall.end());
  EXPECT_EQ(joined, want);

  // With a roof its file follows the wall's.
  t.roofElements = 10;
  t.roofShell = true;
  t.roofFalls.assign(10, 0.2);
  t.roofUniform = 1;
  r = Analyse(t);
  ASSERT_TRUE(WriteResultsText());
  joined = Lines("T1_RESULTS.TXT");
  std::vector<std::string> roof = Lines("T1.RRA");
  ASSERT_GT(roof.size(), 40u);
  want = r.plate;
  for (const std::vector<std::string>* part : {&r.wall, &roof}) {
    want.insert(want.end(), {"", "", ""});
    want.insert(want.end(), part->begin() + 1, part->end());
  }
  EXPECT_EQ(joined, want);
}

// The wall's own supports and loads: Winkler soil around it (U = p / (E t / R^2 + k) under a
// uniform pressure, the wall sliding on the plate), restraints, the top edge held against
// rotation, a vertical ring load at the top carried down as the vertical force, and a free
// shrinkage that the sliding wall follows without any stress (U = eps0 R).
TEST_F(TankTest, WallSoilRestraintsTopFixityRingLoadAndShrinkage) {
  TankJob t;
  t.connection = "S";
  t.liquidDensity = t.liquidDepth = 0;
  t.wallUniform = 10;
  t.wallWinkler = 10000;
  TankResults r = Analyse(t);
  ASSERT_EQ(r.w1.size(), 17u);
  for (const auto& row : r.w1) EXPECT_NEAR(row[2], 0.100, 0.0005) << row[0];  // 10 / (90000 + 10000) m
  t.wallWinkler = 0;
  t.restraint = 1E9;
  r = Analyse(t);
  for (const auto& row : r.w1) EXPECT_LT(std::fabs(row[2]), 0.001) << row[0];

  t = TankJob();
  t.connection = "H";
  EXPECT_NE(Analyse(t).w1[16][1], 0.0);
  t.topFixed = "Y";
  r = Analyse(t);
  EXPECT_DOUBLE_EQ(r.w1[16][1], 0.0);
  EXPECT_NE(r.w1[16][4], 0.0);  // the held top edge takes a moment

  t = TankJob();
  t.liquidDensity = t.liquidDepth = 0;
  t.wallNodal = {{17, {0, 10, 0}}};
  r = Analyse(t);
  for (const auto& row : r.w2) EXPECT_DOUBLE_EQ(row[4], -10.0) << row[0];

  for (const char* membrane : {"Y", "N"}) {
    t = TankJob();
    t.connection = "S";
    t.wallInPlane = membrane;
    t.liquidDensity = t.liquidDepth = 0;
    t.wallStrain = -2E-4;  // bottom inner fibres only: the strain varies up and across the wall
    testing::WriteTankJob(t);
    ::corvane::LoadTable(7, 1) = ::corvane::LoadTable(7, 2) = ::corvane::LoadTable(7, 3) =
        ::corvane::LoadTable(7, 4) = -2E-4f;
    ASSERT_TRUE(SaveLoadFile(3));
    ASSERT_EQ(AnalysisMain("ANALYSIS.exe TANK,T1,A", nullptr), 0);
    std::vector<std::string> wall = Lines("T1.RWA");
    std::vector<std::vector<double>> w1 = TableRows(wall, 11), w2 = TableRows(wall, 11 + 17 + 13);
    ASSERT_EQ(w1.size(), 17u);
    ASSERT_EQ(w2.size(), 17u);
    for (int k = 0; k <= 16; ++k) {
      EXPECT_NEAR(w1[k][2], -2.000, 0.0015) << membrane << k;  // eps0 R
      EXPECT_LT(std::fabs(w1[k][4]), 0.001) << membrane << k;
      EXPECT_LT(std::fabs(w2[k][3]), 0.001) << membrane << k;  // no hoop stress
    }
  }
}

// A sliding wall warmed alike inside and out expands freely: U = R alpha T at every node and no
// stress; warmer outside than inside, its free curvature alpha dT / t bends it: the top moves
// out further than the bottom.
TEST_F(TankTest, WallTemperatureChangesExpandASlidingWallFreely) {
  for (const char* membrane : {"Y", "N"}) {
    SCOPED_TRACE(membrane);
    TankJob t;
    t.connection = "S";
    t.wallInPlane = membrane;
    t.liquidDensity = t.liquidDepth = 0;
    t.wallAlpha = 1E-5;
    t.wallTemperatures = {20, 20, 20, 20};
    TankResults r = Analyse(t);
    ASSERT_EQ(r.w1.size(), 17u);
    ASSERT_EQ(r.w2.size(), 17u);
    for (int k = 0; k <= 16; ++k) {
      EXPECT_NEAR(r.w1[k][2], 2.000, 0.0015) << "node " << k + 1;  // 10 m x 1E-5 x 20
      for (int c : {1, 2, 3}) EXPECT_LT(std::fabs(r.w2[k][c]), 0.001) << "node " << k + 1;
    }
    // Warmer at the top than at the bottom, alike on both faces: U grows linearly with height.
    // With meridional strain an element holds one meridional strain against a free strain that
    // changes by alpha dT / 16 along it: Poisson's share, up to R nu alpha dT / 32 = 0.0125 mm,
    // is what the mesh may miss.
    t.wallTemperatures = {0, 0, 20, 20};
    r = Analyse(t);
    ASSERT_EQ(r.w1.size(), 17u);
    const double mesh = std::string(membrane) == "Y" ? 0.0125 : 0.0015;
    for (int k = 0; k <= 16; ++k) EXPECT_NEAR(r.w1[k][2], 2.000 * k / 16, mesh) << "node " << k + 1;
  }
}

// Tank data that contradict each other are refused with their box and leave no result file:
// liquid deeper than the wall (stored before the wall was lowered), a wall that stands on no
// nodal line of the base plate, rings that do not fill the wall's height.
TEST_F(TankTest, ContradictoryTankDataAreRefused) {
  const std::string crlf = "\r\n";
  struct Case {
    std::function<void(TankJob&)> change;
    std::string text;
  };
  const Case cases[] = {
      {[](TankJob& t) { t.liquidDepth = 9; }, " DEPTH OF LIQUID MUST NOT BE BIGGER THAN WALL HEIGHT"},
      {[](TankJob& t) { t.wallRadius = 9.5; }, " WALL - BASE JUNCTION MUST COINCIDE WITH ONE OF BASE NODAL LINES"},
      {[](TankJob& t) { t.height = 8.5; }, " TOTAL OF WALL RING WIDTH DIFFERS FROM WALL HEIGHT"},
  };
  for (const Case& c : cases) {
    TankJob t;
    c.change(t);
    WriteTankJob(t);
    if (c.text.find("RING") != std::string::npos) {
      // The rings as first entered, the height changed afterwards.
      for (int e = 1; e <= 16; ++e) WorkTables[2](e, 1) = 0.5f;
      ASSERT_TRUE(SaveGeometryFile("T1"));
    }
    std::vector<SolverWarningData> warnings;
    int code = AnalysisMain("ANALYSIS.exe TANK,T1,A", [&](const SolverWarningData& w) { warnings.push_back(w); });
    EXPECT_EQ(code, kAnalysisDataRefused) << c.text;
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text, c.text + crlf + crlf + "Correct the Data!");
    EXPECT_FALSE(std::filesystem::exists("T1.RPA"));
    EXPECT_FALSE(std::filesystem::exists("T1.RWA"));
  }
}

}  // namespace
}  // namespace corvane
