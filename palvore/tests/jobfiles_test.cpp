#include <gtest/gtest.h>

#include "core/jobdata.h"
#include "core/listing.h"
#include "palvore/core/slots.h"
#include "testsupport.h"

namespace palvore {
namespace {

using testing::FileLines;
using testing::PileJob;
using testing::WriteJob;

PileJob Pile1() {
  PileJob j;
  j.name = "PILE1";
  j.above = 1;
  j.subgrade = 1.0E4;
  j.yieldStress = 50;
  j.nodal = {{1, 100, 0}};
  return j;
}

TEST(ListGeometry, PileListing) {
  TestDirectory dir;
  WriteJob(Pile1());
  TextLineArray lines = FileLines("PILE1.GEO");
  const std::vector<std::string> expected = {
      "",
      "Job: PILE1 // GEOMETRY & MAT. PROPERTIES",
      "PILE/SHEET-PILE DATA:  Pile",
      "No of Elements  Length [m]  Young's Modulus [kPa]   Poisson's Ratio",
      "        4          4          2.0000E+7                 .300",
      "No of Elements Above Soil Surface: 1",
      "Element 'i'     Length [m]       Width [m]     Inertia Mom.[m^4]",
      "    1            1.00000           .50000          2.0000E-3",
      "    2            1.00000           .50000          2.0000E-3",
      "    3            1.00000           .50000          2.0000E-3",
      "    4            1.00000           .50000          2.0000E-3",
      "",
      "--------------------- END OF GEOMETRY DATA ---------------------"};
  EXPECT_EQ(lines, expected);
}

TEST(ListSupports, WinklerRowsOfTheEmbeddedElements) {
  TestDirectory dir;
  PileJob j = Pile1();
  WriteJob(j);
  // The listing of Pile1 with moduli 1E4 at i and 2E4 at j and yield stresses 50 and 80.
  Table2D<double> soil;
  for (int e = 2; e <= 4; ++e) {
    soil(e - 1, 0) = e;
    soil(e - 1, 1) = 1.0E4;
    soil(e - 1, 2) = 2.0E4;
    soil(e - 1, 3) = 50;
    soil(e - 1, 4) = 80;
  }
  Supports.flags = {"", "N", "N", "N", "Y", "N", "", "", "", "", ""};
  TextLineArray lines;
  int count = 0, elastic = 0, winkler = 3;
  ListSupports(lines, count, elastic, winkler, SupportHeader("PILE1"), "");
  ASSERT_EQ(winkler, 7);
  EXPECT_EQ(elastic, 0);
  ListSupportRows(lines, soil, 4, 7, 9);
  EXPECT_EQ(lines[7], "      2        1.0000E+4        2.0000E+4          50.000         80.000");
  EXPECT_EQ(lines[9], "      4        1.0000E+4        2.0000E+4          50.000         80.000");
  EXPECT_EQ(lines[4], "WINKLER SOIL:");
  EXPECT_EQ(lines[3], "Top Edge Fixed against Rotation (?):  N");
  EXPECT_EQ(count, 11);
  EXPECT_EQ(lines[11], "------------------------ END OF SUPPORT DATA ------------------------");
}

TEST(ListLoads, NodalLoadFile) {
  TestDirectory dir;
  WriteJob(Pile1());
  TextLineArray lines = FileLines("PILE1.LDA");
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[1], "Job: PILE1 // LOADS (A)");
  EXPECT_EQ(lines[2], "PILE LOAD DATA:");
  EXPECT_EQ(lines[3], "NODAL LOADING:");
  EXPECT_EQ(lines[5], "                     [kN]                   [kN*m]");
  EXPECT_EQ(lines[6], "    1              100.0000                   .0000");
  EXPECT_EQ(lines[8], "**REMARK: - ELEMENT NUMBERING STARTS AT PILE TOP");
  EXPECT_EQ(lines[12], "------------------------- END OF LOAD DATA -------------------------");
}

TEST(ListLoads, SheetPileUnitsAndBothTables) {
  TestDirectory dir;
  PileJob j;
  j.sheetPile = true;
  j.trapezoidal = {{2, 10, 20}, {3, 20, 30}};
  j.nodal = {{1, 5, -2}};
  WriteJob(j);
  TextLineArray lines = FileLines("PILE.LDA");
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[3], "TRAPEZOIDAL LOADING:");
  EXPECT_EQ(lines[4], " Elment 'i'  Intensity at Node 'i'   Intensity at Node 'j'");
  EXPECT_EQ(lines[5], "(Nodes i,j)        [kN/m^2]                [kN/m^2]");
  EXPECT_EQ(lines[6], "    2               10.0000                 20.0000");
  EXPECT_EQ(lines[8], "NODAL LOADING:");
  EXPECT_EQ(lines[10], "                    [kN/m]                 [kN*m/m]");
  EXPECT_EQ(lines[11], "    1                5.0000                 -2.0000");
}

