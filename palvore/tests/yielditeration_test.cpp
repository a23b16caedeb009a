// The elastic-plastic analysis through the solver tool: a short stiff pile in Winkler soil that
// yields at its ends up to the collapse load, and a pile in a half-space that yields at its top.
#include <gtest/gtest.h>

#include <cmath>

#include "core/reporttext.h"
#include "palvore/core/analysis.h"
#include "testsupport.h"

namespace palvore {
namespace {

using testing::Analyse;
using testing::StiffPile;
using testing::PileJob;
using testing::Report;
using testing::SolverRun;
using testing::WriteJob;

class YieldTest : public ::testing::Test {
 protected:
  void SetUp() override { SetReportClock([] { return std::tm{}; }); }
  void TearDown() override { SetReportClock(nullptr); }
  TestDirectory dir;
};


std::vector<std::string> PressureTexts(const Report& r) {
  std::vector<std::string> texts;
  const size_t first = 10 + r.forces.size() + 7;
  for (size_t i = 0; i < r.displacements.size(); ++i) texts.push_back(SplitFields(r.lines[first + i]).at(3));
  return texts;
}

TEST_F(YieldTest, StiffPileInWinklerSoilYieldsAtItsEnds) {
  PileJob j = StiffPile(300);
  WriteJob(j);
  SolverRun run = Analyse(j, "plastic");
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("passes "), std::string::npos);
  EXPECT_EQ(run.output.find("passes 0"), std::string::npos) << run.output;
  const Report& r = run.report;
  // A rigid pile with the soil at fy over its upper part and elastic below carries 300 kN with
  // its top at 1.272 mm.
  EXPECT_NEAR(r.displacements[0].translation, 1.272, 0.002 * 1.272);
  std::vector<std::string> p = PressureTexts(r);
  EXPECT_EQ(p.front(), "100.000");
  int yielded = 0;
  for (const std::string& text : p) {
    EXPECT_LE(std::fabs(ParseNumber(text)), 100.0) << text;
    yielded += text == "100.000" || text == "-100.000";
  }
  EXPECT_GT(yielded, 2);
  EXPECT_DOUBLE_EQ(r.total, 300.0);
}

TEST_F(YieldTest, StiffPileBeyondTheCollapseLoadStops) {
  // The collapse load f B D (sqrt 2 - 1) = 414.21 kN.
  PileJob j = StiffPile(450);
  WriteJob(j);
  ASSERT_TRUE(SaveTextLines("STIFF.RBA", {"", "an older report"}, 1));
  SolverRun run = Analyse(j, "plastic");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("The SYSTEM is Unstable!\r\n\r\nChange the SYSTEM Data!         "), std::string::npos);
  EXPECT_FALSE(FileExists("STIFF.RBA"));
  SolverWarningData w = SolverWarningFor(run.status);
  ASSERT_EQ(w.tones.size(), 4u);
  EXPECT_EQ(w.tones[0].frequency, 100);
  EXPECT_EQ(w.tones[0].duration, 550);
  EXPECT_EQ(w.tones[3].frequency, 294);
  // Elastically the same pile is analysed.
  EXPECT_EQ(Analyse(j, "elastic").status, 0);
}

TEST_F(YieldTest, WinklerSoilThatNothingYieldsGivesTheElasticReport) {
  // Also where the two halves of one embedded element alone hold the pile: they hold it as in
  // the elastic analysis, and a soil that never yields is no unstable system.
  struct Case {
    int above;
    double yieldStress;
  };
  for (const Case& c : {Case{0, 1000}, Case{39, 1.0E9}}) {
    PileJob j = StiffPile(100);
    j.above = c.above;
    j.yieldStress = c.yieldStress;
    WriteJob(j);
    SolverRun plastic = Analyse(j, "plastic");
    SolverRun elastic = Analyse(j, "elastic");
    ASSERT_EQ(elastic.status, 0) << c.above;
    ASSERT_EQ(plastic.status, 0) << c.above << plastic.output;
    EXPECT_NE(plastic.output.find("passes 0"), std::string::npos) << c.above;
    EXPECT_EQ(plastic.report.lines, elastic.report.lines) << c.above;
  }
}

