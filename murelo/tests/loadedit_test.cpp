// The load data command's file work, the load table texts, the value tests and storing of the
// one-page dialogs, and the linear load between nodes.
#include "murelo/core/loadedit.h"

#include "../../common/tests/staleresultscases.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/slots.h"
#include "testsupport.h"
#include "walltables.h"

namespace murelo {
namespace {

using testing::WallTest;

class LoadEditTest : public WallTest {
 protected:
  void TearDown() override {
    testing::ClearWallTables();
    WallTest::TearDown();
  }
  void SetUp() override {
    WallTest::SetUp();
    JobSpec = "WALL";
    LoadCaseName = "A";
    testing::WriteGeometry(JobSpec, testing::StandardWall());  // plate 4 x 1 m, stem 3 x 1 m
  }
  std::vector<std::string> LoadLines() {
    TextLineArray lines;
    int count = 0;
    LoadTextLines(LoadFileName(JobSpec, LoadCaseName), lines, 5000, count);
    return std::vector<std::string>(lines.begin() + 1, lines.begin() + 1 + count);
  }
  static int IndexOf(const std::vector<std::string>& lines, const std::string& text) {
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i] == text) return static_cast<int>(i);
    return -1;
  }
  static std::string After(const std::string& line) { return Trim(line.substr(line.find(':') + 1)); }
};

TEST_F(LoadEditTest, UniformLoadOfANewCaseIsRoundedAndWritten) {
  int result = EditLoadData([] { StoreUniformLoad(1, {"", "12.3456", "2400"}); });
  EXPECT_EQ(result, 1);
  std::vector<std::string> lines = LoadLines();
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Job: WALL // LOADS (A)");
  EXPECT_EQ(lines[1], std::string(62, '-'));
  EXPECT_EQ(lines[2], "BASE PLATE LOAD DATA:");
  EXPECT_EQ(lines[3].substr(0, 25), "Uniform Vert. Load [kPa]:");
  EXPECT_EQ(After(lines[3]), "12.35");
  EXPECT_EQ(lines[4].substr(0, 36), "Self Weight (Mass Density) [kg/m^3]:");
  EXPECT_EQ(After(lines[4]), "2400.00");
  // No table has rows: no table heading at all.
  EXPECT_EQ(IndexOf(lines, "TRAPEZOIDAL LOADING:"), -1);
  EXPECT_EQ(IndexOf(lines, "NODAL LOADING:"), -1);
  EXPECT_EQ(lines.back(), "------------------------- END OF LOAD DATA -------------------------");
}

// Results never outlive their data: a data command that changes the load file of case A removes
// A's results report, one that changes the geometry or the supports every case's; a rewrite
// with the same content keeps them (the plot command would otherwise show the old graph as the
// current case's).
TEST_F(LoadEditTest, ChangedDataRemoveTheResultsTheyOutdate) {
  auto loadSupports = [] {
    int plate = 0, stem = 0;
    LoadSupportFile(plate, stem);
  };
  ExpectResultsAfterDataCommands(
      {
          {"loads closed unchanged", [] { EditLoadData([] {}); }, true, true},
          {"a node load changed", [] { EditLoadData([] { PlateNodalLoads(2, 1) = 350; }); }, false, true},
          {"supports rewritten unchanged",
           [&] {
             loadSupports();
             SaveSupportFile("WALL");
           },
           true, true},
          {"supports changed",
           [&] {
             loadSupports();
             UnyieldingNodes = "1,4";
             SaveSupportFile("WALL");
           },
           false, false},
      },
      [&] {
        testing::WriteGeometry(JobSpec, testing::StandardWall());
        testing::WallSupports s;
        s.unyielding = "1,5";
        testing::WriteSupports(JobSpec, s, 4);
        EditLoadData([] { PlateNodalLoads(2, 1) = 300; });
        loadSupports();
        SaveSupportFile("WALL");
      },
      "WALL.RBA", "WALL.RBW");
}

TEST_F(LoadEditTest, StoredValuesAreRoundedToThreeDecimalsAndTinyOnesAreZero) {
  struct Case {
    double in, stored;
  } cases[] = {{0.00005, 0}, {-0.00009, 0}, {12.3456, 12.346}, {2400, 2400}, {0.0001, 0}, {-7.5, -7.5}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(StoredLoadValue(c.in), c.stored) << c.in;
  }
  EXPECT_EQ(LoadFieldText(0.00005), "0");
  EXPECT_EQ(LoadFieldText(12.3456), "12.3456");
  EXPECT_EQ(LoadFieldText(2400), "2400");
  StoreUniformLoad(2, {"", "0.00005", "1.23456"});
  EXPECT_EQ(LoadTable.Get(2, 1), 0.0);
  EXPECT_DOUBLE_EQ(LoadTable.Get(2, 2), 1.235);
}