// Every listing reads back into the tables it was written from.
TEST(ReadJobFiles, ListingsReadBack) {
  for (bool sheet : {false, true}) {
    TestDirectory dir;
    PileJob j;
    j.sheetPile = sheet;
    j.elements = 5;
    j.above = 2;
    j.elementLength = 1.25;
    j.width = 0.6;
    j.inertia = 0.00182;
    j.poisson = 0.25;
    j.topFixed = true;
    j.unyielding = "1, 6";
    j.springs = {{3, 2.5E3, 1.0E2}, {4, 1.0E4, 0}};
    j.subgrade = 3.0E4;
    j.yieldStress = 120;
    j.trapezoidal = {{1, 5, 7.5}, {4, -2, 0}};
    j.nodal = {{1, 100, -20}, {6, 0, 3}};
    WriteJob(j);

    Geometry = PileGeometry();
    TextLineArray lines;
    int n = 0;
    LoadTextLines("PILE.geo", lines, 5000, n);  // the solver's name for the ".GEO" file
    int first = ReadGeometrySections(lines, n);
    ASSERT_EQ(first, 7) << sheet;
    EXPECT_EQ(ReadElementRows(lines, n, first), 5);
    EXPECT_EQ(Geometry.sheetPile, sheet);
    EXPECT_EQ(Geometry.kind, sheet ? "Sheet-Pile" : "Pile");
    EXPECT_EQ(ElementCount(), 5);
    EXPECT_EQ(ElementsAboveSoil(), 2);
    EXPECT_DOUBLE_EQ(Geometry.length, 6.25);
    EXPECT_DOUBLE_EQ(Geometry.modulus, 2.0E7);
    EXPECT_DOUBLE_EQ(Geometry.poisson, 0.25);
    for (int e = 1; e <= 5; ++e) {
      EXPECT_DOUBLE_EQ(Geometry.rows(e, 1), 1.25);
      if (sheet) {
        EXPECT_DOUBLE_EQ(Geometry.rows(e, 2), 0.00182);
      } else {
        EXPECT_DOUBLE_EQ(Geometry.rows(e, 2), 0.6);
        EXPECT_DOUBLE_EQ(Geometry.rows(e, 3), 0.00182);
      }
    }

    LoadTextLines("PILE.SUP", lines, 5000, n);
    int springsFirst = 0, soilFirst = 0;
    ReadSupportData(lines, n, springsFirst, soilFirst);
    EXPECT_TRUE(SupportFlag(kTopEdgeFixedSlot) && SupportFlag(kUnyieldingSlot) && SupportFlag(kElasticSupportsSlot) && SupportFlag(kWinklerSlot));
    EXPECT_FALSE(SupportFlag(kHalfSpaceSlot));
    EXPECT_EQ(Supports.unyieldingNodes, "1, 6");
    EXPECT_EQ(UnyieldingNodeList(Supports.unyieldingNodes, 6), (std::vector<int>{1, 6}));
    EXPECT_DOUBLE_EQ(Supports.springs(3, 1), 2.5E3);
    EXPECT_DOUBLE_EQ(Supports.springs(3, 2), 1.0E2);
    EXPECT_DOUBLE_EQ(Supports.springs(4, 1), 1.0E4);
    EXPECT_DOUBLE_EQ(Supports.springs(5, 1), 0.0);
    for (int e = 1; e <= 5; ++e) {
      EXPECT_DOUBLE_EQ(Supports.soil(e, 1), e > 2 ? 3.0E4 : 0.0);
      EXPECT_DOUBLE_EQ(Supports.soil(e, 4), e > 2 ? 120.0 : 0.0);
    }

    LoadTextLines("PILE.LDA", lines, 5000, n);
    int trapezoidalFirst = 0, nodalFirst = 0;
    ReadLoadData(lines, n, trapezoidalFirst, nodalFirst);
    EXPECT_EQ(trapezoidalFirst, 6);
    EXPECT_EQ(nodalFirst, 11);
    EXPECT_DOUBLE_EQ(Loads.trapezoidal(1, 2), 7.5);
    EXPECT_DOUBLE_EQ(Loads.trapezoidal(4, 1), -2);
    EXPECT_DOUBLE_EQ(Loads.trapezoidal(2, 1), 0);
    EXPECT_DOUBLE_EQ(Loads.nodal(1, 1), 100);
    EXPECT_DOUBLE_EQ(Loads.nodal(1, 2), -20);
    EXPECT_DOUBLE_EQ(Loads.nodal(6, 2), 3);
  }
}

