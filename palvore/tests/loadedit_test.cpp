// The loads command's file work and the linear fill between nodes.
#include <gtest/gtest.h>

#include "../../common/tests/staleresultscases.h"
#include "core/tableentry.h"
#include "palvore/core/checks.h"
#include "palvore/core/dataentry.h"
#include "palvore/core/loadedit.h"
#include "palvore/core/slots.h"
#include "testsupport.h"

namespace palvore {
namespace {

using testing::FileLines;
using testing::PileJob;
using testing::WriteJob;

PileJob SmallPile(bool sheetPile = false) {
  PileJob j;
  j.name = "PILE1";
  j.sheetPile = sheetPile;
  j.elements = 4;
  j.nodal.clear();
  j.trapezoidal.clear();
  return j;
}

// Results never outlive their data: a data command that changes the load file of case A removes
// A's results report, one that changes the geometry or the supports every case's; a rewrite
// with the same content keeps them (the plot command would otherwise show the old graph as the
// current case's).
TEST(EditLoadData, ChangedDataRemoveTheResultsTheyOutdate) {
  TestDirectory dir;
  ExpectResultsAfterDataCommands(
      {
          {"loads closed unchanged", [] { EditLoadData([] {}); }, true, true},
          {"a node load changed", [] { EditLoadData([] { Loads.nodal(1, 1) = 350; }); }, false, true},
          {"supports rewritten unchanged",
           [] {
             LoadSupportFile({});
             SaveSupportFile("PILE1");
           },
           true, true},
          {"supports changed",
           [] {
             LoadSupportFile({});
             Supports.flags[kTopEdgeFixedSlot] = SupportFlag(kTopEdgeFixedSlot) ? "N" : "Y";
             SaveSupportFile("PILE1");
           },
           false, false},
          {"element table changed",
           [] {
             LoadSupportFile({});
             FillGeometryCells();
             CellTexts(3, 1) = "0.55";
             SaveGeometryCells("PILE1");
           },
           false, false},
      },
      [] {
        PileJob j = SmallPile();
        j.nodal = {{1, 300, 0}};
        WriteJob(j);
        JobSpec = j.name;
        LoadCaseName = "A";
        EditLoadData([] {});
        LoadSupportFile({});
        SaveSupportFile("PILE1");
        FillGeometryCells();
        SaveGeometryCells("PILE1");
      },
      "PILE1.RBA", "PILE1.RBW");
}

TEST(EditLoadData, WritesTheLoadsEnteredAndReadsThemBack) {
  TestDirectory dir;
  PileJob j = SmallPile();
  WriteJob(j);
  JobSpec = j.name;
  LoadCaseName = "A";
  int shown = 0;
  // What the tables do: a trapezoidal load on element 2, a nodal load on node 1.
  ASSERT_EQ(EditLoadData([&] {
              ++shown;
              Loads.trapezoidal(2, 1) = 5;
              Loads.trapezoidal(2, 2) = 7.5;
              Loads.nodal(1, 1) = 100;
              Loads.nodal(1, 2) = -20;
            }),
            1);
  EXPECT_EQ(shown, 1);
  TextLineArray lines = FileLines("PILE1.LDA");
  const int count = static_cast<int>(lines.size()) - 1;
  EXPECT_EQ(lines[1], "Job: PILE1 // LOADS (A)");
  EXPECT_EQ(lines[2], "PILE LOAD DATA:");
  Loads = PileLoads();
  int trapezoidal = 0, nodal = 0;
  ReadLoadData(lines, count, trapezoidal, nodal);
  ASSERT_GT(trapezoidal, 0);
  ASSERT_GT(nodal, 0);
  EXPECT_EQ(Loads.trapezoidal.Get(2, 1), 5);
  EXPECT_EQ(Loads.trapezoidal.Get(2, 2), 7.5);
  EXPECT_EQ(Loads.trapezoidal.Get(1, 1), 0);
  EXPECT_EQ(Loads.nodal.Get(1, 1), 100);
  EXPECT_EQ(Loads.nodal.Get(1, 2), -20);
  // Only loaded rows are written: one row in each table.
  EXPECT_EQ(Trim(lines[static_cast<size_t>(trapezoidal + 1)]), "NODAL LOADING:");
  EXPECT_EQ(Trim(lines[static_cast<size_t>(nodal + 1)]), "");

  // Run again without touching anything: the same file.
  EXPECT_EQ(EditLoadData([] {}), 1);
  EXPECT_EQ(FileLines("PILE1.LDA"), lines);
}

TEST(EditLoadData, ACaseWithoutLoadsWritesHeaderRemarksAndEnd) {
  TestDirectory dir;
  PileJob j = SmallPile(true);
  WriteJob(j);
  JobSpec = j.name;
  LoadCaseName = " B ";
  ASSERT_EQ(EditLoadData(nullptr), 1);
  TextLineArray lines = FileLines("PILE1.LDB");
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[1], "Job: PILE1 // LOADS ( B )");
  EXPECT_EQ(lines[2], "PILE LOAD DATA:");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "**REMARK: - ELEMENT NUMBERING STARTS AT PILE TOP");
  EXPECT_EQ(lines[8], "------------------------- END OF LOAD DATA -------------------------");
}