// A 10 m pile of 20 elements, B 0.5, E I 4E4, in a half-space of Es 1E4, nu 0.3.
PileJob HalfSpacePile(double fy) {
  PileJob j;
  j.name = "HALF";
  j.elements = 20;
  j.elementLength = 0.5;
  j.halfSpace = true;
  j.soilModulus = 1.0E4;
  j.soilPoisson = 0.3;
  j.yieldStress = fy;
  j.nodal = {{1, 100, 0}};
  return j;
}

TEST_F(YieldTest, HalfSpaceWithoutYieldStressIsElastic) {
  PileJob j = HalfSpacePile(0.01);
  WriteJob(j);
  SolverRun plastic = Analyse(j, "plastic");
  EXPECT_EQ(YieldAnalysis, 0);  // the mode comes back elastic
  SolverRun elastic = Analyse(j, "elastic");
  ASSERT_EQ(plastic.status, 0) << plastic.output;
  EXPECT_EQ(plastic.report.lines, elastic.report.lines);
}

// The embedded nodes yield from the surface down. With a free length the contact nodes start
// below the pile top: the free nodes carry no pressure (the report lists the surface node twice,
// above the soil and in it), and the soil still takes the whole load.
TEST_F(YieldTest, HalfSpaceYieldsAtTheSoilSurface) {
  struct Case {
    int elements, above;
    size_t surfaceRow;
  };
  for (const Case& c : {Case{20, 0, 0}, Case{24, 4, 5}}) {
    PileJob j = HalfSpacePile(0);
    j.elements = c.elements;
    j.above = c.above;
    WriteJob(j);
    SolverRun elastic = Analyse(j, "elastic");
    ASSERT_EQ(elastic.status, 0) << elastic.output;
    const double top = elastic.report.displacements[c.surfaceRow].pressure;
    ASSERT_GT(top, 0) << c.above;
    // A yield stress at half the elastic surface pressure yields the upper nodes.
    j.yieldStress = std::round(top / 2);
    WriteJob(j);
    SolverRun run = Analyse(j, "plastic");
    ASSERT_EQ(run.status, 0) << run.output;
    const int passes = std::stoi(run.output.substr(run.output.find("passes ") + 7));
    EXPECT_GE(passes, 1) << c.above;
    EXPECT_LE(passes, beamkernel::YieldPassLimit(21)) << c.above;
    const std::string fy = FormatNumber(j.yieldStress, "#0.000");
    std::vector<std::string> p = PressureTexts(run.report);
    for (size_t i = 0; i < c.surfaceRow; ++i) EXPECT_EQ(ParseNumber(p[i]), 0.0) << i;
    EXPECT_EQ(p[c.surfaceRow], fy) << c.above;
    for (const std::string& text : p) EXPECT_LE(std::fabs(ParseNumber(text)), j.yieldStress + 0.001) << text;
    EXPECT_DOUBLE_EQ(run.report.total, 100.0) << c.above;
    EXPECT_GT(run.report.displacements[0].translation, elastic.report.displacements[0].translation) << c.above;
  }
}

TEST_F(YieldTest, HalfSpaceThatCannotSettleStops) {
  // Far too weak a soil for 100 kN: too few nodes stay in elastic contact.
  PileJob j = HalfSpacePile(2);
  WriteJob(j);
  SolverRun run = Analyse(j, "plastic");
  EXPECT_EQ(run.status, 2) << run.output;
  EXPECT_FALSE(FileExists("HALF.RBA"));

  // Held by two weak springs as well, the contact keeps changing until the pass limit.
  j = HalfSpacePile(20);
  j.springs = {{1, 50, 0}, {21, 50, 0}};
  WriteJob(j);
  run = Analyse(j, "plastic");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("passes 10"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("The ITERARTION PROCESS is Unstable!"), std::string::npos);
  EXPECT_FALSE(FileExists("HALF.RBA"));
  SolverWarningData w = SolverWarningFor(run.status);
  ASSERT_EQ(w.tones.size(), 4u);
  EXPECT_EQ(w.tones[0].frequency, 330);
  EXPECT_EQ(w.tones[1].frequency, 294);
  EXPECT_EQ(w.tones[2].duration, 250);
}

}  // namespace
}  // namespace palvore
