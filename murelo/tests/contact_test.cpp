// The elastic-plastic analysis: the contact states of the base-plate nodes, the iteration that
// settles them and its stops, checked by statics and against the rigid footing.
#include <gtest/gtest.h>

#include <cmath>

#include "core/hostfs.h"
#include "testsupport.h"

namespace murelo {
namespace {

using testing::AnalyseWall;
using testing::SolverRun;
using testing::StandardWall;
using testing::WallGeometry;
using testing::WallLoads;
using testing::WallSupports;

using ContactTest = testing::WallTest;

TEST(ContactPassLimit, IsTheNodeCountUpToFiftyThenHalfOfIt) {
  const int cases[][2] = {{1, 1}, {21, 21}, {50, 50}, {51, 26}, {53, 26}, {60, 30}, {61, 30}, {201, 100}};
  for (const auto& c : cases) EXPECT_EQ(ContactPassLimit(c[0]), c[1]) << c[0] << " nodes";
}

TEST(UpdateContactStatus, Rules) {
  struct Case {
    double q, p;
    int before;
    double pAfter;
    int after, yields, separations, changes;
  };
  const Case cases[] = {
      {100, 50, kElasticContact, 50, kElasticContact, 0, 0, 0},  // below the yield stress
      {100, 50, kYielding, 50, kElasticContact, 0, 0, 1},
      {100, 99.95, kElasticContact, 100, kYielding, 1, 0, 1},  // within 0.1 % of q: q
      {100, 99.8, kElasticContact, 99.8, kElasticContact, 0, 0, 0},
      {100, 150, kElasticContact, 100, kYielding, 1, 0, 1},
      {100, 100, kYielding, 100, kYielding, 1, 0, 0},
      {0, 500, kElasticContact, 500, kElasticContact, 0, 0, 0},  // no yield stress: never yields
      {-5, 10, kSeparated, 10, kElasticContact, 0, 0, 1},
      {100, 0, kElasticContact, 0, kSeparated, 0, 2, 1},
      {100, -3, kSeparated, 0, kSeparated, 0, 2, 0},
      {0, -3, kYielding, 0, kSeparated, 0, 2, 1},
  };
  for (const Case& c : cases) {
    Vector q{0, c.q}, p{0, c.p};
    std::vector<int> status{0, c.before};
    int yields = 0, separations = 0, changes = 0;
    UpdateContactStatus(q, p, status, 1, {0, 1}, yields, separations, changes);
    SCOPED_TRACE(::testing::Message() << "q " << c.q << " p " << c.p << " state " << c.before);
    EXPECT_DOUBLE_EQ(p[1], c.pAfter);
    EXPECT_EQ(status[1], c.after);
    EXPECT_EQ(yields, c.yields);
    EXPECT_EQ(separations, c.separations);
    EXPECT_EQ(changes, c.changes);
  }
  // A node without soil under it is left as it is.
  Vector q{0, 100}, p{0, -7};
  std::vector<int> status{0, kElasticContact};
  int yields = 0, separations = 0, changes = 0;
  UpdateContactStatus(q, p, status, 1, {0, 0}, yields, separations, changes);
  EXPECT_EQ(status[1], kElasticContact);
  EXPECT_EQ(p[1], -7);
  EXPECT_EQ(separations + changes, 0);
}

std::string ReportText(const std::string& job = "WALL", const std::string& loadCase = "A") {
  TextLineArray lines;
  int count = 0;
  LoadTextLines(ResultsFileName(job, loadCase), lines, 5000, count);
  std::string text;
  for (int i = 1; i <= count; ++i) text += lines[i] + "\n";
  return text;
}

TEST_F(ContactTest, ACaseCarriedElasticallyGivesTheElasticReport) {
  struct Job {
    const char* name;
    WallSupports supports;
  };
  WallSupports winkler;
  winkler.winkler = 10000;
  winkler.winklerYield = 200;
  WallSupports plain;
  plain.unyielding = "1,5";  // no soil: no iteration at all
  WallSupports halfSpace;
  halfSpace.toeRestrained = false;
  halfSpace.halfSpaceModulus = 30000;
  halfSpace.yieldStress = 1000;
  for (const Job& job : {Job{"winkler", winkler}, Job{"supports only", plain}, Job{"half-space", halfSpace}}) {
    SCOPED_TRACE(job.name);
    WallLoads l;
    l.plateUniform = 50;
    SolverRun elastic = AnalyseWall(StandardWall(), job.supports, l);
    ASSERT_EQ(elastic.status, kSolverDone) << elastic.output;
    const std::string expected = ReportText();
    SolverRun plastic = AnalyseWall(StandardWall(), job.supports, l, "WALL", "A", "plastic");
    ASSERT_EQ(plastic.status, kSolverDone) << plastic.output;
    EXPECT_NE(plastic.output.find("passes 0"), std::string::npos) << plastic.output;
    EXPECT_EQ(ReportText(), expected);
  }
}

// A stiff plate, 4 m of 40 elements, on Winkler soil that takes no tension, the toe restrained.
WallGeometry StiffPlate() {
  WallGeometry g = StandardWall();
  g.plate = {40, 0.1, 2.0};
  g.toe = 2.0;
  return g;
}

TEST_F(ContactTest, AnEccentricLoadLiftsTheHeelOffTensionlessSoil) {
  WallSupports s;
  s.winkler = 10000;
  WallLoads l;
  l.plateNodal = {{6, 100, 0}};  // 100 kN/m at x = 0.5 m: e = 1.5 m beyond B / 6
  SolverRun r = AnalyseWall(StiffPlate(), s, l, "WALL", "A", "plastic");
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  EXPECT_EQ(r.output.find("passes 0"), std::string::npos) << r.output;
  const auto& d = r.report.plate.displacements;
  ASSERT_EQ(d.size(), 41u);
  // The rigid footing: a triangle of pressure over c = 3 (B / 2 - e) = 1.5 m, 2 V / c at the toe.
  EXPECT_NEAR(d[0].pressure, 133.33, 0.005 * 133.33);
  double lastContact = 0, moment = 0;
  for (size_t i = 0; i < d.size(); ++i) {
    if (d[i].pressure > 0) {
      lastContact = d[i].distance;
    } else {
      EXPECT_EQ(d[i].pressure, 0.0) << "at " << d[i].distance;
    }
    double width = (i == 0 || i + 1 == d.size()) ? 0.05 : 0.1;
    moment += d[i].pressure * width * d[i].distance;
  }
  EXPECT_NEAR(lastContact, 1.5, 0.15);
  for (size_t i = 0; i < d.size(); ++i) {
    if (d[i].distance > lastContact + 1e-9) {
      EXPECT_EQ(d[i].pressure, 0.0);
    }
  }
  EXPECT_NEAR(moment, 50, 0.005 * 50);  // about the toe: V times 0.5 m
  bool total = false;
  for (int i = 1; i <= r.report.count; ++i)
    total = total || r.report.lines[i] == "Estimate of Total Reaction from Elastic Foundation: 100.000 [kN]";
  EXPECT_TRUE(total);

  // Within the kern (x = 1.5 m, e = 0.5 m < B / 6) the whole plate stays in contact.
  l.plateNodal = {{16, 100, 0}};
  r = AnalyseWall(StiffPlate(), s, l, "WALL", "A", "plastic");
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  EXPECT_NE(r.output.find("passes 0"), std::string::npos) << r.output;
  for (const auto& row : r.report.plate.displacements) EXPECT_GT(row.pressure, 0) << "at " << row.distance;
}

WallGeometry YieldingPlate(double thickness) {
  WallGeometry g = StandardWall();
  g.plate = {20, 0.2, thickness};
  g.toe = 2.0;
  return g;
}

TEST_F(ContactTest, WinklerSoilYieldsUnderTheCentre) {
  WallSupports s;
  s.winkler = 20000;
  s.winklerYield = 100;
  WallLoads l;
  l.plateNodal = {{11, 300, 0}};
  SolverRun r = AnalyseWall(YieldingPlate(0.2), s, l, "WALL", "A", "plastic");
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  int held = 0, runs = 0;
  bool before = false;
  for (const auto& row : r.report.plate.displacements) {
    EXPECT_LE(row.pressure, 100.0) << "at " << row.distance;
    const bool at = row.pressure == 100.0;
    held += at;
    runs += at && !before;
    before = at;
  }
  EXPECT_GE(held, 3);
  EXPECT_LT(held, 21);
  EXPECT_EQ(runs, 1);  // the yielding nodes lie together under the load
  EXPECT_EQ(r.report.plate.displacements.at(10).pressure, 100.0);  // under the load
  EXPECT_DOUBLE_EQ(r.report.plate.total, 300.0);
  EXPECT_EQ(r.report.plate.totalLine, "Estimate of Total Reaction from Elastic Foundation: 300.000 [kN]");
  // The plate's shear under the load is half of it on each side.
  bool found = false;
  for (const auto& f : r.report.plate.forces)
    if (std::fabs(f.distance - 2.0) < 1e-9) found = found || std::fabs(std::fabs(f.shear) - 150) < 0.01;
  EXPECT_TRUE(found);

  l.plateNodal = {{11, 370, 0}};  // 1.1 x 370 beyond the soil's 4 m x 100
  r = AnalyseWall(YieldingPlate(0.2), s, l, "WALL", "A", "plastic");
  EXPECT_EQ(r.status, kStopLoadTooLargeNodeWise) << r.output;
  EXPECT_NE(r.output.find("by SOIL with the given Yield Stresses! "), std::string::npos) << r.output;
  EXPECT_FALSE(FileExists(ResultsFileName("WALL", "A")));
}

TEST_F(ContactTest, AHalfSpaceYieldsAtThePlateEdges) {
  WallSupports s;
  s.toeRestrained = false;
  s.halfSpaceModulus = 30000;
  s.halfSpacePoisson = 0.3;
  s.yieldStress = 150;
  WallLoads l;
  l.plateNodal = {{11, 400, 0}};
  SolverRun r = AnalyseWall(YieldingPlate(0.5), s, l, "WALL", "A", "plastic");
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  const auto& d = r.report.plate.displacements;
  ASSERT_EQ(d.size(), 21u);
  EXPECT_EQ(d.front().pressure, 150.0);
  EXPECT_EQ(d.back().pressure, 150.0);
  for (const auto& row : d) EXPECT_LE(row.pressure, 150.0) << "at " << row.distance;
  EXPECT_NEAR(r.report.plate.total, 400.0, 0.0005 + 1e-9);
  EXPECT_EQ(r.report.plate.totalLine, "TOTAL REACTION FROM ELASTIC FOUNDATION:  400.000 [kN]");

  l.plateNodal = {{11, 560, 0}};  // 1.1 x 560 beyond 4 m x 150
  r = AnalyseWall(YieldingPlate(0.5), s, l, "WALL", "A", "plastic");
  EXPECT_EQ(r.status, kStopLoadTooLarge) << r.output;
  EXPECT_NE(r.output.find("by SOIL with the given Yield Stress! "), std::string::npos) << r.output;
  EXPECT_FALSE(FileExists(ResultsFileName("WALL", "A")));
}

// 4 m of 40 elements on a half-space, a load far outside the kern: the heel lifts. On this fine
// a division the contact iteration once ran to its pass limit, re-admitting the node at the edge
// of the contact and letting it go again.
TEST_F(ContactTest, AHalfSpaceLetsGoOfTheHeelOnAFineDivision) {
  struct Case {
    double yieldStress;
    int node;  // the load's node: x = 0.1 (node - 1) m
  };
  for (const Case& c : {Case{0, 6}, Case{300, 5}}) {
    SCOPED_TRACE(::testing::Message() << "yield stress " << c.yieldStress << ", load at node " << c.node);
    WallGeometry g = StandardWall();
    g.plate = {40, 0.1, 0.5};
    WallSupports s;
    s.toeRestrained = false;
    s.halfSpaceModulus = 30000;
    s.halfSpacePoisson = 0.3;
    s.yieldStress = c.yieldStress;
    WallLoads l;
    l.plateNodal = {{static_cast<double>(c.node), 100, 0}};
    SolverRun r = AnalyseWall(g, s, l, "WALL", "A", "plastic");
    ASSERT_EQ(r.status, kSolverDone) << r.output;
    EXPECT_EQ(r.report.plate.totalLine, "TOTAL REACTION FROM ELASTIC FOUNDATION:  100.000 [kN]");
    const auto& d = r.report.plate.displacements;
    ASSERT_EQ(d.size(), 41u);
    const std::vector<int>& state = r.model.contact;
    int separated = 0, yielding = 0;
    double moment = 0;
    for (size_t i = 0; i < d.size(); ++i) {
      SCOPED_TRACE(::testing::Message() << "at " << d[i].distance);
      EXPECT_GE(d[i].pressure, 0.0);
      if (c.yieldStress > 0) {
        EXPECT_LE(d[i].pressure, c.yieldStress);
      }
      if (state.at(i + 1) == kSeparated) {
        ++separated;
        EXPECT_EQ(d[i].pressureText, "0.00");
      }
      if (state.at(i + 1) == kYielding) {
        ++yielding;
        EXPECT_EQ(d[i].pressure, c.yieldStress);
      }
      moment += d[i].pressure * ((i == 0 || i + 1 == d.size()) ? 0.05 : 0.1) * d[i].distance;
    }
    EXPECT_EQ(state.at(41), kSeparated);  // the heel
    EXPECT_GE(separated, 15);
    EXPECT_EQ(yielding > 0, c.yieldStress > 0);
    // The soil's forces hold the load's moment about the toe.
    EXPECT_NEAR(moment, 100 * 0.1 * (c.node - 1), 0.005 * 100 * 0.1 * (c.node - 1));
  }
}

// On Winkler soil the node at the edge of a yield zone once unloaded and yielded again in turn
// until the pass limit.
TEST_F(ContactTest, TheEdgeOfAWinklerYieldZoneSettles) {
  WallGeometry g = StandardWall();
  g.plate = {40, 0.1, 0.2};
  WallSupports s;
  s.winkler = 10000;
  s.winklerYield = 100;
  WallLoads l;
  l.plateNodal = {{21, 300, 0}};
  l.stemNodal = {{4, 20, 0, 0}};
  SolverRun r = AnalyseWall(g, s, l, "WALL", "A", "plastic");
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  EXPECT_EQ(r.report.plate.totalLine, "Estimate of Total Reaction from Elastic Foundation: 300.000 [kN]");
  const auto& d = r.report.plate.displacements;
  ASSERT_EQ(d.size(), 41u);
  int yielding = 0, runs = 0;
  for (size_t i = 0; i < d.size(); ++i) {
    EXPECT_LE(d[i].pressure, 100.0) << "at " << d[i].distance;
    EXPECT_GT(d[i].pressure, 0.0) << "at " << d[i].distance;
    if (r.model.contact.at(i + 1) == kYielding) {
      ++yielding;
      runs += r.model.contact.at(i) != kYielding;
      EXPECT_EQ(d[i].pressureText, "100.00") << "at " << d[i].distance;
    }
  }
  EXPECT_GE(yielding, 3);
  EXPECT_EQ(runs, 1);  // just toeward of the stem, where its moment presses the plate down
}

TEST_F(ContactTest, APlateLiftedOffTheSoilStopsAndLeavesNoReport) {
  WallSupports s;
  s.winkler = 10000;
  WallLoads l;
  l.plateUniform = 20;
  SolverRun r = AnalyseWall(StandardWall(), s, l, "WALL", "A", "plastic");
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  ASSERT_TRUE(FileExists(ResultsFileName("WALL", "A")));
  // Pulled up: every node lets go of the soil, and nothing else holds the plate.
  l.plateUniform = -20;
  r = AnalyseWall(StandardWall(), s, l, "WALL", "A", "plastic");
  EXPECT_EQ(r.status, kStopSystemUnstableNodeWise) << r.output;
  EXPECT_NE(r.output.find("The SYSTEM is Unstable!"), std::string::npos) << r.output;
  EXPECT_EQ(SolverStopTones(kStopSystemUnstableNodeWise).front().frequency, 100);
  EXPECT_FALSE(FileExists(ResultsFileName("WALL", "A")));
}

}  // namespace
}  // namespace murelo