TEST_F(LoadEditTest, ZeroRowsAreCompactedAwayAndTheFileReadsBack) {
  EditLoadData([] {
    // Nodal loads at nodes 2 and 4 of the plate; trapezoidal loads on stem elements 1 and 3.
    PlateNodalLoads(2, 1) = 10;
    PlateNodalLoads(4, 2) = -5;
    StemHorizontalLoads(1, 1) = 3;
    StemHorizontalLoads(1, 2) = 4;
    StemHorizontalLoads(3, 2) = 6;
    StemNodalLoads(4, 3) = 7;
  });
  std::vector<std::string> lines = LoadLines();
  int nodal = IndexOf(lines, "NODAL LOADING:");
  ASSERT_GT(nodal, 0);
  EXPECT_EQ(SplitFields(lines[nodal + 3]).at(0), "2");
  EXPECT_EQ(SplitFields(lines[nodal + 4]).at(0), "4");
  EXPECT_EQ(IndexOf(lines, "HORIZONTAL:") > 0, true);
  EXPECT_EQ(IndexOf(lines, "VERTICAL (on Surface):"), -1);

  // Read again into the tables by the next run: the same values at their rows.
  EditLoadData([] {
    EXPECT_EQ(PlateNodalLoads.Get(2, 1), 10);
    EXPECT_EQ(PlateNodalLoads.Get(4, 2), -5);
    EXPECT_EQ(PlateNodalLoads.Get(3, 0), 3);  // every row numbered
    EXPECT_EQ(StemHorizontalLoads.Get(1, 2), 4);
    EXPECT_EQ(StemHorizontalLoads.Get(3, 2), 6);
    EXPECT_EQ(StemHorizontalLoads.Get(2, 1), 0);
    EXPECT_EQ(StemNodalLoads.Get(4, 3), 7);
  });
  EXPECT_EQ(LoadLines(), lines);  // unchanged tables give the same file
}

TEST_F(LoadEditTest, StemVerticalRowsAloneStillCarryTheTrapezoidalHeading) {
  EditLoadData([] { StemVerticalLoads(2, 1) = 1.5; });
  std::vector<std::string> lines = LoadLines();
  int trapezoidal = IndexOf(lines, "TRAPEZOIDAL LOADING:");
  ASSERT_GT(trapezoidal, IndexOf(lines, "WALL STEM LOAD DATA:"));
  EXPECT_EQ(lines[trapezoidal + 1], "VERTICAL (on Surface):");
  EXPECT_EQ(IndexOf(lines, "HORIZONTAL:"), -1);
  EditLoadData([] { EXPECT_EQ(StemVerticalLoads.Get(2, 1), 1.5f); });
}

TEST_F(LoadEditTest, WithoutGeometryNothingRunsAndNothingIsWritten) {
  JobSpec = "NOGEO";
  bool ran = false;
  EXPECT_EQ(EditLoadData([&] { ran = true; }), 0);
  EXPECT_FALSE(ran);
  EXPECT_FALSE(FileExists(LoadFileName("NOGEO", "A")));
}