TEST(ReadSupportData, HalfSpaceValues) {
  Geometry.elements = 4;
  Supports.flags = {"", "N", "N", "N", "N", "Y", "", "", "25000", "0.35", "150"};
  TextLineArray lines;
  int count = 0, elastic = 0, winkler = 0;
  ListSupports(lines, count, elastic, winkler, SupportHeader("HS"), "");
  EXPECT_EQ(lines[4], "ISOTROPIC ELASTIC HALF-SPACE: E =2.50000E+4[kPa];   Nu =0.3500");
  EXPECT_EQ(lines[5], "ISOTROPIC YIELD STRESS: 150.00[kPa]");
  int a = 0, b = 0;
  Supports = PileSupports();
  ReadSupportData(lines, count, a, b);
  EXPECT_TRUE(SupportFlag(kHalfSpaceSlot));
  EXPECT_DOUBLE_EQ(ParseNumber(Supports.flags[kHalfSpaceModulusSlot]), 25000);
  EXPECT_DOUBLE_EQ(ParseNumber(Supports.flags[kHalfSpacePoissonSlot]), 0.35);
  EXPECT_DOUBLE_EQ(ParseNumber(Supports.flags[kHalfSpaceYieldSlot]), 150);
}

TEST(ReadGeometrySections, PlainPileDataAndMissingSection) {
  TextLineArray lines = {"",
                         "Job: OLD // GEOMETRY & MAT. PROPERTIES",
                         "PILE DATA:  Sheet-Pile",
                         "No of Elements  Length [m]  Young's Modulus [kPa]   Poisson's Ratio",
                         "        2          3          3.0000E+7                 .200",
                         "No of Elements Above Soil Surface: ",
                         "Element 'i'     Length [m]       Width [m]     Inertia Mom.[m^4]",
                         "    1            1.00000           .40000          1.0000E-3   9   9",
                         "    2            2.00000           .40000          1.0000E-3"};
  Geometry = PileGeometry();
  Geometry.sheetPile = true;
  int first = ReadGeometrySections(lines, 9);
  ASSERT_EQ(first, 7);
  EXPECT_FALSE(Geometry.sheetPile);
  EXPECT_EQ(Geometry.kind, "Pile");
  EXPECT_EQ(ElementsAboveSoil(), 0);
  EXPECT_EQ(ReadElementRows(lines, 9, first), 2);
  EXPECT_DOUBLE_EQ(Geometry.rows(1, 3), 1.0E-3);  // the fields after the third are ignored
  EXPECT_DOUBLE_EQ(Geometry.rows(2, 1), 2.0);

  // A job's own name never stands for the label, and without a section nothing changes.
  TextLineArray other = {"", "Job: PILE DATA // GEOMETRY & MAT. PROPERTIES", "DATA:  BEAM!"};
  EXPECT_EQ(ReadGeometrySections(other, 2), 0);
  EXPECT_EQ(ElementCount(), 2);
}

TEST(ReadSupportData, DamagedTablesAndNodeLists) {
  Geometry.elements = 3;
  TextLineArray lines = {"",
                         "Job: D // SUPPORTS",
                         "PILE SUPPORT DATA:",
                         "Top Edge Fixed against Rotation (?):  y",
                         "UNYIELDING SUPPORTS at Nodes: 1;5",
                         "WINKLER SOIL:",
                         "heading",
                         "units",
                         "      3        3.0000E+4        3.0000E+4          10.000         10.000",
                         "      1        1.0000E+4        1.0000E+4          10.000         10.000",
                         "      9        9.0000E+4        9.0000E+4          10.000         10.000",
                         "",
                         "------------------------ END OF SUPPORT DATA ------------------------"};
  int springs = 0, soil = 0;
  ReadSupportData(lines, 13, springs, soil);
  EXPECT_TRUE(SupportFlag(kTopEdgeFixedSlot));  // the answer in lower case
  EXPECT_FALSE(SupportFlag(kUnyieldingSlot));
  EXPECT_EQ(Supports.unyieldingNodes, "");
  EXPECT_FALSE(SupportFlag(kElasticSupportsSlot));
  EXPECT_EQ(springs, 0);
  EXPECT_EQ(soil, 8);
  EXPECT_DOUBLE_EQ(Supports.soil(1, 1), 1.0E4);
  EXPECT_DOUBLE_EQ(Supports.soil(2, 1), 0.0);
  EXPECT_DOUBLE_EQ(Supports.soil(3, 1), 3.0E4);
  EXPECT_EQ(Supports.soil.Get(9, 1), 0.0);  // an index above the count is skipped
}