TEST(EditLoadData, NothingHappensWithoutGeometry) {
  TestDirectory dir;
  JobSpec = "NOGEO";
  LoadCaseName = "A";
  bool shown = false;
  EXPECT_EQ(EditLoadData([&] { shown = true; }), 0);
  EXPECT_FALSE(shown);
  EXPECT_FALSE(FileExists("NOGEO.LDA"));
}

TEST(LoadCells, ShowAndStoreTheTables) {
  TestDirectory dir;
  PileJob j = SmallPile();
  j.trapezoidal = {{3, 1.5, 2.25}};
  j.nodal = {{5, 10, 0}};
  WriteJob(j);
  JobSpec = j.name;
  LoadCaseName = "A";
  EditLoadData([] {
    EXPECT_EQ(FillLoadCells(1), 4);
    EXPECT_EQ(CellTexts(1, 3), " 3");
    EXPECT_EQ(CellTexts(2, 3), "1.5");
    EXPECT_EQ(CellTexts(3, 3), "2.25");
    EXPECT_EQ(CellTexts(2, 1), "0");
    CellTexts(3, 4) = "8";
    StoreLoadCells(1);
    EXPECT_EQ(FillLoadCells(2), 5);
    EXPECT_EQ(CellTexts(1, 5), " 5");
    EXPECT_EQ(CellTexts(2, 5), "10");
  });
  Loads = PileLoads();
  TextLineArray lines = FileLines("PILE1.LDA");
  int t = 0, p = 0;
  ReadLoadData(lines, static_cast<int>(lines.size()) - 1, t, p);
  EXPECT_EQ(Loads.trapezoidal.Get(3, 2), 2.25);
  EXPECT_EQ(Loads.trapezoidal.Get(4, 2), 8);
  EXPECT_EQ(Loads.nodal.Get(5, 1), 10);
}

// Elements of 2, 2 and 1 m written as the geometry file.
void ThreeElements() {
  PileJob j = SmallPile();
  j.elements = 3;
  WriteJob(j);
  Table2D<double> rows;
  rows.Redim(3, 3);
  const double lengths[] = {2, 2, 1};
  for (int e = 1; e <= 3; ++e) {
    rows(e, 1) = lengths[e - 1];
    rows(e, 2) = 0.5;
    rows(e, 3) = 0.002;
  }
  Geometry.length = 5;
  TextLineArray lines;
  int count = 0, first = 0;
  ListGeometry(lines, count, first, GeometryHeader(j.name), "N", 3);
  ListGeometryRows(lines, rows, 3, first, 1);
  ASSERT_TRUE(SaveTextLines("PILE1.GEO", lines, count));
  JobSpec = j.name;
}

