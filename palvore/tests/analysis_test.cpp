// Analyses through the solver tool, checked against closed forms: the simply supported pile under
// a uniform load, Hetenyi's long pile in Winkler soil (free and fixed head, with a free length, a
// sheet pile) and a rigid pile held by statics alone.
#include <gtest/gtest.h>

#include <cmath>

#include "core/reporttext.h"
#include "palvore/core/analysis.h"
#include "testsupport.h"

namespace palvore {
namespace {

using testing::Analyse;
using testing::LongPile;
using testing::PileJob;
using testing::Report;
using testing::SolverRun;
using testing::WriteJob;

class AnalysisTest : public ::testing::Test {
 protected:
  static std::tm FixedClock() {
    std::tm t{};
    t.tm_year = 126;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    return t;
  }
  void SetUp() override { SetReportClock(FixedClock); }
  void TearDown() override { SetReportClock(nullptr); }
  TestDirectory dir;
};

// The field of a displacement row as printed (translation 1, slope 2, pressure 3).
std::string Printed(const Report& r, size_t row, size_t field) {
  const size_t first = 10 + r.forces.size() + 7;
  return SplitFields(r.lines.at(first + row)).at(field);
}

PileJob SimplySupported() {
  PileJob j;
  j.name = "PILE2";
  j.unyielding = "1,5";
  j.trapezoidal = {{1, 10, 10}, {2, 10, 10}, {3, 10, 10}, {4, 10, 10}};
  return j;
}

TEST_F(AnalysisTest, SimplySupportedPileUnderAUniformLoad) {
  WriteJob(SimplySupported());
  SolverRun run = Analyse(SimplySupported());
  ASSERT_EQ(run.status, 0) << run.output;
  const Report& r = run.report;
  ASSERT_EQ(r.lines.size(), 32u);
  EXPECT_EQ(r.lines[1], std::string(39, ' ') + "DATE: 12-10-2026;     TIME: 09:05:07");
  EXPECT_EQ(r.lines[3], "Job: PILE2 //  Load Case: 'A'");
  EXPECT_EQ(r.lines[5], "--** R E S U L T S  OF  A N A L Y S I S **--");
  EXPECT_EQ(r.lines[7], "                 S H E A R   F O R C E S  and  B E N D I N G   M O M E N T S ");
  EXPECT_EQ(r.lines[8], "Distance from    Shear Above     Shear Below    Moment Above   Moment Below");
  EXPECT_EQ(r.lines[9], "   Top [m]           [kN]            [kN]          [kN.m]          [kN.m]");
  EXPECT_EQ(r.lines[10], "     .000                          -20.00                             .00  ");
  EXPECT_EQ(r.lines[15], "");
  EXPECT_EQ(r.lines[16], "**REMARK: POSITIVE MOMENTS PRODUCE TENSION ON LEFT SIDE");
  EXPECT_EQ(r.lines[17], std::string(75, '-'));
  EXPECT_EQ(r.lines[19], "                        D I S P L A C E M E N T S ");
  EXPECT_EQ(r.lines[20], "Distance from    Horiz. Translation       Slope");
  EXPECT_EQ(r.lines[21], "  Left [m]              [mm]              [rad] ");
  EXPECT_EQ(r.lines[27], "");
  EXPECT_EQ(r.lines[28], "**REMARKS:");
  EXPECT_EQ(r.lines[29], "         - Horizontal Translation is POSITIVE if RIGHTWARD");
  EXPECT_EQ(r.lines[30], "         - Slope (Angle of Rotation) is POSITIVE if CLOCKWISE");
  EXPECT_EQ(r.lines[31], std::string(75, '-'));

  ASSERT_EQ(r.forces.size(), 5u);
  EXPECT_DOUBLE_EQ(r.forces[2].depth, 2.0);
  EXPECT_DOUBLE_EQ(r.forces[2].values[2], -20.0);  // q L^2 / 8, tension on the right
  EXPECT_DOUBLE_EQ(r.forces[2].values[3], -20.0);
  EXPECT_DOUBLE_EQ(r.forces[4].values[0], 20.0);
  EXPECT_TRUE(std::isnan(r.forces[4].values[1]));
  ASSERT_EQ(r.displacements.size(), 5u);
  const char* translations[] = {".000", ".594", ".833", ".594", ".000"};
  // q L^3 / (24 EI) at the ends; clockwise is -du/dx with x down the pile.
  const char* slopes[] = {"-6.667E-4", "-4.583E-4", ".000", "4.583E-4", "6.667E-4"};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(Printed(r, i, 1), translations[i]) << i;
    EXPECT_EQ(Printed(r, i, 2), slopes[i]) << i;
  }
  EXPECT_TRUE(std::isnan(r.total));
}


TEST_F(AnalysisTest, LongPileWithAFreeHead) {
  PileJob j = LongPile(80, 20);
  WriteJob(j);
  SolverRun run = Analyse(j);
  ASSERT_EQ(run.status, 0) << run.output;
  const Report& r = run.report;
  // Closed form: y0 = 2 H lambda / (k B) = 10.000 mm, slope 2 H lambda^2 / (k B) = 5.000E-3.
  EXPECT_EQ(Printed(r, 0, 1), "9.987");
  EXPECT_EQ(Printed(r, 0, 2), "4.987E-3");
  EXPECT_EQ(Printed(r, 0, 3), "199.740");
  // M max = 0.3224 H / lambda = 64.48 at pi / (4 lambda) = 1.571 m.
  ASSERT_EQ(r.forces.size(), 81u);
  EXPECT_DOUBLE_EQ(r.forces[6].depth, 1.5);
  EXPECT_DOUBLE_EQ(r.forces[6].values[3], 64.44);
  EXPECT_DOUBLE_EQ(r.forces[0].values[1], 100.0);
  EXPECT_NE(r.lines.back().find('-'), std::string::npos);
  bool totalLine = false;
  for (const std::string& line : r.lines) totalLine |= line == "ESTIMATE OF TOTAL SOIL-PILE INTERACTION FORCE: 100.000 [kN]";
  EXPECT_TRUE(totalLine);
  EXPECT_EQ(r.lines[10 + 81 + 4], "                              DISPLACEMENTS               PILE - SOIL");

  PileJob coarse = LongPile(40, 20);
  WriteJob(coarse);
  run = Analyse(coarse);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(Printed(run.report, 0, 1), "9.948");
}

TEST_F(AnalysisTest, LongPileWithAFixedHead) {
  PileJob j = LongPile(80, 20);
  j.topFixed = true;
  j.nodal = {{1, 100, 25}};  // a moment at the fixed rotation goes into the support
  WriteJob(j);
  SolverRun run = Analyse(j);
  ASSERT_EQ(run.status, 0) << run.output;
  // Closed form: y0 = H lambda / (k B) = 5.000 mm, M0 = -H / (2 lambda) = -100. The element
  // model's own solution, worked out exactly, is 5.0064977 mm.
  EXPECT_EQ(Printed(run.report, 0, 1), "5.006");
  EXPECT_EQ(Printed(run.report, 0, 2), ".000");
  EXPECT_DOUBLE_EQ(run.report.forces[0].values[3], -99.87);
}

TEST_F(AnalysisTest, LongPileWithAFreeLength) {
  PileJob j = LongPile(88, 22);
  j.above = 8;
  WriteJob(j);
  SolverRun run = Analyse(j);
  ASSERT_EQ(run.status, 0) << run.output;
  const Report& r = run.report;
  // Closed form with e = 2 m above the soil: y0 = 56.667 mm.
  EXPECT_EQ(Printed(r, 0, 1), "56.576");
  EXPECT_DOUBLE_EQ(r.forces[8].depth, 2.0);
  EXPECT_DOUBLE_EQ(r.forces[8].values[2], 200.0);
  EXPECT_DOUBLE_EQ(r.forces[8].values[3], 200.0);
  // Two rows at the ground node: the free length carries no pressure, the soil below does.
  ASSERT_EQ(r.displacements.size(), 90u);
  EXPECT_DOUBLE_EQ(r.displacements[8].depth, 2.0);
  EXPECT_DOUBLE_EQ(r.displacements[9].depth, 2.0);
  EXPECT_EQ(Printed(r, 8, 3), ".000");
  EXPECT_EQ(Printed(r, 9, 3), "399.220");
  EXPECT_EQ(Printed(r, 8, 1), Printed(r, 9, 1));
}

TEST_F(AnalysisTest, SheetPilePerMetreOfWall) {
  // I / (1 - nu^2) = 0.002 m^4/m and k x 1 m = 1E4: the long pile of the tests above.
  PileJob j = LongPile(80, 20);
  j.sheetPile = true;
  j.inertia = 0.00182;
  j.subgrade = 10000;
  WriteJob(j);
  SolverRun run = Analyse(j);
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(Printed(run.report, 0, 1), "9.987");
  EXPECT_EQ(Printed(run.report, 0, 3), "99.870");
  EXPECT_EQ(run.report.lines[9], "   Top [m]          [kN/m]          [kN/m]         [kN.m/m]        [kN.m/m]");
}

// A short stiff pile: the soil holds it by statics, k B (a L + b L^2 / 2) = H and
// k B (a L^2 / 2 + b L^3 / 3) = 0, so u = 0.4 mm - 0.06 mm/m x; its own bending adds what
// Hetenyi's finite beam on elastic foundation gives (E I = 2E10: u 0.400048 and -0.199964 mm,
// slopes 6.0026E-5 and 5.9985E-5, pressures 40.0048 and -19.9964 kPa).
TEST_F(AnalysisTest, ShortStiffPileFollowsStaticsAndItsBending) {
  const struct {
    double modulus;
    const char *top, *tip, *topSlope, *tipSlope, *topPressure, *tipPressure;
  } cases[] = {
      {2.0E10, ".400", "-.200", "6.003E-5", "5.998E-5", "40.005", "-19.996"},
      {2.0E12, ".400", "-.200", "6.000E-5", "6.000E-5", "40.000", "-20.000"},  // rigid to the printed digits
  };
  for (const auto& c : cases) {
    PileJob j;
    j.name = "RIGID";
    j.elements = 40;
    j.elementLength = 0.25;
    j.width = 1;
    j.inertia = 1;
    j.modulus = c.modulus;
    j.subgrade = 1.0E5;
    j.nodal = {{1, 100, 0}};
    WriteJob(j);
    SolverRun run = Analyse(j);
    ASSERT_EQ(run.status, 0) << run.output;
    const Report& r = run.report;
    EXPECT_EQ(Printed(r, 0, 1), c.top) << c.modulus;
    EXPECT_EQ(Printed(r, 40, 1), c.tip) << c.modulus;
    EXPECT_EQ(Printed(r, 0, 2), c.topSlope) << c.modulus;
    EXPECT_EQ(Printed(r, 40, 2), c.tipSlope) << c.modulus;
    EXPECT_EQ(Printed(r, 0, 3), c.topPressure) << c.modulus;
    EXPECT_EQ(Printed(r, 40, 3), c.tipPressure) << c.modulus;
    EXPECT_DOUBLE_EQ(r.total, 100.0);
  }
}

TEST_F(AnalysisTest, LoadsAtUnyieldingNodesGoIntoTheSupports) {
  PileJob plain = SimplySupported();
  PileJob loaded = plain;
  loaded.name = "LOADED";
  loaded.nodal = {{1, 500, 0}, {5, -300, 0}};
  WriteJob(plain);
  WriteJob(loaded);
  SolverRun a = Analyse(plain), b = Analyse(loaded);
  ASSERT_EQ(a.status, 0);
  ASSERT_EQ(b.status, 0);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(a.report.displacements[i].translation, b.report.displacements[i].translation) << i;
    EXPECT_EQ(a.report.displacements[i].slope, b.report.displacements[i].slope) << i;
  }
}

