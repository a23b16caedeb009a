// The data entry's portable rules: generation ranges, the node function and the linear load, the
// locks of nodal tables, the unyielding-node marks, the dialogs' checks and the files written.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "testsupport.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "trabix/core/dataentry.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/slots.h"

namespace trabix {
namespace {

TEST(NodeRange, Cases) {
  struct Case { int start, end, nodes; bool winkler; double a, b, n; bool valid; };
  const Case cases[] = {
      {1, 1, 5, false, 0, 0, 1, true},   // start = end accepted
      {0, 3, 5, false, 0, 0, 1, false},  // an empty start reads 0
      {4, 3, 5, false, 0, 0, 1, false},
      {1, 6, 5, false, 0, 0, 1, true},   // loads: the value dialog tests no end
      {1, 6, 5, true, 0, 0, 1, false},   // Winkler: end past the last node
      {1, 5, 5, true, -1, 0, 1, false},
      {1, 5, 5, true, 0, -1, 1, false},
      {1, 5, 5, true, 100, 10, -0.5, false},  // infinite at node 1
      {2, 5, 5, true, 100, 10, -0.5, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NodeRangeValid(c.start, c.end, c.nodes, c.winkler, c.a, c.b, c.n), c.valid) << c.start << " " << c.end;
}

// Winkler cells of `rows` elements, every value "x".
void FreshCells(int rows) {
  CellTexts.Redim(5, rows);
  for (int r = 1; r <= rows; ++r)
    for (int c = 2; c <= 5; ++c) CellTexts(c, r) = "x";
}

TEST(NodeFunction, Cases) {
  const std::vector<double> lengths = {0, 1, 1, 1};  // three elements of 1 m
  struct Case { std::vector<std::string> fields; std::vector<std::string> e1, e2, e3; };
  const Case cases[] = {
      {{"", "1", "3", "100", "0", "1"}, {"100.000", "100.000"}, {"100.000", "100.000"}, {"x", "x"}},
      {{"", "1", "3", "0", "10", "1"}, {".000", "10.000"}, {"10.000", "20.000"}, {"x", "x"}},
      {{"", "2", "4", "0", "10", "1"}, {"x", "x"}, {"10.000", "20.000"}, {"20.000", "30.000"}},
      {{"", "2", "2", "0", "10", "1"}, {"x", "x"}, {"x", "x"}, {"x", "x"}},  // i = m
      {{"", "0", "3", "0", "10", "1"}, {"x", "x"}, {"x", "x"}, {"x", "x"}},  // i = 0
      {{"", "1", "5", "0", "10", "1"}, {"x", "x"}, {"x", "x"}, {"x", "x"}},  // m past the last node
  };
  for (const Case& c : cases) {
    FreshCells(3);
    ApplyNodeFunction(0, c.fields, lengths);
    EXPECT_EQ(CellTexts(2, 1), c.e1[0]);
    EXPECT_EQ(CellTexts(3, 1), c.e1[1]);
    EXPECT_EQ(CellTexts(2, 2), c.e2[0]);
    EXPECT_EQ(CellTexts(3, 2), c.e2[1]);
    EXPECT_EQ(CellTexts(2, 3), c.e3[0]);
    EXPECT_EQ(CellTexts(3, 3), c.e3[1]);
    EXPECT_EQ(CellTexts(4, 1), "x");  // the yield columns untouched
  }
  // The yield columns from the pair's first column 2.
  FreshCells(3);
  ApplyNodeFunction(2, {"", "1", "2", "50", "0", "1"}, lengths);
  EXPECT_EQ(CellTexts(4, 1), "50.000");
  EXPECT_EQ(CellTexts(5, 1), "50.000");
  EXPECT_EQ(CellTexts(2, 1), "x");
  // No element table: nothing to measure z with.
  FreshCells(3);
  ApplyNodeFunction(0, {"", "1", "3", "0", "10", "1"}, {0, 0, 0, 0});
  EXPECT_EQ(CellTexts(2, 1), "x");
}

TEST(SetSameModulus, BothModulusColumnsOfEveryElementAndNoYieldColumn) {
  FreshCells(3);
  SetSameModulus("20000", 3);
  for (int e = 1; e <= 3; ++e) {
    EXPECT_EQ(CellTexts(2, e), "20000.000") << e;
    EXPECT_EQ(CellTexts(3, e), "20000.000") << e;
    EXPECT_EQ(CellTexts(4, e), "x") << e;
    EXPECT_EQ(CellTexts(5, e), "x") << e;
  }
  SetSameModulus("0", 3);
  EXPECT_EQ(CellTexts(3, 3), ".000");  // as the generation writes 0
}

TEST(GeometryTable, TheFirstFailingCheckInItsOrderIsReported) {
  // Two elements of a 10 m structure; per row: length, width (or strip depth), beam depth.
  struct Case { const char* name; std::vector<std::array<const char*, 3>> rows; bool strip; const char* message; };
  const char* const width = "Incorrect Element Width Data";
  const char* const depth = "Incorrect Element Moment of Inertia Data";
  const char* const length = "Incorrect Element Length Data";
  const Case cases[] = {
      {"sound", {{"5", "0.5", "0.8"}, {"5", "0.5", "0.8"}}, false, ""},
      {"every check fails: the widths first", {{"1", "0", "0"}, {"1", "0", "0"}}, false, width},
      {"one width 0", {{"5", "0.5", "0.8"}, {"5", "0", "0.8"}}, false, width},
      {"depths and lengths fail: the depths", {{"1", "0.5", "0"}, {"1", "0.5", "0.8"}}, false, depth},
      {"a strip has no column 4", {{"5", "0.5", "0"}, {"5", "0.5", "0"}}, true, ""},
      {"lengths off by more than 0.1 %", {{"5", "0.5", "0.8"}, {"5.02", "0.5", "0.8"}}, false, length},
      {"lengths off by 0.1 %", {{"5", "0.5", "0.8"}, {"5.01", "0.5", "0.8"}}, false, ""},
      {"no element rows", {}, false, length},
      {"no element rows of a strip", {}, true, length},
  };
  for (const Case& c : cases) {
    int rows = static_cast<int>(c.rows.size());
    CellTexts.Redim(4, std::max(rows, 1));
    for (int r = 1; r <= rows; ++r)
      for (int k = 0; k < 3; ++k) CellTexts(k + 2, r) = c.rows[r - 1][k];
    EXPECT_EQ(GeometryTableProblem(rows, c.strip, 10), c.message) << c.name;
  }
}

TEST(LinearLoad, NodeOneToLastNode) {
  const int n = 4;
  const std::vector<double> lengths(n + 1, 2.5);
  FreshCells(n);
  LinearLoadBetweenNodes({"", "1", "5", "10", "20"}, lengths);
  for (int k = 1; k <= n; ++k) {
    EXPECT_EQ(CellTexts(2, k), LTrim(FormatNumber(10 + 10.0 * (k - 1) / n, "####.000"))) << k;
    EXPECT_EQ(CellTexts(3, k), LTrim(FormatNumber(10 + 10.0 * k / n, "####.000"))) << k;
  }
  EXPECT_EQ(CellTexts(3, 4), "20.000");
  FreshCells(n);
  LinearLoadBetweenNodes({"", "1", "5", "10", "20"}, std::vector<double>(n + 1, 0.0));
  EXPECT_EQ(CellTexts(2, 1), "x");
  LinearLoadBetweenNodes({"", "1", "6", "10", "20"}, lengths);
  EXPECT_EQ(CellTexts(2, 1), "x");
}

void Job(int elements, const std::string& left, const std::string& unyielding, const std::string& nodes,
         const std::string& right, const std::string& half, const std::string& loads) {
  ClearEntryTables();
  GeometryValues[kElementCountSlot] = elements;
  SupportFlags[kLeftEdgeFixedSlot] = left;
  SupportFlags[kUnyieldingSlot] = unyielding;
  UnyieldingNodes = nodes;
  SupportFlags[kRightEdgeFixedSlot] = right;
  StructureFlags[kSymmetricHalfSlot] = half;
  StructureFlags[kSymmetricLoadsSlot] = loads;
}

TEST(LockFlags, Cases) {
  struct Case { const char* kind; int elements; const char *left, *unyielding, *nodes, *right, *half, *loads;
                std::array<int, 5> flags; };
  const Case cases[] = {
      {"NODAL", 4, "Y", "Y", "1,3", "N", "N", "", {0, 1, 1, 0, 0}},
      {"NODAL", 4, "N", "Y", " ,5, ", "Y", "N", "", {0, 0, 0, 1, 1}},
      {"NODAL", 4, "N", "N", "1,5", "N", "N", "", {0, 0, 0, 0, 0}},  // list without item 2
      {"NODAL", 4, "N", "N", "", "N", "Y", "A", {0, 0, 0, 1, 0}},     // antisymmetric: force
      {"NODAL", 4, "N", "N", "", "N", "Y", "S", {0, 0, 0, 0, 1}},     // symmetric: moment
      {"ELASTIC", 4, "N", "N", "", "N", "Y", "A", {0, 0, 0, 0, 0}},   // no load case here
      {"ELASTIC", 4, "Y", "Y", "1,5", "Y", "N", "", {0, 1, 1, 1, 1}},
      {"WINKLER", 4, "Y", "Y", "1,5", "Y", "N", "", {0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    Job(c.elements, c.left, c.unyielding, c.nodes, c.right, c.half, c.loads);
    EXPECT_EQ(TableLockFlags(c.kind), c.flags) << c.kind << " " << c.nodes;
  }
  std::array<int, 5> flags{0, 1, 1, 0, 1};
  EXPECT_TRUE(CellIsLocked(flags, 1, 1, 5));
  EXPECT_TRUE(CellIsLocked(flags, 1, 2, 5));
  EXPECT_FALSE(CellIsLocked(flags, 5, 1, 5));
  EXPECT_TRUE(CellIsLocked(flags, 5, 2, 5));
  EXPECT_FALSE(CellIsLocked(flags, 3, 2, 5));
}

TEST(NodeMarks, ParseJoinToggle) {
  std::vector<int> marks = NodeMarks(" ,1, 5,9,12,", 10);
  ASSERT_EQ(marks.size(), 11u);
  EXPECT_EQ(marks[1], 1);
  EXPECT_EQ(marks[5], 1);
  EXPECT_EQ(marks[9], 1);
  EXPECT_EQ(JoinMarkedNodes(marks), "1,5,9");  // 12 is past the last node and gone
  EXPECT_EQ(JoinMarkedNodes(NodeMarks("", 5)), "");
  EXPECT_EQ(ToggleMark(1), 0);
  EXPECT_EQ(ToggleMark(-1), 0);
  EXPECT_EQ(ToggleMark(0), -1);
  marks[2] = ToggleMark(marks[2]);
  EXPECT_EQ(JoinMarkedNodes(marks), "1,2,5,9");
}

TEST(GeometryItems, Cases) {
  struct Case { std::vector<std::string> texts; bool strip; int item; };
  const Case cases[] = {
      {{"", "10", "5", "2E7", "0.2", "1E-5"}, false, 0},
      {{"", "0", "5", "2E7", "0.2", "1E-5"}, false, 1},
      {{"", "-1", "5", "2E7", "0.2", "1E-5"}, false, 1},
      {{"", "10", "5", "0", "0.2", "1E-5"}, false, 0},    // modulus 0 accepted
      {{"", "10", "", "2E7", "0.2", "1E-5"}, false, 0},   // no elements yet
      {{"", "10", "5000", "2E7", "0.2", "1E-5"}, false, 0},
      {{"", "10", "6000", "2E7", "0.2", "1E-5"}, false, 2},  // more than a job file holds
      {{"", "10", "5001", "2E7", "0.2", "1E-5"}, false, 2},
      {{"", "10", "2.5", "2E7", "0.2", "1E-5"}, false, 2},
      {{"", "10", "5", "2..7", "0.2", "1E-5"}, false, 3},
      {{"", "10", "5", "2E7", "0.2", "1E-5E"}, false, 5},
      {{"", "10", "5", "2E7", "-0.2", "1E-5"}, false, 4},
      {{"", "10", "5", "2E7", "1", "1E-5"}, false, 0},    // a beam ignores Poisson's ratio
      {{"", "10", "5", "2E7", "1", "1E-5"}, true, 4},     // a strip would divide by 0
      {{"", "10", "5", "2E7", "0.99", "1E-5"}, true, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GeometryItemProblem(c.texts, c.strip), c.item) << c.texts[1] << " " << c.texts[2] << " " << c.texts[3];
  EXPECT_EQ(GeometryItemWarning(2), "INCORRECT DATA of Item  2!\r\n(0 to 5000 elements)\r\n\r\nENTER NEW DATA.");
  EXPECT_EQ(GeometryItemWarning(3), "INCORRECT DATA of Item  3!\r\n\r\nENTER NEW DATA.");
}

TEST(HalfSpaceItems, Cases) {
  struct Case { const char* kind; std::vector<std::string> texts; int item; };
  const Case cases[] = {
      {"ISOTROPIC", {"", "20000", "0.3", ""}, 0},
      {"ISOTROPIC", {"", "0", "0.3", "10"}, 1},
      {"ISOTROPIC", {"", "20000", "-0.3", "10"}, 0},
      {"CROSS-ANISOTROPIC", {"", "1E4", "2E4", "5E3", "0.2", "0.3", "10"}, 0},
      {"CROSS-ANISOTROPIC", {"", "0", "0", "0", "0.2", "0.3", "10"}, 3},
      {"CROSS-ANISOTROPIC", {"", "1E4", "2E4", "5E3", "0.2", "0.3", "-10"}, 6},
      {"CROSS-ANISOTROPIC", {"", "1E4", "2E4", "5E3", "x", "0.3", "-10"}, 4},
  };
  for (const Case& c : cases) EXPECT_EQ(HalfSpaceProblem(c.kind, c.texts), c.item) << c.kind;
  ClearEntryTables();
  SupportFlags[kHalfSpaceModulusSlot] = "20000";
  std::vector<std::string> texts = HalfSpaceTexts("ISOTROPIC");
  EXPECT_EQ(texts[1], "20000");
  EXPECT_EQ(texts[2], "0.0");
  EXPECT_EQ(texts[3], "0.0");
}

class EntryFiles : public ::testing::Test {
 protected:
  TestDirectory dir_;
  static std::vector<std::string> Lines(const std::string& file) { return testing::FileLines(file); }
};

TEST_F(EntryFiles, NewJobWithoutTableThenBeamToStrip) {
  ASSERT_TRUE(SaveGeometryDialogData("JOB", {"", "10", "2", "2E7", "0.2", "1E-5"}, false, false));
  std::vector<std::string> lines = Lines("JOB.geo");
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[1], "Job: JOB // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(lines[2], "DATA:  BEAM!");
  EXPECT_EQ(lines[7], "");
  EXPECT_EQ(lines[8], "--------------------- END OF GEOMETRY DATA ---------------------");

  // The details table of the new job: the length shared out equally.
  ClearEntryTables();
  GeometryValues[kLengthSlot] = 10;
  GeometryValues[kElementCountSlot] = 2;
  StructureFlags[kStripSlot] = "N";
  FillGeometryCells();
  EXPECT_EQ(CellTexts(2, 1), "5");
  EXPECT_EQ(CellTexts(2, 2), "5");
  EXPECT_EQ(CellTexts(3, 1), "0.0000");
  EXPECT_EQ(GeometryTableProblem(2, false, 10), "Incorrect Element Width Data");
  CellTexts(3, 1) = CellTexts(3, 2) = "0.5";
  CellTexts(4, 1) = CellTexts(4, 2) = "0.8";
  EXPECT_EQ(GeometryTableProblem(2, false, 10), "");
  CellTexts(2, 2) = "5.02";
  EXPECT_EQ(GeometryTableProblem(2, false, 10), "Incorrect Element Length Data");
  CellTexts(2, 2) = "5";
  ASSERT_TRUE(SaveGeometryCells("JOB"));
  EXPECT_EQ(Lines("JOB.geo").size(), 11u);

  // BEAM to STRIP keeps the lengths and moves the depths.
  ASSERT_TRUE(SaveGeometryDialogData("JOB", {"", "10", "3", "2E7", "0.2", "1E-5"}, true, true));
  lines = Lines("JOB.geo");
  EXPECT_EQ(lines[2], "DATA:  SYMMETRIC STRIP!");
  TextLines = Lines("JOB.geo");
  TextLines.resize(5001);
  int count = static_cast<int>(lines.size()) - 1;
  ClearEntryTables();
  int at = ReadGeometryHeader(TextLines, count);
  ASSERT_GT(at, 0);
  EXPECT_EQ(ReadElementTable(TextLines, count, at), 3);
  EXPECT_DOUBLE_EQ(ElementTable(1, 1), 5);
  EXPECT_DOUBLE_EQ(ElementTable(1, 2), 0.8);
  EXPECT_DOUBLE_EQ(ElementTable(3, 1), 0);  // beyond the old count
}

TEST_F(EntryFiles, SupportFileWithoutSprings) {
  ClearEntryTables();
  GeometryValues[kElementCountSlot] = 3;
  SupportFlags[kUnyieldingSlot] = "Y";
  UnyieldingNodes = "1,4";
  SupportFlags[kElasticSupportsSlot] = "Y";
  SpringTable.Redim(4, 2);
  SupportFlags[kWinklerSlot] = "Y";
  SoilTable.Redim(3, 4);
  SoilTable(2, 1) = 1000;
  ASSERT_TRUE(SaveSupportFile("JOB"));
  EXPECT_EQ(SupportFlags[kElasticSupportsSlot], "N");
  std::vector<std::string> lines = Lines("JOB.SUP");
  std::string all;
  for (const std::string& l : lines) all += l + "\n";
  EXPECT_EQ(all.find("ELASTIC SUPPORTS"), std::string::npos);
  EXPECT_NE(all.find("UNYIELDING SUPPORTS at Nodes: 1,4"), std::string::npos);
  EXPECT_NE(all.find("WINKLER FOUNDATION:"), std::string::npos);

  // Read back: one Winkler row, of element 2.
  TextLines = lines;
  TextLines.resize(5001);
  ReadSupportData(TextLines, static_cast<int>(lines.size()) - 1);
  EXPECT_EQ(SupportFlags[kElasticSupportsSlot], "N");
  EXPECT_EQ(SupportFlags[kWinklerSlot], "Y");
  EXPECT_DOUBLE_EQ(SoilTable(2, 1), 1000);
  EXPECT_DOUBLE_EQ(SoilTable(1, 1), 0);
}

TEST_F(EntryFiles, SupportCellsOfNewJob) {
  ClearEntryTables();
  GeometryValues[kElementCountSlot] = 2;
  StructureFlags[kStripSlot] = "N";
  FillSupportCells("ELASTIC");
  EXPECT_EQ(CellTexts(1, 3), "    3");
  EXPECT_EQ(CellTexts(2, 3), "0");
  FillSupportCells("WINKLER");
  EXPECT_EQ(CellTexts(5, 2), "0");
  CellTexts(2, 1) = "0.000001";
  SupportFlags[kWinklerSlot] = "Y";
  StoreSupportCells("WINKLER");
  EXPECT_EQ(SupportFlags[kWinklerSlot], "N");
}

}  // namespace
}  // namespace trabix