TEST(ReadLoadData, ShortAndEmptyFiles) {
  Geometry.elements = 2;
  TextLineArray lines = {"", "Job: D // LOADS (A)", "PILE LOAD DATA:", "NODAL LOADING:", "h", "u",
                         "    7              100.0000                   .0000", "    2               50.0000                  1.0000"};
  int trapezoidal = -1, nodal = -1;
  ReadLoadData(lines, 7, trapezoidal, nodal);  // the file ends inside the table
  EXPECT_EQ(trapezoidal, 0);
  EXPECT_EQ(nodal, 6);
  EXPECT_DOUBLE_EQ(Loads.nodal(2, 1), 50.0);
  EXPECT_DOUBLE_EQ(Loads.nodal(2, 2), 1.0);
  EXPECT_EQ(Loads.nodal.Get(7, 1), 0.0);
  ReadLoadData(lines, 0, trapezoidal, nodal);
  EXPECT_EQ(nodal, 0);
  EXPECT_EQ(Loads.nodal(2, 1), 0.0);
}

TEST(UnyieldingNodeList, PositiveWholeNodesOnly) {
  const struct {
    const char* list;
    std::vector<int> nodes;
  } cases[] = {
      {"1,5", {1, 5}},
      {" 2 , 4 ", {2, 4}},
      {"5,1,5,1", {5, 1}},
      {"0, 2.5, x, 6, 3", {3}},
      {"", {}},
      {",,", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(UnyieldingNodeList(c.list, 5), c.nodes) << c.list;
}

TEST(RenameJobHeaders, RewritesWhatExistsAndSkipsTheRest) {
  TestDirectory dir;
  PileJob j = Pile1();
  j.name = "NEW";
  WriteJob(j);
  for (const char* file : {"NEW.GEO", "NEW.LDA"}) {
    TextLineArray lines = FileLines(file);
    lines[1] = "Job: OLD";
    ASSERT_TRUE(SaveTextLines(file, lines, static_cast<int>(lines.size()) - 1));
  }
  std::remove("NEW.SUP");
  ASSERT_TRUE(WriteLoadCaseList("NEW.COX", {"A", "Bending"}));  // no load file of "Bending"
  RenameJobHeaders("NEW");
  EXPECT_EQ(FileLines("NEW.GEO")[1], "Job: NEW // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(FileLines("NEW.LDA")[1], "Job: NEW // LOADS (A)");
  EXPECT_FALSE(FileExists("NEW.SUP"));
  EXPECT_FALSE(FileExists("NEW.LDB"));
}

TEST(WriteDataText, JoinsTheFilesOfALargeJob) {
  TestDirectory dir;
  PileJob j;
  j.name = "BIG";
  j.elements = 3000;
  j.nodal = {{1, 10, 0}};
  WriteJob(j);
  ASSERT_TRUE(WriteDataText("BIG", "A"));
  TextLineArray out = FileLines("BIG_DATA.TXT");
  TextLineArray geo = FileLines("BIG.GEO"), sup = FileLines("BIG.SUP"), load = FileLines("BIG.LDA");
  ASSERT_EQ(geo.size(), 3009u);
  ASSERT_EQ(out.size(), geo.size() + 3 + sup.size() - 1 + 3 + load.size() - 1);
  EXPECT_EQ(out[3008], geo[3008]);
  EXPECT_EQ(out[3009], "");
  EXPECT_EQ(out[3012], sup[1]);
  EXPECT_EQ(out.back(), load.back());

  // Without the case's load file the supports end it, three empty lines after the geometry.
  ASSERT_TRUE(WriteDataText("BIG", "Z"));
  out = FileLines("BIG_DATA.TXT");
  EXPECT_EQ(out.size(), geo.size() + 3 + sup.size() - 1);
  EXPECT_EQ(out.back(), sup.back());
}

}  // namespace
}  // namespace palvore