TEST_F(AnalysisTest, AMechanismStopsAndLeavesNoReport) {
  PileJob j;
  j.name = "LOOSE";
  j.unyielding = "1";
  j.nodal = {{5, 10, 0}};
  WriteJob(j);
  ASSERT_TRUE(SaveTextLines("LOOSE.RBA", {"", "an older report"}, 1));
  SolverRun run = Analyse(j);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("The SYSTEM is Unstable!\r\n\r\nChange the SYSTEM Data!         "), std::string::npos);
  EXPECT_FALSE(FileExists("LOOSE.RBA"));

  // A node number beyond the pile is skipped, not used: the pile is still held at node 1 only.
  j.unyielding = "1,9";
  WriteJob(j);
  EXPECT_EQ(Analyse(j).status, 2);
}

TEST_F(AnalysisTest, NoGeometryOrNoCaseEndsSilently) {
  std::string output;
  EXPECT_EQ(RunSolveTool({"NONE", "A"}, output), 100);
  WriteJob(SimplySupported());
  EXPECT_EQ(RunSolveTool({"PILE2", " "}, output), 100);
  EXPECT_EQ(RunSolveTool({"PILE2"}, output), 64);
}

TEST_F(AnalysisTest, AnUnwritableReportStops) {
  WriteJob(SimplySupported());
  std::filesystem::create_directory("PILE2.RBA");  // a folder holds the report's name
  SolverRun run = Analyse(SimplySupported());
  EXPECT_EQ(run.status, 6);
  EXPECT_NE(run.output.find("The RESULTS File cannot be Written!"), std::string::npos);
}