TEST_F(LoadEditTest, ValueTestsOfEveryKind) {
  struct Case {
    int kind;
    std::vector<std::string> fields;
    bool ok;
  } cases[] = {
      {0, {"", "12", "2400"}, true},  {0, {"", "-12", "0"}, true},    {0, {"", "1", "-1"}, false},
      {1, {"", "2", "5", "0", "3"}, true}, {1, {"", "0", "5"}, false}, {1, {"", "5", "2"}, false},
      {1, {"", "3", "3"}, true},       {11, {"", "4", "2"}, false},   {2, {"", "-1", "-2"}, true},
      {3, {"", "1", "2", "3"}, true},  {4, {"", "1", "5", "1"}, true}, {4, {"", "1", "5", "5"}, false},
      {5, {"", "0", "5", "1"}, false}, {6, {"", "5", "5", "0"}, false}, {4, {"", "2", "1", "1"}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(LoadValuesValid(c.kind, c.fields), c.ok) << c.kind << " " << c.fields[1];
  // A Winkler table's range also needs a start above the fourth value and an end within the nodes.
  EXPECT_TRUE(LoadValuesValid(1, {"", "2", "5"}, true, 1, 5));
  EXPECT_FALSE(LoadValuesValid(1, {"", "1", "5"}, true, 1, 5));
  EXPECT_FALSE(LoadValuesValid(1, {"", "2", "6"}, true, 1, 5));
}

TEST_F(LoadEditTest, TableTextsPerSubstructureAndType) {
  Table2D<std::string> plate = LoadTableHeadings("BASE PLATE", 2, "A");
  EXPECT_EQ(plate.Get(0, 0), "NODAL");
  EXPECT_EQ(plate.Get(0, 1), " BASE PLATE: NODAL LOAD DATA. Load Case: A");
  EXPECT_EQ(plate.Get(3, 1), "Pvi [kN/m] ");
  EXPECT_EQ(plate.Get(3, 2), "Mi [kN*m/m] ");
  EXPECT_EQ(plate.Get(3, 3), "");  // two value columns
  EXPECT_EQ(plate.Get(6, 3), "");
  Table2D<std::string> wall = LoadTableHeadings("WALL", 2, "A");
  EXPECT_EQ(wall.Get(0, 1), " WALL STEM: NODAL LOAD DATA. Load Case: A");
  EXPECT_EQ(wall.Get(3, 3), "Mi [kN*m/m]");  // three value columns, the last without its blank
  EXPECT_EQ(wall.Get(5, 6), " Moment Mi [kN*m/m] =");
  Table2D<std::string> trapezoid = LoadTableHeadings("WALL", 3, "B");
  EXPECT_EQ(trapezoid.Get(0, 0), "TRAPEZOIDAL");
  EXPECT_EQ(trapezoid.Get(1, 0), "&SET LINEAR LOAD BETWEEN NODES 'i-m'");
  EXPECT_EQ(trapezoid.Get(2, 1), " Trapezoidal Load  [kPa] ");
  EXPECT_EQ(trapezoid.Get(6, 2), " Intensity of TRAPEZOIDAL LOAD  [kPa]:");
  EXPECT_EQ(LoadTableHeadings("WALL", 4, "B").Get(0, 0), "TRAPEZOIDAL (Vertical)");
  EXPECT_EQ(UniformLoadHeadings("BASE PLATE").Get(0, 1), " BASE PLATE: UNIFORM LOAD & MAT. MASS DENSITY");
  EXPECT_EQ(WorkTableOf(1, 4), 0);
  EXPECT_EQ(WorkTableOf(2, 4), 5);
}

TEST_F(LoadEditTest, LinearLoadBetweenNodesOfTheCurrentSubstructure) {
  CurrentSubstructure = "BASE PLATE";
  CellTexts.Redim(4, 4);
  FillGeneratedCells({"", "2", "5", "0", "3"});
  EXPECT_EQ(CellTexts.Get(2, 1), "");
  const double expected[][2] = {{0, 1}, {1, 2}, {2, 3}};  // elements 2, 3, 4
  for (int e = 2; e <= 4; ++e) {
    EXPECT_EQ(ParseNumber(CellTexts.Get(2, e)), expected[e - 2][0]) << e;
    EXPECT_EQ(ParseNumber(CellTexts.Get(3, e)), expected[e - 2][1]) << e;
  }
  EXPECT_EQ(CellTexts.Get(3, 4), "3.000");
  CellTexts.Redim(4, 4);
  FillGeneratedCells({"", "1", "1", "0", "3"});
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(CellTexts.Get(2, r), "") << r;
  // The stem has 3 elements: node 5 lies beyond it.
  CurrentSubstructure = "WALL";
  FillGeneratedCells({"", "1", "5", "0", "3"});
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(CellTexts.Get(2, r), "") << r;
  FillGeneratedCells({"", "1", "4", "3", "0"});
  EXPECT_EQ(CellTexts.Get(2, 1), "3.000");
  EXPECT_EQ(ParseNumber(CellTexts.Get(3, 3)), 0.0);
}

TEST_F(LoadEditTest, CellsOfAWorkTableAndBack) {
  StemNodalLoads.Redim(4, 3);
  StemNodalLoads(2, 3) = 1.25;
  FillLoadCells(3, 4);
  EXPECT_EQ(CellTexts.Get(1, 2), "2");
  EXPECT_EQ(CellTexts.Get(4, 2), "1.25");
  EXPECT_EQ(CellTexts.Get(2, 1), "0");
  CellTexts(2, 4) = "-3.5";
  StoreLoadCells(3, 4);
  EXPECT_EQ(StemNodalLoads.Get(4, 1), -3.5);
  EXPECT_EQ(StemNodalLoads.Get(4, 0), 4);
}

}  // namespace
}  // namespace murelo
