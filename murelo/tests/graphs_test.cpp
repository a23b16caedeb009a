// The response graphs' reading of a results report written by the solver: the tables of each
// substructure, the action lists and their columns.
#include "murelo/core/graphs.h"

#include "murelo/core/slots.h"
#include "testsupport.h"
#include "walltables.h"

namespace murelo {
namespace {

using namespace testing;

class WallGraphTest : public WallTest {
 protected:
  void TearDown() override {
    testing::ClearWallTables();
    WallTest::TearDown();
  }
  // Toe restrained, Winkler soil, a uniform load on the plate and earth pressure on the stem.
  SolverRun Run(double winkler = 10000) {
    WallSupports s;
    s.winkler = winkler;
    if (winkler == 0) s.unyielding = "1,5";
    WallLoads l;
    l.plateUniform = 50;
    l.stemHorizontal = {{1, 20, 10}, {2, 10, 5}, {3, 5, 0}};
    l.stemNodal = {{4, 2, 3, 0}};
    SolverRun r = AnalyseWall(StandardWall(), s, l, "WALL9", "A");
    SupportFlags.assign(kSupportFlagSlots, "N");
    SupportFlags[kWinklerSlot] = winkler > 0 ? "Y" : "N";
    return r;
  }
};

TEST_F(WallGraphTest, BasePlateTablesAreTheReportsRows) {
  SolverRun r = Run();
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  EXPECT_EQ(r.report.plate.nameLine, 7);
  ResultRows forces, displacements;
  const int n1 = ParseWallResultsSection(r.report.lines, r.report.count, 1, "BASE PLATE", 1, forces);
  ASSERT_EQ(n1, static_cast<int>(r.report.plate.forces.size()));
  for (int i = 1; i <= n1; ++i) {
    const ForceRow& f = r.report.plate.forces[static_cast<size_t>(i - 1)];
    EXPECT_FLOAT_EQ(forces.Get(i, 0), static_cast<float>(f.distance));
    EXPECT_FLOAT_EQ(forces.Get(i, 1), static_cast<float>(f.shear));
    EXPECT_FLOAT_EQ(forces.Get(i, 2), static_cast<float>(f.axial));
    EXPECT_FLOAT_EQ(forces.Get(i, 3), static_cast<float>(f.moment));
  }
  const int n2 = ParseWallResultsSection(r.report.lines, r.report.count, 2, "BASE PLATE", 1, displacements);
  ASSERT_EQ(n2, 5);
  EXPECT_EQ(r.report.plate.firstDisplacement, 12 + n1 + 10);  // E1 + 10
  for (int i = 1; i <= n2; ++i) {
    const DisplacementRow& d = r.report.plate.displacements[static_cast<size_t>(i - 1)];
    EXPECT_FLOAT_EQ(displacements.Get(i, 1), static_cast<float>(d.rotation));
    EXPECT_FLOAT_EQ(displacements.Get(i, 2), static_cast<float>(d.first));
    EXPECT_FLOAT_EQ(displacements.Get(i, 3), static_cast<float>(d.second));
    EXPECT_FLOAT_EQ(displacements.Get(i, 4), static_cast<float>(d.pressure));
  }
}

TEST_F(WallGraphTest, WallStemTablesFollowItsNameAndDashLine) {
  SolverRun r = Run();
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  ResultRows forces, displacements;
  const int n1 = ParseWallResultsSection(r.report.lines, r.report.count, 1, "WALL", 0, forces);
  ASSERT_EQ(n1, static_cast<int>(r.report.stem.forces.size()));
  ASSERT_GE(n1, 4);
  EXPECT_FLOAT_EQ(forces.Get(1, 0), 0.0f);
  for (int i = 1; i <= n1; ++i) {
    EXPECT_FLOAT_EQ(forces.Get(i, 3), static_cast<float>(r.report.stem.forces[static_cast<size_t>(i - 1)].moment));
  }
  const int n2 = ParseWallResultsSection(r.report.lines, r.report.count, 2, "WALL", 0, displacements);
  ASSERT_EQ(n2, 4);
  for (int i = 1; i <= n2; ++i) {
    const DisplacementRow& d = r.report.stem.displacements[static_cast<size_t>(i - 1)];
    EXPECT_FLOAT_EQ(displacements.Get(i, 0), static_cast<float>(d.distance));
    EXPECT_FLOAT_EQ(displacements.Get(i, 1), static_cast<float>(d.rotation));
    EXPECT_FLOAT_EQ(displacements.Get(i, 2), static_cast<float>(d.first));
  }
}

TEST_F(WallGraphTest, ActionListsAndTheirColumns) {
  struct Case {
    const char* sub;
    int soil, count, last;
    std::string abscissa;
  } cases[] = {{"BASE PLATE", 1, 7, 7, "Distance from Toe [m]"},
               {"BASE PLATE", 2, 7, 7, "Distance from Toe [m]"},
               {"BASE PLATE", 0, 6, 6, "Distance from Toe [m]"},
               {"WALL", 1, 5, 0, "Height above Base [m]"}};
  for (const Case& c : cases) {
    WallActionTable t = WallActions(c.sub, c.soil);
    EXPECT_EQ(t.Count(), c.count) << c.sub << c.soil;
    EXPECT_EQ(t.firstSecondTable, 4);
    EXPECT_EQ(t.lastSecondTable, c.last);
    EXPECT_EQ(t.abscissaCaption, c.abscissa);
  }
  WallActionTable plate = WallActions("BASE PLATE", 1);
  const int columns[] = {3, 1, 2, 2, 1, 3, 4};
  for (int k = 1; k <= 7; ++k) {
    EXPECT_EQ(plate.actions[static_cast<size_t>(k - 1)].column, columns[k - 1]) << k;
    EXPECT_EQ(plate.actions[static_cast<size_t>(k - 1)].table, k < 4 ? 1 : 2) << k;
  }
  EXPECT_EQ(plate.actions[6].caption, "S&oil - Plate Contact Pressure");
  WallActionTable wall = WallActions("WALL", 0);
  EXPECT_EQ(wall.actions[3].title, "Horizontal Translations [mm]");
  EXPECT_EQ(wall.actions[3].column, 2);
  EXPECT_EQ(wall.actions[4].column, 1);
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(WallActionReversed(k), k == 1) << k;
  EXPECT_EQ(WallAbscissaCaption("WALL"), "Distance from Base [m]");
  EXPECT_EQ(WallAbscissaCaption("BASE PLATE"), "Distance from Toe [m]");
}

TEST_F(WallGraphTest, GraphSoilKindIsApartFromTheReports) {
  SupportFlags.assign(kSupportFlagSlots, "N");
  EXPECT_EQ(GraphSoilKind(), 0);
  SupportFlags[kWinklerSlot] = "Y";
  EXPECT_EQ(GraphSoilKind(), 1);
  SupportFlags[kHalfSpaceSlot] = "Y";
  EXPECT_EQ(GraphSoilKind(), 2);
}

TEST_F(WallGraphTest, ActionPointsReadTheReportOnceAndKeepTheLastAction) {
  SolverRun r = Run();
  ASSERT_EQ(r.status, kSolverDone) << r.output;
  ClearActionState();
  GraphState.soilKind = 1;
  const std::string file = ResultsFileName("WALL9", "A");
  // The contact pressure: one point per node, the pressure of each.
  int n = WallActionPoints(file, "BASE PLATE", 7);
  ASSERT_GE(n, 2);
  EXPECT_EQ(GraphState.actionRead, 7);
  EXPECT_FLOAT_EQ(GraphState.points.y[1], static_cast<float>(r.report.plate.displacements[0].pressure));
  // The same action again keeps its points, even with the report gone.
  DeleteIfExists(file);
  EXPECT_EQ(WallActionPoints(file, "BASE PLATE", 7), n);
  // Another action of the same table: from the table held.
  EXPECT_GT(WallActionPoints(file, "BASE PLATE", 4), 0);
  // A new showing reads the report again: without one, nothing.
  ClearActionState();
  EXPECT_EQ(WallActionPoints(file, "BASE PLATE", 1), 0);
  EXPECT_EQ(GraphState.actionRead, 0);
}

TEST_F(WallGraphTest, MissingOrForeignReportGivesNoPoints) {
  ClearActionState();
  EXPECT_EQ(WallActionPoints("NONE.RBA", "WALL", 1), 0);
  TextLineArray junk{"", "Hello", "", "WALL STEM", "x"};
  ASSERT_TRUE(SaveTextLines("JUNK.RBA", junk, 4));
  ClearActionState();
  EXPECT_EQ(WallActionPoints("JUNK.RBA", "WALL", 1), 0);
  EXPECT_EQ(WallActionPoints("JUNK.RBA", "BASE PLATE", 5), 0);
  ResultRows t;
  EXPECT_EQ(ParseWallResultsSection(junk, 4, 3, "WALL", 0, t), 0);
}

}  // namespace
}  // namespace murelo
