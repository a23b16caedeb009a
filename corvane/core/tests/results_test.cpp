// The response graphs' reading of the outside solver's results: the actions each structure
// offers, the tables of hand-written result files (the ".RB" end rows, the infinity marks, the
// doubled pressure nodes, cut files) and the points of an action, read once per showing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "corvane/core/globals.h"
#include "corvane/core/results.h"
#include "corvane/core/slots.h"
#include "testsupport.h"

namespace corvane {
namespace {

using testing::CopyFixture;
using testing::DataFolder;
using Pairs = std::vector<std::pair<float, float>>;

std::vector<std::string> Captions(const ActionTable& t) {
  std::vector<std::string> c;
  for (const StructuralAction& a : t.actions) c.push_back(a.caption);
  return c;
}

std::vector<int> Reversed(const ActionTable& t) {
  std::vector<int> r;
  for (int k = 1; k <= t.Count(); ++k)
    if (t.actions[static_cast<size_t>(k - 1)].reversed) r.push_back(k);
  return r;
}

struct ActionCase {
  const char* name;
  int structure;
  const char* substructure;
  bool plateInPlane, roofInPlane, shell;
  int soil;
  int count, entry1, entry2;
  std::vector<int> reversed;
};

TEST(StructuralActions, CountsTablesAndReversalsOfEachStructure) {
  const ActionCase cases[] = {
      {"beam without soil", 1, "BEAM", false, false, false, 0, 4, 3, 0, {1, 3}},
      {"beam on a Winkler foundation", 1, "BEAM", false, false, false, 1, 5, 3, 0, {1, 3, 5}},
      {"beam on a half-space", 1, "BEAM", false, false, false, 2, 5, 3, 0, {1, 3, 5}},
      {"strip with soil", 1, "STRIP", false, false, false, 1, 6, 4, 0, {1, 2, 4, 6}},
      {"plate with soil", 2, "PLATE", false, false, false, 2, 8, 6, 0, {1, 2, 4, 6, 7, 8}},
      {"plate without soil", 2, "PLATE", false, false, false, 0, 7, 6, 0, {1, 2, 4, 6, 7}},
      {"base plate with soil and in-plane forces", 3, "BASE PLATE", true, false, false, 1, 11, 6, 8,
       {1, 2, 4, 6, 7, 8}},
      {"base plate without soil, in-plane", 3, "BASE PLATE", true, false, false, 0, 10, 6, 7, {1, 2, 4, 6, 7}},
      {"wall", 3, "WALL", true, true, false, 2, 9, 6, 0, {1, 2, 4, 6, 7}},
      {"flat roof", 3, "ROOF STRUCTURE", true, false, false, 2, 7, 6, 7, {1, 2, 4, 6, 7}},
      {"flat roof with in-plane forces", 3, "ROOF STRUCTURE", false, true, false, 0, 10, 6, 7, {1, 2, 4, 6, 7}},
      {"shell roof", 3, "ROOF STRUCTURE", false, true, true, 1, 10, 4, 7, {1, 4, 5, 6, 7}},
  };
  for (const ActionCase& c : cases) {
    ActionTable t = StructuralActions(c.structure, c.substructure, c.plateInPlane, c.roofInPlane, c.shell, c.soil);
    EXPECT_EQ(t.Count(), c.count) << c.name;
    EXPECT_EQ(t.firstSecondTable, c.entry1) << c.name;
    EXPECT_EQ(t.lastSecondTable, c.entry2) << c.name;
    EXPECT_EQ(Reversed(t), c.reversed) << c.name;
  }
}

// The caption under the graphs of each structure and substructure.
TEST(StructuralActions, AbscissaCaptionOfEachStructure) {
  const struct {
    int structure;
    const char* substructure;
    bool shell;
    const char* caption;
  } cases[] = {
      {1, "BEAM", false, "Distance from Left [m]"},        {1, "STRIP", false, "Distance from Left [m]"},
      {2, "PLATE", false, "Radial Distance [m]"},          {3, "BASE PLATE", false, "Radial Distance [m]"},
      {3, "WALL", false, "Height Above Base [m]"},         {3, "ROOF STRUCTURE", false, "Radial Distance [m]"},
      {3, "ROOF STRUCTURE", true, "Horiz. Radial Distance [m]"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StructuralActions(c.structure, c.substructure, false, false, c.shell, 0).abscissaCaption, c.caption)
        << c.substructure << (c.shell ? " (shell)" : "");
}

TEST(StructuralActions, CaptionsTitlesAndSourcesAsOffered) {
  ActionTable base = StructuralActions(3, "BASE PLATE", true, false, false, 1);
  std::vector<std::string> c = Captions(base);
  ASSERT_EQ(c.size(), 11u);
  EXPECT_EQ(c[7], "S&oil - Plate Contact Pressure");
  EXPECT_EQ((std::vector<std::string>{c[8], c[9], c[10]}),
            (std::vector<std::string>{"Ra&dial Translations", "Radial &In-Plane Forces",
                                      "Circumf&erential In-Plane Forces"}));
  const StructuralAction& radialForce = base.actions[9];
  EXPECT_EQ(radialForce.table, 3);
  EXPECT_EQ(radialForce.column, 2);
  EXPECT_TRUE(radialForce.compact);
  EXPECT_EQ(base.abscissaCaption, "Radial Distance [m]");

  ActionTable strip = StructuralActions(1, "STRIP", false, false, false, 1);
  EXPECT_EQ(strip.actions[1].caption, "&Legth Bending Moments");
  EXPECT_EQ(strip.actions[1].title, "Legth Bending Moments [kN*m/m]");
  EXPECT_EQ(strip.actions[1].rule, JumpRule);
  EXPECT_EQ(strip.actions[1].column, 5);
  EXPECT_EQ(strip.actions[2].rule, ElementEndRule);
  EXPECT_EQ(strip.abscissaCaption, "Distance from Left [m]");

  ActionTable wall = StructuralActions(3, "WALL", false, false, false, 0);
  EXPECT_EQ(wall.abscissaCaption, "Height Above Base [m]");
  EXPECT_EQ(wall.actions[8].caption, "&Vertical Forces");
  EXPECT_EQ(wall.actions[8].table, 2);
  EXPECT_EQ(wall.actions[8].column, 4);
  // Stresses of table 2 are compacted only past action 7, except on a flat roof.
  EXPECT_FALSE(wall.actions[6].compact);
  EXPECT_TRUE(wall.actions[7].compact);
  EXPECT_TRUE(StructuralActions(3, "ROOF STRUCTURE", false, false, false, 0).actions[5].compact);
  EXPECT_FALSE(StructuralActions(2, "PLATE", false, false, false, 0).actions[5].compact);

  ActionTable shell = StructuralActions(3, "ROOF STRUCTURE", false, false, true, 0);
  EXPECT_EQ(shell.actions[0].caption, "Vertical &Translations");
  EXPECT_FALSE(shell.actions[0].compact);
  EXPECT_EQ(shell.actions[7].caption, "Shearing &Forces");
  EXPECT_EQ(shell.actions[7].table, 3);
}

TEST(StructuralActions, TheHalfSpaceWinsOverTheWinklerFoundation) {
  std::vector<std::string> flags(20, "N");
  EXPECT_EQ(SoilKind(flags), 0);
  flags[kWinklerSlot] = "Y";
  EXPECT_EQ(SoilKind(flags), 1);
  flags[kIsotropicHalfSpaceSlot] = "Y";
  EXPECT_EQ(SoilKind(flags), 2);
  flags[kIsotropicHalfSpaceSlot] = "N";
  flags[kAnisotropicHalfSpaceSlot] = "Y";
  EXPECT_EQ(SoilKind(flags), 2);
  EXPECT_EQ(SoilKind({}), 0);
}

// A job of the shared tables whose result file of load case c is a fixture.
class ResultsReaderTest : public ::testing::Test {
 protected:
  void Job(const char* type, const char* substructure, int elements, const std::string& fixture,
           const std::string& loadCase, int soil = 0) {
    testing::SetJobGeometry(type, substructure, elements, elements, elements, 0, 0);
    JobSpec = "JOB";
    LoadCaseName = loadCase;
    SupportFlags.assign(20, "N");
    if (soil == 1) SupportFlags[kWinklerSlot] = "Y";
    if (soil == 2) SupportFlags[kIsotropicHalfSpaceSlot] = "Y";
    if (!fixture.empty()) Copy(fixture, ResultsFileName());
    ClearActionState();
    OfferActions(CurrentActions(), SoilKind(SupportFlags));
  }
  void Copy(const std::string& fixture, const std::string& as) {
    std::filesystem::path reports = DataFolder() / ".." / ".." / ".." / "reports" / "tests" / "data";
    std::filesystem::path from = std::filesystem::exists(DataFolder() / fixture) ? DataFolder() / fixture
                                                                                 : reports / fixture;
    std::filesystem::copy_file(from, std::filesystem::current_path() / as,
                               std::filesystem::copy_options::overwrite_existing);
  }
  Pairs Points(int k) {
    Pairs p;
    int n = ResponseFieldPoints(k);
    for (int i = 1; i <= n; ++i) p.emplace_back(GraphPointList.x[i], GraphPointList.y[i]);
    return p;
  }
  std::vector<float> Row(int r, int columns) {
    std::vector<float> v;
    for (int c = 0; c <= columns; ++c) v.push_back(ResultTable.Get(r, c));
    return v;
  }
  TestDirectory dir_;
};

TEST_F(ResultsReaderTest, ABeamsForceTableAndItsMomentAndShearPoints) {
  Job("BEAM/STRIP", "BEAM", 2, "B3.RBP", "Point");
  EXPECT_EQ(ResultsFileName(), "JOB.RBP");
  // Moments: a point at each side of the shear jump although the moments are equal.
  EXPECT_EQ(Points(1), (Pairs{{0, 0}, {5, 125}, {5, 125}, {10, 0}}));
  EXPECT_EQ(GraphState[kTableRows], 3);
  EXPECT_EQ(GraphState[kNodeCount], 3);
  EXPECT_EQ(Row(1, 4), (std::vector<float>{0, 0, 50, 0, 0}));
  EXPECT_EQ(Row(3, 4), (std::vector<float>{10, -50, 0, 0, 0}));
  EXPECT_EQ(Points(2), (Pairs{{0, 50}, {5, 50}, {5, -50}, {10, -50}}));
  EXPECT_EQ(GraphState[kActionRead], 2);
  EXPECT_EQ(GraphState[kPointCount], 4);
  Pairs translations = Points(3);
  EXPECT_EQ(translations, (Pairs{{0, 0}, {5, -12.5f}, {10, 0}}));
}

TEST_F(ResultsReaderTest, TheFileIsReadOncePerShowingAndATableOnlyWhenAnotherIsNeeded) {
  Job("BEAM/STRIP", "BEAM", 2, "B3.RBP", "Point");
  ASSERT_EQ(Points(3).size(), 3u);
  std::filesystem::remove("JOB.RBP");
  // The same action: the points held; another action of the file's other table: the lines held.
  EXPECT_EQ(Points(3).size(), 3u);
  EXPECT_EQ(Points(1).size(), 4u);
  EXPECT_EQ(ResultTable.Get(2, 3), 125.0f);  // table 1 parsed again
  EXPECT_EQ(Points(4), (Pairs{{0, -3.75E-3f}, {5, 0}, {10, 3.75E-3f}}));
  // A new showing reads the file again: now missing.
  ClearActionState();
  OfferActions(CurrentActions(), 0);
  EXPECT_EQ(ResponseFieldPoints(1), 0);
  EXPECT_EQ(GraphState[kActionRead], 0);
}

TEST_F(ResultsReaderTest, AWinklerBeamsDoubledPressureNodesAndNothingPastTheTable) {
  Job("BEAM/STRIP", "BEAM", 20, "W21.RBU", "Uniform", 1);
  ASSERT_EQ(GraphState[kActionsOffered], 5);
  Pairs pressure = Points(5);
  EXPECT_EQ(GraphState[kTableRows], 25);
  ASSERT_EQ(pressure.size(), 25u);
  EXPECT_EQ(pressure[4], (std::pair<float, float>{2, 20}));
  EXPECT_EQ(pressure[5], (std::pair<float, float>{2, 30}));
  EXPECT_EQ(pressure[24], (std::pair<float, float>{10, 20}));
  EXPECT_EQ(ResultTable.Get(26, 0), 0.0f);
  EXPECT_EQ(ResultTable.Get(26, 3), 0.0f);
  EXPECT_EQ(GraphState[kNodeCount], 21);
}

TEST_F(ResultsReaderTest, APlatesInfiniteCentreShearFollowsTheSecondRow) {
  Job("PLATE", "PLATE", 2, "P2.RPC", "Centre", 1);
  EXPECT_EQ(ResultsFileName(), "JOB.RPC");
  Pairs shear = Points(3);
  ASSERT_EQ(shear.size(), 3u);
  EXPECT_EQ(shear[0].second, 9.9E21f);
  EXPECT_EQ(shear[1].second, 12.3f);
  // The same file with the second row's shear negative.
  int n = 0;
  TextLineArray lines;
  LoadTextLines("JOB.RPC", lines, 0, n);
  lines[12].replace(lines[12].find("1.2300E+1"), 9, "-1.230E+1");
  ResultRows t;
  ASSERT_EQ(ParseResultsSection(lines, n, 1, 2, "PLATE", false, 1, t), 3);
  EXPECT_EQ(t.Get(1, 3), -9.9E21f);
  // Twice on the line: no mark, a value read as 0.
  lines[11] += " ***INFINITY***";
  ASSERT_EQ(ParseResultsSection(lines, n, 1, 2, "PLATE", false, 1, t), 3);
  EXPECT_EQ(t.Get(1, 3), 0.0f);
  // The contact pressure in table 2 (E1 + 13), with soil.
  EXPECT_EQ(Points(8), (Pairs{{0, 93}, {1, 90}, {2, 78}}));
  EXPECT_EQ(Points(6).size(), 3u);
}

TEST_F(ResultsReaderTest, TheTablesOfATanksWallAndRoofs) {
  // The wall: table 2 from E1 + 13, four columns.
  Job("TANK", "WALL", 2, "WALL2.RWW", "Water");
  EXPECT_EQ(ResultsFileName(), "JOB.RWW");
  EXPECT_EQ(Points(9), (Pairs{{0, -37.5f}, {2, -27.5f}, {4, -17.5f}}));
  EXPECT_EQ(Points(1), (Pairs{{0, -15}, {2, -7}, {4, 1}}));
  // A flat roof with in-plane forces: table 2 from E1 + 12, table 3 after its dash line.
  Job("TANK", "ROOF STRUCTURE", 2, "FLAT2.RRW", "Water");
  GeometryAnswers[kRoofInPlaneSlot] = "Y";
  OfferActions(CurrentActions(), 0);
  EXPECT_EQ(Points(7), (Pairs{{0, -2150.4f}, {3, -1804.8f}, {6, -768}}));
  EXPECT_EQ(Points(10), (Pairs{{0, -3}, {3, -2.1f}, {6, -1.2f}}));
  // A shell roof: table 2 from E1 + 9, and "*INFINITY*" in table 3 takes the second row's sign.
  Job("TANK", "ROOF STRUCTURE", 2, "SHELL2.RRW", "Water");
  GeometryAnswers[kShellRoofSlot] = "Y";
  OfferActions(CurrentActions(), 0);
  EXPECT_EQ(Points(4), (Pairs{{0, 4.2f}, {3, 1.5f}, {6, -6.6f}}));
  EXPECT_EQ(Points(8), (Pairs{{0, -9.9E21f}, {3, -4.5f}, {6, -9}}));
  EXPECT_EQ(Points(1), (Pairs{{0, -2E-3f}, {3, -1.55E-3f}, {6, -2E-4f}}));
  // A base plate of 60 elements with in-plane forces and soil: table 3 after the dash line.
  Job("TANK", "BASE PLATE", 60, "BASE60.RPW", "Water", 2);
  GeometryAnswers[kStripSlot] = "Y";
  OfferActions(CurrentActions(), 2);
  ASSERT_EQ(GraphState[kActionsOffered], 11);
  EXPECT_EQ(Points(1).size(), 61u);
  EXPECT_GT(Points(10).size(), 0u);
  EXPECT_EQ(GraphState[kTableRows], 61);
}

TEST_F(ResultsReaderTest, AMissingOrCutFileGivesNoPoints) {
  Job("BEAM/STRIP", "BEAM", 2, "", "Point");
  EXPECT_EQ(ResponseFieldPoints(1), 0);
  Job("BEAM/STRIP", "BEAM", 2, "CUT.RBP", "Point");
  EXPECT_EQ(ResponseFieldPoints(1), 4);  // the forces are there
  EXPECT_EQ(ResponseFieldPoints(3), 0);  // the translations lack their dash line
  EXPECT_EQ(GraphState[kActionRead], 0);
  // No load case: no file name.
  LoadCaseName = "";
  EXPECT_EQ(ResultsFileName(), "");
  EXPECT_EQ(ResponseFieldPoints(1), 0);
  // An action the structure does not offer.
  Job("BEAM/STRIP", "BEAM", 2, "B3.RBP", "Point");
  EXPECT_EQ(ResponseFieldPoints(5), 0);
  EXPECT_EQ(ResponseFieldPoints(0), 0);
}

TEST(ResultsSection, TablesAStructureHasNot) {
  TextLineArray lines(40, "1 2 3");
  ResultRows t;
  EXPECT_EQ(ParseResultsSection(lines, 39, 3, 1, "BEAM", false, 0, t), 0);
  EXPECT_EQ(ParseResultsSection(lines, 39, 3, 2, "PLATE", false, 0, t), 0);
  EXPECT_EQ(ParseResultsSection(lines, 39, 3, 3, "WALL", false, 0, t), 0);
  EXPECT_EQ(ParseResultsSection(lines, 39, 0, 3, "WALL", false, 0, t), 0);
  // No zero line at all: table 1 runs to the end of the file, and table 2 starts past it.
  EXPECT_EQ(ParseResultsSection(lines, 39, 1, 2, "PLATE", false, 0, t), 29);
  EXPECT_EQ(ParseResultsSection(lines, 39, 2, 2, "PLATE", false, 0, t), 0);
}

}  // namespace
}  // namespace corvane