TEST(SolverWarning, TextsAndTonesOfTheStops) {
  const std::string crlf = "\r\n";
  const std::vector<std::pair<int, int>> high = {{330, 250}, {294, 250}, {330, 250}, {294, 250}};
  const std::vector<std::pair<int, int>> low = {{100, 550}, {294, 250}, {100, 550}, {294, 250}};
  const struct {
    int code;
    std::string text;
    const std::vector<std::pair<int, int>>* tones;
  } cases[] = {
      {1, "The ITERARTION PROCESS is Unstable!" + crlf + crlf + "  INCREASE the NUMBER of ELEMENTS " + crlf +
              "  and/or change OTHER DATA ITEMS! ",
       &high},
      {2, "The SYSTEM is Unstable!" + crlf + crlf + "Change the SYSTEM Data!         ", &low},
      {3, "The SYSTEM is Unstable!" + crlf + crlf + "Change the SYSTEM Data!         ", &low},
      {6, "The RESULTS File cannot be Written!" + crlf + crlf + "Check the JOB Directory!", &high},
  };
  for (const auto& c : cases) {
    SolverWarningData w = SolverWarningFor(c.code);
    EXPECT_EQ(w.caption, "WARNING!");
    EXPECT_EQ(w.text, c.text) << c.code;
    ASSERT_EQ(w.tones.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(w.tones[i].frequency, (*c.tones)[i].first) << c.code;
      EXPECT_EQ(w.tones[i].duration, (*c.tones)[i].second) << c.code;
    }
  }
  EXPECT_TRUE(SolverWarningFor(kSolverDone).text.empty());
  EXPECT_TRUE(SolverWarningFor(kSolverNoJob).tones.empty());
}

}  // namespace
}  // namespace palvore