void MarkCells() {
  CellTexts.Redim(3, 3);
  for (int r = 1; r <= 3; ++r) CellTexts(2, r) = CellTexts(3, r) = "x";
}

TEST(ApplyNodeFunction, LinearFillOverTheElementLengths) {
  TestDirectory dir;
  ThreeElements();
  MarkCells();
  ApplyNodeFunction({"", "1", "4", "10", "20"});
  EXPECT_EQ(CellTexts(2, 1), "10.000");
  EXPECT_EQ(CellTexts(3, 1), "14.000");
  EXPECT_EQ(CellTexts(2, 2), "14.000");
  EXPECT_EQ(CellTexts(3, 2), "18.000");
  EXPECT_EQ(CellTexts(2, 3), "18.000");
  EXPECT_EQ(CellTexts(3, 3), "20.000");
  // A part of the pile; values that round away are entered as 0.
  MarkCells();
  ApplyNodeFunction({"", "2", "3", "0.000001", "-0.000002"});
  EXPECT_EQ(CellTexts(2, 1), "x");
  EXPECT_EQ(CellTexts(2, 2), ".000");
  EXPECT_EQ(CellTexts(3, 2), ".000");
  EXPECT_EQ(CellTexts(2, 3), "x");
}

TEST(ApplyNodeFunction, RangesOutsideThePileChangeNothing) {
  TestDirectory dir;
  ThreeElements();
  const std::vector<std::vector<std::string>> refused = {
      {"", "0", "4", "10", "20"},  // i = 0
      {"", "3", "3", "10", "20"},  // m = i
      {"", "3", "2", "10", "20"},  // m < i
      {"", "1", "5", "10", "20"},  // m > nE + 1
      {"", "", "", "10", "20"},    // nothing typed
  };
  for (const auto& fields : refused) {
    MarkCells();
    ApplyNodeFunction(fields);
    for (int r = 1; r <= 3; ++r) {
      EXPECT_EQ(CellTexts(2, r), "x") << fields[1] << "-" << fields[2];
      EXPECT_EQ(CellTexts(3, r), "x") << fields[1] << "-" << fields[2];
    }
  }
  // Without geometry.
  JobSpec = "NONE";
  MarkCells();
  ApplyNodeFunction({"", "1", "4", "10", "20"});
  EXPECT_EQ(CellTexts(2, 1), "x");
}

TEST(LinearLoadBetweenNodes, ZeroOrNegativeLengthChangesNothing) {
  for (double length : {0.0, -1.0}) {
    MarkCells();
    LinearLoadBetweenNodes({"", "1", "3", "10", "20"}, {0, length, length, length});
    EXPECT_EQ(CellTexts(2, 1), "x") << length;
  }
}

TEST(LoadRange, GenerationChecks) {
  struct Case {
    int kind;
    std::vector<double> f;
    bool valid;
  } cases[] = {
      {1, {0, 1, 4}, true},      {1, {0, 0, 4}, false},        {1, {0, 5, 4}, false},  {1, {0, 4, 4}, true},
      {4, {0, 1, 4, 1}, true},   {4, {0, 1, 4, 3}, true},      {4, {0, 1, 4, 4}, false}, {4, {0, 0, 4, 1}, false},
      {4, {0, 4, 4, 1}, false},  {4, {0, 1, 4, 0}, false},     {4, {0, 1, 4, 0.5}, false},
      {5, {0, 1, 4, 0}, false},  {5, {0, 2, 1, 1}, false},     {5, {0, 1, 3, 2}, true},
      {2, {0, 0, 0}, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LoadRangeValid(c.kind, c.f), c.valid) << c.kind << " " << c.f[1] << " " << c.f[2];
  EXPECT_EQ(LoadRangeWarning(), "Incorrect LOAD Data!\r\n\r\n        Correct the Data!         ");
}

}  // namespace
}  // namespace palvore
