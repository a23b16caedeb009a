// The elastic-plastic analyses through the solver tool, with the reports parsed back: the yield
// state of every contact node or element end, equilibrium of soil reaction and loads, the
// contact conditions on the half-space, the pass limits and the stops.
#include <gtest/gtest.h>

#include <cmath>

#include "solvetool.h"
#include "testsupport.h"
#include "trabix/core/analysis.h"
#include "trabix/core/globals.h"
#include "trabix/core/resultsreport.h"

namespace trabix {
namespace {

using testing::Analyse;
using testing::CopyJob;
using testing::DisplacementRow;
using testing::EditFile;
using testing::ReadReport;
using testing::Report;
using testing::SolverRun;

void ExpectSameReport(const Report& a, const Report& b) {
  ASSERT_GT(a.count, 12);
  ASSERT_EQ(a.count, b.count);
  for (int i = 1; i <= a.count; ++i) EXPECT_EQ(a.lines[i], b.lines[i]) << "line " << i;
}

// A case analysed elastic and then elastic-plastic: the elastic-plastic run, whose report must be
// the elastic one to the letter.
SolverRun PlasticAsElastic(const std::string& job, const std::string& loadCase) {
  SolverRun elastic = Analyse(job, loadCase, "elastic");
  SolverRun plastic = Analyse(job, loadCase, "plastic");
  EXPECT_EQ(plastic.status, 0) << plastic.output;
  ExpectSameReport(plastic.report, elastic.report);
  return plastic;
}

constexpr double kPrinted = 0.0005 + 1e-9;  // half a unit of the third decimal
constexpr double kForce = 0.005 + 1e-9;     // shears and moments, two decimals

class YieldTest : public ::testing::Test {
 protected:
  void SetUp() override { SetReportClock([] { return std::tm{}; }); }
  void TearDown() override { SetReportClock(nullptr); }
  TestDirectory dir_;
};

TEST(YieldPassLimit, HalvesAndQuartersRoundToEven) {
  const int table[][2] = {{2, 2}, {20, 20}, {21, 10}, {22, 11}, {23, 12}, {80, 40}, {81, 20}, {82, 20}, {86, 22}, {90, 22}};
  for (const auto& row : table) EXPECT_EQ(YieldPassLimit(row[0]), row[1]) << row[0] << " nodes";
}

TEST(SolverWarning, TextsAndTonesOfTheStops) {
  const std::string crlf = "\r\n";
  const std::vector<SolverTone> high = {{330, 250}, {294, 250}, {330, 250}, {294, 250}};
  const std::vector<SolverTone> low = {{100, 550}, {294, 250}, {100, 550}, {294, 250}};
  const struct {
    int code;
    std::string text;
    const std::vector<SolverTone>* tones;
  } cases[] = {
      {1, "The ITERARTION PROCESS is Unstable!" + crlf + crlf + "  INCREASE the NUMBER of ELEMENTS " + crlf +
              "  and/or change OTHER DATA ITEMS! ",
       &high},
      {2, "The SYSTEM is Unstable!" + crlf + crlf + "Change the SYSTEM Data!         ", &low},
      {3, "The LOAD is too LARGE to be CARRIED OUT" + crlf + crlf + "      by SOIL with the given Yield Stress! ", &low},
      {kStopBadSupportData, "The SUPPORT DATA File is Damaged!" + crlf + crlf + "Correct the Data!", &high},
      {kStopBadLoadData, "The LOAD DATA File is Damaged!" + crlf + crlf + "Correct the Data!", &high},
      {42, "The SYSTEM is Unstable!" + crlf + crlf + "Change the SYSTEM Data!         ", &high},  // any other code
  };
  for (const auto& c : cases) {
    SolverWarningData w = SolverWarningFor(c.code);
    EXPECT_EQ(w.caption, "WARNING!");
    EXPECT_EQ(w.text, c.text) << c.code;
    ASSERT_EQ(w.tones.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(w.tones[i].frequency, (*c.tones)[i].frequency) << c.code;
      EXPECT_EQ(w.tones[i].duration, (*c.tones)[i].duration) << c.code;
    }
  }
  for (int code : {kSolverDone, kSolverNoJob}) {
    EXPECT_TRUE(SolverWarningFor(code).text.empty());
    EXPECT_TRUE(SolverWarningFor(code).tones.empty());
  }
}

// Winkler soil, k = 2E4 kPa/m and y = 100 kPa everywhere: every printed end pressure is either
// elastic (k u, below y) or yielded (exactly y, where the beam has pressed in beyond y / k).
TEST_F(YieldTest, WinklerBeamYieldsUnderPartOfItsLength) {
  SolverRun r = Analyse("WINKYLD", "P", "plastic");
  ASSERT_EQ(r.status, 0) << r.output;
  const int n = 21;
  EXPECT_GE(r.passes, 1);
  EXPECT_LE(r.passes, 2 * (n - 1));
  const double k = 2e4, y = 100;
  int yielded = 0, elastic = 0;
  for (const DisplacementRow& row : r.report.displacements) {
    double ku = k * row.translation / 1000;
    if (std::fabs(std::fabs(row.pressure) - y) <= kPrinted) {
      ++yielded;
      EXPECT_EQ(row.pressure, y) << row.distance;
      EXPECT_GE(ku, y - k * kPrinted / 1000) << row.distance;
    } else {
      ++elastic;
      EXPECT_NEAR(row.pressure, ku, k * kPrinted / 1000 + kPrinted) << row.distance;
      EXPECT_LT(std::fabs(row.pressure), y) << row.distance;
    }
  }
  EXPECT_GE(yielded, 10);
  EXPECT_GE(elastic, 6);
  EXPECT_EQ(r.report.displacements[10].pressure, y);  // under the load
  EXPECT_LT(r.report.displacements[0].pressure, 0.0);  // the ends lift (the soil holds them down)
  // The soil carries the whole load; the free ends carry no shear and no moment.
  EXPECT_NEAR(r.report.total, 800, kPrinted);
  const auto& first = r.report.forces.front().values;
  const auto& last = r.report.forces.back().values;
  EXPECT_NEAR(first[1], 0.0, 0.02);
  EXPECT_NEAR(first[3], 0.0, 0.02);
  EXPECT_NEAR(last[0], 0.0, 0.02);
  EXPECT_NEAR(last[2], 0.0, 0.02);
  EXPECT_NEAR(r.report.forces[10].values[0], 400, kForce);  // the load splits into two shears
  EXPECT_NEAR(r.report.forces[10].values[1], -400, kForce);
  // The elastic analysis of the same beam presses the soil far beyond y under the load.
  SolverRun elastic_run = Analyse("WINKYLD", "P", "elastic");
  ASSERT_EQ(elastic_run.status, 0);
  EXPECT_GT(elastic_run.report.displacements[10].pressure, 1.5 * y);
}

TEST_F(YieldTest, WinklerSymmetricHalfYieldsAsTheWholeBeam) {
  SolverRun whole = Analyse("WINKYLD", "P", "plastic");
  SolverRun half = Analyse("WINKYSYM", "P", "plastic");
  ASSERT_EQ(whole.status, 0) << whole.output;
  ASSERT_EQ(half.status, 0) << half.output;
  EXPECT_EQ(half.passes, whole.passes);
  ASSERT_EQ(half.report.displacements.size(), 11u);
  for (size_t i = 0; i < 11; ++i) {
    const auto& a = whole.report.displacements[i];
    const auto& b = half.report.displacements[i];
    EXPECT_NEAR(a.translation, b.translation, 2 * kPrinted) << i + 1;
    EXPECT_NEAR(a.pressure, b.pressure, 2 * kPrinted) << i + 1;
  }
  EXPECT_NEAR(half.report.total, 400, kPrinted);
}

TEST_F(YieldTest, WinklerEndsWithoutYieldStressStayElasticAndNeedNoCapacity) {
  // The four end elements never yield: the load of 1000 kN exceeds what the yielding soil can
  // carry (8 m x 100 kPa), yet the analysis holds.
  SolverRun r = Analyse("WINKMIX", "P", "plastic");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_NEAR(r.report.total, 1000, kPrinted);
  double highest = 0;
  for (const auto& row : r.report.displacements) {
    if (row.distance > 1.0 && row.distance < 9.0) {
      EXPECT_LE(std::fabs(row.pressure), 100.0) << row.distance;
    }
    highest = std::max(highest, row.pressure);
  }
  EXPECT_GT(highest, 200.0);  // beside the yielded zone, on soil that never yields
  // No yield stress at all: the request is an elastic analysis, and no capacity stops it.
  EXPECT_EQ(PlasticAsElastic("WINKLER", "P").passes, 0);
}

// A half without soil under it holds nothing: only halves that carry a pressure count as in
// elastic contact. A beam 10 m long on 1 m of soil (elements 10 and 11), loaded at the edge of
// the soil: the outer halves yield, and the two inner halves (no yield stress) alone hold the
// beam, which stops as the same soil under a beam without the soilless overhangs does.
TEST_F(YieldTest, WinklerHalvesWithoutSoilAreNotInContact) {
  CopyJob("WINKYLD");
  TextLineArray lines;
  int count = 0;
  LoadTextLines("WINKYLD.SUP", lines, 5000, count);
  for (int i = 1; i <= count; ++i) {
    const std::string label = lines[i].substr(0, 7);
    if (label == "     10") lines[i] = "     10        2.0000E+4        2.0000E+4         100.000          0.000";
    else if (label == "     11") lines[i] = "     11        2.0000E+4        2.0000E+4           0.000        100.000";
    else if (lines[i].find("2.0000E+4") != std::string::npos)
      lines[i] = lines[i].substr(0, 7) + "        0.0000E+0        0.0000E+0           0.000          0.000";
  }
  ASSERT_TRUE(SaveTextLines("WINKYLD.SUP", lines, count));
  EditFile("WINKYLD.LDP", "   11              800.0000", "   12               80.0000");
  std::string output;
  EXPECT_EQ(RunSolveTool({"WINKYLD", "P", "elastic"}, output), kSolverDone) << output;
  EXPECT_EQ(RunSolveTool({"WINKYLD", "P", "plastic"}, output), kStopSystemUnstable) << output;
  EXPECT_NE(output.find("passes 1\n"), std::string::npos) << output;
  EXPECT_FALSE(FileExists("WINKYLD.RBP"));
}

TEST_F(YieldTest, WinklerLoadBeyondTheCapacityStopsWithoutAReport) {
  CopyJob("WINKYLD");
  EditFile("WINKYLD.LDP", "800.0000", "950.0000");  // 1.1 x 950 > 10 m x 100 kPa x 1 m
  WriteBytes("WINKYLD.RBP", "the report of an earlier run\r\n");
  std::string output;
  EXPECT_EQ(RunSolveTool({"WINKYLD", "P", "plastic"}, output), kStopLoadTooLarge) << output;
  EXPECT_NE(output.find("The LOAD is too LARGE to be CARRIED OUT"), std::string::npos);
  EXPECT_FALSE(FileExists("WINKYLD.RBP"));
}

// The contact conditions on the half-space from the report alone: the soil surface under the
// nodes, F R / (pi E') with R the printed pressures times the nodes' contact areas, coincides
// with the structure at every elastic node; under a node yielded in compression the structure
// has pressed in beyond the surface, under one yielded in tension it has lifted above it.
void ExpectHalfSpaceContact(const Report& report, double stripWidth, double soilE, double soilNu, double y) {
  const int n = static_cast<int>(report.displacements.size());
  Vector x(n + 1), b(n, 20 * stripWidth), area(n + 1, 0.0);
  for (int i = 1; i <= n; ++i) x[i] = report.displacements[i - 1].distance;
  for (int e = 1; e < n; ++e) {
    area[e] += (x[e + 1] - x[e]) / 2;
    area[e + 1] += (x[e + 1] - x[e]) / 2;
  }
  SoilMatrix f;
  HalfSpaceFlexibility(f, n, x, b, true, 0);
  const double scale = 4 * std::atan(1.0) * soilE / (1 - soilNu * soilNu);
  int yielded = 0, elastic = 0;
  for (int i = 1; i <= n; ++i) {
    double surface = 0;
    for (int j = 1; j <= n; ++j)
      surface += static_cast<double>(f(i, j)) * report.displacements[j - 1].pressure * area[j];
    surface = surface / scale * 1000;  // mm
    const DisplacementRow& row = report.displacements[i - 1];
    if (std::fabs(std::fabs(row.pressure) - y) <= kPrinted) {
      ++yielded;
      if (row.pressure > 0) {
        EXPECT_GE(row.translation, surface - 0.002) << "node " << i;
      } else {
        EXPECT_LE(row.translation, surface + 0.002) << "node " << i;
      }
    } else {
      ++elastic;
      EXPECT_LT(std::fabs(row.pressure), y) << "node " << i;
      EXPECT_NEAR(row.translation, surface, 0.002) << "node " << i;
    }
  }
  EXPECT_GE(yielded, 2);
  EXPECT_GE(elastic, 3);
}

TEST_F(YieldTest, HalfSpaceStripYieldsAtItsEdgesAndHoldsTheLoad) {
  SolverRun r = Analyse("HSYIELD", "Q", "plastic");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_GE(r.passes, 1);
  EXPECT_LE(r.passes, YieldPassLimit(21));
  ASSERT_EQ(r.report.displacements.size(), 21u);
  EXPECT_EQ(r.report.displacements.front().pressure, 130.0);
  EXPECT_EQ(r.report.displacements.back().pressure, 130.0);
  EXPECT_LT(r.report.displacements[10].pressure, 130.0);
  EXPECT_NEAR(r.report.total, 80 * 2 + 50, kPrinted);
  ExpectHalfSpaceContact(r.report, 2, 2e4, 0.3, 130);
  // The shears close at the free edges: the soil takes the whole load between them.
  EXPECT_NEAR(r.report.forces.front().values[1], 0.0, 0.02);
  EXPECT_NEAR(r.report.forces.back().values[0], 0.0, 0.02);
  // Elastic, the same strip presses its edges far beyond the yield stress.
  SolverRun elastic_run = Analyse("HSYIELD", "Q", "elastic");
  EXPECT_GT(elastic_run.report.displacements.front().pressure, 3 * 130.0);
}

TEST_F(YieldTest, HalfSpaceSymmetricHalfYieldsAsTheWholeStrip) {
  SolverRun whole = Analyse("HSYIELD", "Q", "plastic");
  CopyJob("HSSYM");  // the left half of the same strip and load, with y = 600 kPa
  EditFile("HSSYM.SUP", "ISOTROPIC YIELD STRESS: 600.00", "ISOTROPIC YIELD STRESS: 130.00");
  SolverRun half;
  half.status = RunSolveTool({"HSSYM", "Q", "plastic"}, half.output);
  half.report = ReadReport("HSSYM.RBQ");
  ASSERT_EQ(whole.status, 0) << whole.output;
  ASSERT_EQ(half.status, 0) << half.output;
  ASSERT_EQ(half.report.displacements.size(), 11u);
  for (size_t i = 0; i < 11; ++i) {
    const auto& a = whole.report.displacements[i];
    const auto& b = half.report.displacements[i];
    EXPECT_EQ(a.pressure == 130.0, b.pressure == 130.0) << "node " << i + 1;  // the same nodes yield
    EXPECT_NEAR(a.translation, b.translation, 0.001 * a.translation) << "node " << i + 1;
    EXPECT_NEAR(a.pressure, b.pressure, 0.01 * a.pressure) << "node " << i + 1;
  }
  EXPECT_NEAR(half.report.total, whole.report.total / 2, kPrinted);
}

TEST_F(YieldTest, YieldedNodeWhereTheWidthChangesCarriesItsPressureOverItsOwnArea) {
  // Node 7 joins elements 0.8 m and 1.2 m wide: yielded, it carries 100 kPa over 0.2 + 0.3 m^2,
  // and the printed pressures account for the whole load, shear by shear.
  SolverRun r = Analyse("HSWIDTH", "L", "plastic");
  ASSERT_EQ(r.status, 0) << r.output;
  ASSERT_EQ(r.report.displacements.size(), 13u);
  EXPECT_EQ(r.report.displacements[6].pressure, 100.0);
  double carried = 0;
  for (int i = 0; i < 13; ++i) {
    double area = (i > 0 ? 0.25 * (i <= 6 ? 0.8 : 1.2) : 0.0) + (i < 12 ? 0.25 * (i < 6 ? 0.8 : 1.2) : 0.0);
    carried += r.report.displacements[i].pressure * area;
  }
  EXPECT_NEAR(carried, 20 * 6 + 400, 0.005);
  EXPECT_NEAR(r.report.total, 20 * 6 + 400, kPrinted);
  EXPECT_NEAR(r.report.forces.front().values[1], 0.0, 0.02);
  EXPECT_NEAR(r.report.forces.back().values[0], 0.0, 0.02);
}

TEST_F(YieldTest, HalfSpaceStripUnderAMomentYieldsInCompressionAndTension) {
  // 50 kNm/m is half the strip's plastic moment y B^2 / 4 = 100 kNm/m.
  SolverRun r = Analyse("HSMOMENT", "Moderate", "plastic");
  ASSERT_EQ(r.status, 0) << r.output;
  ExpectHalfSpaceContact(r.report, 2, 2e4, 0.3, 100);
  EXPECT_EQ(r.report.displacements.front().pressure, -100.0);
  EXPECT_EQ(r.report.displacements.back().pressure, 100.0);
  // Equilibrium of forces and of moments about the centre (a clockwise moment is held by the
  // soil pushing up on the right).
  double force = 0, moment = 0;
  const auto& rows = r.report.displacements;
  for (size_t i = 0; i < rows.size(); ++i) {
    double a = ((i > 0 ? rows[i].distance - rows[i - 1].distance : 0) +
                (i + 1 < rows.size() ? rows[i + 1].distance - rows[i].distance : 0)) / 2;
    force += rows[i].pressure * a;
    moment += rows[i].pressure * a * (rows[i].distance - 1.0);
  }
  EXPECT_NEAR(force, 20, 0.01);
  EXPECT_NEAR(moment, 50, 0.01);
  EXPECT_NEAR(r.report.total, 20, kPrinted);
}

TEST_F(YieldTest, HalfSpaceIterationBeyondItsPassLimitStopsWithoutAReport) {
  // The yield zone under a load near the right edge grows by a node a pass: 21 nodes allow 10.
  CopyJob("HSSLOW");
  WriteBytes("HSSLOW.RBQ", "the report of an earlier run\r\n");
  std::string output;
  EXPECT_EQ(RunSolveTool({"HSSLOW", "Q", "plastic"}, output), kStopIterationUnstable) << output;
  EXPECT_NE(output.find("passes 10\n"), std::string::npos) << output;
  EXPECT_NE(output.find("The ITERARTION PROCESS is Unstable!"), std::string::npos);
  EXPECT_FALSE(FileExists("HSSLOW.RBQ"));
}

TEST_F(YieldTest, StripWhoseNodesAllYieldIsAMechanism) {
  // 200 kNm/m is twice the plastic moment: the soil cannot hold the strip.
  // Free, and held only against turning by two rotational springs (singular once all yield).
  for (const char* job : {"HSMOMENT", "HSMOMSPR"}) {
    CopyJob(job);
    std::string report = std::string(job) + ".RBE";
    WriteBytes(report, "the report of an earlier run\r\n");
    std::string output;
    EXPECT_EQ(RunSolveTool({job, "Excess", "plastic"}, output), kStopSystemUnstable) << job << output;
    EXPECT_NE(output.find("The SYSTEM is Unstable!"), std::string::npos);
    EXPECT_FALSE(FileExists(report)) << job;
    EXPECT_EQ(RunSolveTool({job, "Moderate", "plastic"}, output), kSolverDone) << job << output;
  }
}

TEST_F(YieldTest, HalfSpaceBelowTheYieldStressGivesTheElasticReport) {
  EXPECT_EQ(PlasticAsElastic("HSSTRIP", "Q").passes, 0);
}

TEST_F(YieldTest, StripWithoutBendingStiffnessIsAnalysedNodeByNode) {
  // Each node carries its own load: 160 kPa near the left edge stays 160 kPa although the soil
  // yields at 120; the elastic-plastic request gives the elastic report, not a system held by
  // the 1E-10 stand-in modulus.
  SolverRun plastic = PlasticAsElastic("HSZEROY", "Q");
  ASSERT_EQ(plastic.status, 0);
  EXPECT_NEAR(plastic.report.displacements[1].pressure, 160, kPrinted);
  for (const auto& row : plastic.report.displacements) EXPECT_LT(std::fabs(row.translation), 100.0);
  EXPECT_NEAR(plastic.report.total, 212, kPrinted);
}

// When every yielded node of a pass unloads, the next pass has none: the iteration solves the
// elastic system again instead of ending on the solution of the state it has just left.
TEST_F(YieldTest, IterationThatUnloadsEveryYieldedNodeEndsOnTheElasticSolution) {
  CopyJob("HSSTRIP");  // y = 600 kPa; the elastic pressures stay far below it
  JobSpec = "HSSTRIP";
  LoadCaseName = "Q";
  YieldAnalysis = 1;
  BeamModel m;
  ASSERT_EQ(ReadBeamJob(m), kSolverDone);
  ASSERT_EQ(FormSoilMatrices(m), kSolverDone);
  AssembleSystem(m);
  FormLoadVector(m);
  ASSERT_EQ(SolveElastic(m), kSolverDone);
  SoilReactions(m);
  const Vector elasticU = m.u, elasticP = m.pressures;
  ASSERT_LT(elasticP[11], 100.0);
  // Pretend the centre node had reached the yield stress: it yields, its 60 kN/m lift the strip
  // off the soil there, it unloads, and nothing else moves near y.
  m.pressures[11] = 600;
  ASSERT_EQ(YieldIteration(m), kSolverDone);
  EXPECT_EQ(m.yieldPasses, 2);
  for (int i = 1; i <= m.nodes; ++i) EXPECT_EQ(m.yieldStatus[i], 0) << i;
  ASSERT_EQ(m.u.size(), elasticU.size());
  for (size_t i = 1; i < elasticU.size(); ++i) EXPECT_EQ(m.u[i], elasticU[i]) << i;
  for (int i = 1; i <= m.nodes + 1; ++i) EXPECT_DOUBLE_EQ(m.pressures[i], elasticP[i]) << i;
}

}  // namespace
}  // namespace trabix
