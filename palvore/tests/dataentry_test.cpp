// The rules of Palvore's data dialogs: number fields, the geometry dialog and details table, the
// generation commands and the support choice, with the files they write read back.
#include "palvore/core/dataentry.h"

#include <gtest/gtest.h>

#include <functional>

#include "palvore/core/slots.h"
#include "testsupport.h"

namespace palvore {
namespace {

using testing::FileLines;
using testing::PileJob;

// A geometry file's lines read into Geometry as the dialogs find it.
void ReadGeometry(const TextLineArray& lines) {
  const int n = static_cast<int>(lines.size()) - 1;
  ReadElementRows(lines, n, ReadGeometrySections(lines, n));
}

// The job of that name (PileJob's but for what change sets) written through the listings, then
// its geometry read.
void WriteAndRead(const std::string& name, const std::function<void(PileJob&)>& change = nullptr) {
  PileJob j;
  j.name = name;
  if (change) change(j);
  testing::WriteJob(j);
  ReadGeometry(FileLines(j.name + ".GEO"));
}

TEST(IsNumberText, PalvoreRules) {
  struct Case {
    std::string text, chars;
    int rule;
    std::string normalised;
    int code;
  } cases[] = {
      {"007", NumberCharsDigits, 1, "7", 0},   {"", NumberCharsDigits, 1, "0", 2},
      {"1E.5", NumberCharsSigned, 0, "1E.5", 5}, {"1.2.3", NumberCharsSigned, 0, "1.2.3", 4},
      {"1e2E3", NumberCharsSigned, 0, "1e2E3", 3}, {"-2", NumberCharsUnsigned, 3, "-2", 6},
      {"2.5", NumberCharsDigits, 1, "2.5", 6},  {"2.5", NumberCharsUnsigned, 1, "2.5", 2},
      {"0", NumberCharsUnsigned, 2, "0", 2},    {"0", NumberCharsUnsigned, 3, "0", 0},
  };
  for (const Case& c : cases) {
    std::string t = c.text;
    int code = -1;
    IsNumberText(t, c.chars, code, c.rule);
    EXPECT_EQ(t, c.normalised) << c.text;
    EXPECT_EQ(code, c.code) << c.text;
  }
}

TEST(GeometryDialog, ItemsInOrderThenTheCrossCheck) {
  const std::string enter = "\r\n\r\nENTER NEW DATA.";
  // A count's warning says what the program holds.
  const std::string count = "\r\n(1 to 4990 elements)", above = "\r\n(0 to 4989 elements)";
  struct Case {
    std::vector<std::string> texts;
    std::string warning;
  } cases[] = {
      {{"", "10", "4", "1", "2.1E8", "0.3"}, ""},
      {{"", "10", "4", "0", "2.1E8", "0.49"}, ""},
      {{"", "10", "4", "1", "2.1E8", "0.5"}, "INCORRECT DATA of Item  5!" + enter},
      {{"", "10", "0", "0", "2.1E8", "0.3"}, "INCORRECT DATA of Item  2!" + count + enter},
      {{"", "-3", "4", "1", "2.1E8", "0.3"}, "INCORRECT DATA of Item  1!" + enter},
      {{"", "10", "4", "1", "-1", "0.3"}, "INCORRECT DATA of Item  4!" + enter},
      {{"", "10", "4", "1.5", "2.1E8", "0.3"}, "INCORRECT DATA of Item  3!" + above + enter},
      {{"", "10", "99999", "1", "2.1E8", "0.3"}, "INCORRECT DATA of Item  2!" + count + enter},
      {{"", "10", "4991", "1", "2.1E8", "0.3"}, "INCORRECT DATA of Item  2!" + count + enter},
      {{"", "10", "4990", "4991", "2.1E8", "0.3"}, "INCORRECT DATA of Item  3!" + above + enter},
      {{"", "10", "4990", "4989", "2.1E8", "0.3"}, ""},
      {{"", "10", "5", "5", "2.1E8", "0.3"}, "INCORRECT DATA of Item 2 or of Item 3 !" + enter},
  };
  for (Case& c : cases) EXPECT_EQ(GeometryDialogWarning(c.texts), c.warning) << c.texts[1] << " " << c.texts[2];
}

TEST(GeometryDialog, TextsShowTheModulusInItsMask) {
  Geometry = PileGeometry();
  Geometry.modulus = 2.1E8;
  Geometry.elements = 4;
  EXPECT_EQ(GeometryDialogTexts()[4], "2.1000E+8");
  EXPECT_EQ(GeometryDialogTexts()[2], "4");
}

TEST(GeometryDialog, NewJobWritesTheGeneralLines) {
  TestDirectory dir;
  Geometry = PileGeometry();
  ASSERT_TRUE(SaveGeometryDialogData("PILE1", {"", "10", "4", "1", "2.1E8", "0.3"}, false));
  TextLineArray lines = FileLines("PILE1.geo");
  ASSERT_GE(lines.size(), 13u);
  EXPECT_EQ(lines[1], "Job: PILE1 // GEOMETRY & MAT. PROPERTIES");
  EXPECT_EQ(lines[2], "PILE/SHEET-PILE DATA:  Pile");
  EXPECT_EQ(lines[3], "No of Elements  Length [m]  Young's Modulus [kPa]   Poisson's Ratio");
  EXPECT_NE(lines[4].find("2.1000E+8"), std::string::npos) << lines[4];
  EXPECT_EQ(lines[5], "No of Elements Above Soil Surface: 1");
  EXPECT_EQ(Geometry.kind, "PILE");
}

TEST(GeometryDialog, KindChangeKeepsTheInertiaAndBringsBackNoWidth) {
  TestDirectory dir;
  WriteAndRead("KIND", [](PileJob& j) { j.width = 0.6; j.inertia = 0.003; });
  const std::vector<std::string> texts = {"", "4", "4", "0", "2E7", "0.3"};
  ASSERT_TRUE(SaveGeometryDialogData("KIND", texts, true));
  EXPECT_TRUE(IsSheetPile());
  EXPECT_DOUBLE_EQ(Geometry.rows.Get(2, 2), 0.003);
  ASSERT_TRUE(SaveGeometryDialogData("KIND", texts, false));
  EXPECT_FALSE(IsSheetPile());
  // The sheet pile's file holds no widths: they come back as 0.
  EXPECT_DOUBLE_EQ(Geometry.rows.Get(2, 3), 0.003);
  EXPECT_DOUBLE_EQ(Geometry.rows.Get(2, 2), 0.0);
}

TEST(GeometryDialog, MoreElementsKeepTheRowsAndShowTheDefaultLength) {
  TestDirectory dir;
  WriteAndRead("GROW", [](PileJob& j) { j.elementLength = 2.0; });
  ASSERT_TRUE(SaveGeometryDialogData("GROW", {"", "8", "5", "0", "2E7", "0.3"}, false));
  FillGeometryCells();
  EXPECT_EQ(CellTexts(2, 1), "2");
  EXPECT_EQ(CellTexts(3, 4), ".5");
  EXPECT_EQ(CellTexts(2, 5), "1.6");
  EXPECT_EQ(CellTexts(3, 5), "0");
  EXPECT_NE(GeometryTableProblem(), "");
}

TEST(GeometryTable, LengthsWithinAThousandthOfTheTotal) {
  TestDirectory dir;
  WriteAndRead("SUM", [](PileJob& j) { j.elements = 2; j.elementLength = 5.0; });
  FillGeometryCells();
  EXPECT_EQ(GeometryTableProblem(), "");
  CellTexts(2, 2) = "5.009";
  EXPECT_EQ(GeometryTableProblem(), "");
  CellTexts(2, 2) = "5.02";
  EXPECT_EQ(GeometryTableWarning(GeometryTableProblem()),
            "Incorrect Element Length Data\r\n\r\n          Correct the Data!");
  CellTexts(2, 2) = "5";
  CellTexts(4, 1) = "0";
  EXPECT_EQ(GeometryTableProblem(), "Incorrect Element Moment of Inertia Data");
  CellTexts(3, 2) = "-1";
  EXPECT_EQ(GeometryTableProblem(), "Incorrect Element Moment of Inertia Data");
  CellTexts(4, 1) = "1E-3";
  EXPECT_EQ(GeometryTableProblem(), "Incorrect Element Width Data");
}

TEST(GeometryTable, UniformLengthsAndTheFileWrittenBack) {
  TestDirectory dir;
  WriteAndRead("UNI", [](PileJob& j) { j.elements = 3; j.elementLength = 10.0 / 3; });
  Geometry.length = 10;
  FillGeometryCells();
  CellTexts(2, 1) = "1";
  UniformLengthCells();
  EXPECT_EQ(CellTexts(2, 1), "3.333333");
  EXPECT_EQ(CellTexts(2, 3), "3.333333");
  CellTexts(3, 2) = "0.75";
  ASSERT_TRUE(SaveGeometryCells("UNI"));
  Geometry = PileGeometry();
  ReadGeometry(FileLines("UNI.GEO"));
  EXPECT_NEAR(Geometry.rows.Get(2, 2), 0.75, 1e-9);
  EXPECT_NEAR(Geometry.rows.Get(3, 1), 3.33333, 1e-5);
}

TEST(GeometryTable, CancelWithAZeroWidthMakesASheetPile) {
  TestDirectory dir;
  WriteAndRead("ZERO", [](PileJob& j) { j.width = 0; j.inertia = 0.004; });
  ASSERT_TRUE(SheetPileFromZeroWidth("ZERO"));
  TextLineArray lines = FileLines("ZERO.GEO");
  EXPECT_EQ(lines[2], "PILE/SHEET-PILE DATA:  Sheet-Pile");
  ReadGeometry(lines);
  EXPECT_DOUBLE_EQ(Geometry.rows.Get(1, 2), 0.004);
  EXPECT_FALSE(SheetPileFromZeroWidth("ZERO"));
}

TEST(Generation, RangesOfRows) {
  struct Case {
    std::string start, end, step;
    int offset, rows;
    bool valid;
    std::vector<int> rowsFilled;
  } cases[] = {
      {"1", "10", "3", 0, 10, true, {1, 4, 7, 10}},
      {"1", "10", "10", 0, 10, false, {}},
      {"1", "10", "0", 0, 10, false, {}},
      {"1", "10", "1.5", 0, 10, false, {}},
      {"0", "10", "1", 0, 10, false, {}},
      {"5", "5", "1", 0, 10, false, {}},
      {"8", "14", "2", 0, 10, true, {8, 10}},
      // The Winkler table shows elements nA + 1..: element 2 (above the soil) is skipped.
      {"2", "6", "2", 2, 4, true, {2, 4}},
  };
  for (const Case& c : cases) {
    std::vector<int> rows;
    EXPECT_EQ(GenerationRows(c.start, c.end, c.step, c.offset, c.rows, rows), c.valid) << c.start << c.step;
    EXPECT_EQ(rows, c.rowsFilled) << c.start << " " << c.step;
  }
  EXPECT_EQ(RangeWarning(), "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ");
}

TEST(Generation, WinklerFunctionFromNodeI) {
  CellTexts.Redim(5, 4);
  const std::vector<double> lengths(7, 1.0);
  ASSERT_TRUE(FillFunctionCells(0, {"", "3", "7", "1000", "100", "2"}, lengths, 2));
  const char* expected[5][2] = {{}, {"1000.000", "1100.000"}, {"1100.000", "1400.000"},
                                {"1400.000", "1900.000"}, {"1900.000", "2600.000"}};
  for (int r = 1; r <= 4; ++r) {
    EXPECT_EQ(CellTexts(2, r), expected[r][0]) << r;
    EXPECT_EQ(CellTexts(3, r), expected[r][1]) << r;
  }
  // The yield columns take the offset 2; a negative exponent and a range off the pile fill nothing.
  ASSERT_TRUE(FillFunctionCells(2, {"", "3", "4", "50", "0", "0"}, lengths, 2));
  EXPECT_EQ(CellTexts(4, 1), "50.000");
  EXPECT_FALSE(FillFunctionCells(0, {"", "3", "7", "1", "1", "-1"}, lengths, 2));
  EXPECT_FALSE(FillFunctionCells(0, {"", "3", "8", "1", "1", "1"}, lengths, 2));
  EXPECT_FALSE(FillFunctionCells(0, {"", "0", "3", "1", "1", "1"}, lengths, 2));
  EXPECT_EQ(CellTexts(2, 1), "1000.000");
  // 0^0 is 1: the value at node i of an exponent 0 is A + B.
  ASSERT_TRUE(FillFunctionCells(0, {"", "3", "4", "10", "5", "0"}, lengths, 2));
  EXPECT_EQ(CellTexts(2, 1), "15.000");
}

TEST(Supports, NothingButTheTopEdgeIsNoSupport) {
  EXPECT_EQ(SupportTypeWarning(false, false, false, false),
            "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!");
  EXPECT_EQ(SupportTypeWarning(false, false, false, true), "");
}

TEST(Supports, UnyieldingListMarksAndOk) {
  Supports = PileSupports();
  Supports.unyieldingNodes = " ,1, 9,x,3, ";
  std::vector<int> marks = UnyieldingMarks(6);
  EXPECT_EQ(marks, (std::vector<int>{0, 1, 0, 1, 0, 0, 0}));
  AcceptUnyieldingMarks(marks);
  EXPECT_EQ(Supports.unyieldingNodes, "1,3");
  EXPECT_EQ(Supports.flags[kUnyieldingSlot], "Y");
  AcceptUnyieldingMarks(std::vector<int>(7, 0));
  EXPECT_EQ(Supports.flags[kUnyieldingSlot], "N");
  EXPECT_EQ(Supports.unyieldingNodes, "1,3");
}

TEST(Supports, HalfSpaceItems) {
  struct Case {
    std::vector<std::string> texts;
    int problem;
  } cases[] = {{{"", "3E4", "0.5", "0"}, 0}, {{"", "0", "0.3", "0"}, 1}, {{"", "3E4", "0.51", "0"}, 2},
               {{"", "3E4", "-0.1", "0"}, 2}, {{"", "3E4", "0.3", "-5"}, 3}};
  for (Case& c : cases) EXPECT_EQ(HalfSpaceProblem(c.texts), c.problem) << c.texts[1] << c.texts[2] << c.texts[3];
}

// Each support type written by the dialogs is read back by the job reader.
TEST(Supports, SupportFileReadsBack) {
  TestDirectory dir;
  WriteAndRead("SUPP", [](PileJob& j) { j.elements = 5; j.above = 2; });
  Supports = PileSupports();
  Supports.flags = {"", "Y", "N", "Y", "Y", "Y", "", "", "30000", "0.3", "10", ""};
  Supports.unyieldingNodes = " ,1, 9,x,3, ";
  AcceptUnyieldingMarks(UnyieldingMarks(6));
  FillSupportCells("ELASTIC");
  ASSERT_EQ(Trim(CellTexts(1, 6)), "6");
  CellTexts(2, 2) = "500";
  CellTexts(3, 5) = "20";
  StoreSupportCells("ELASTIC");
  FillSupportCells("WINKLER");
  ASSERT_EQ(Trim(CellTexts(1, 1)), "3");
  CellTexts(2, 2) = "1000";
  CellTexts(3, 2) = "1200";
  CellTexts(4, 3) = "40";
  StoreSupportCells("WINKLER");
  ASSERT_TRUE(SaveSupportFile("SUPP"));

  Supports = PileSupports();
  TextLineArray lines = FileLines("SUPP.SUP");
  int springs = 0, soil = 0;
  ReadSupportData(lines, static_cast<int>(lines.size()) - 1, springs, soil);
  EXPECT_EQ(lines[1], "Job: SUPP // SUPPORTS");
  EXPECT_TRUE(SupportFlag(kTopEdgeFixedSlot) && SupportFlag(kUnyieldingSlot) && SupportFlag(kElasticSupportsSlot) && SupportFlag(kWinklerSlot) && SupportFlag(kHalfSpaceSlot));
  EXPECT_EQ(Supports.unyieldingNodes, "1,3");
  EXPECT_DOUBLE_EQ(Supports.springs.Get(2, 1), 500);
  EXPECT_DOUBLE_EQ(Supports.springs.Get(5, 2), 20);
  EXPECT_DOUBLE_EQ(Supports.soil.Get(4, 1), 1000);
  EXPECT_DOUBLE_EQ(Supports.soil.Get(4, 2), 1200);
  EXPECT_DOUBLE_EQ(Supports.soil.Get(5, 3), 40);
  EXPECT_DOUBLE_EQ(ParseNumber(Supports.flags[kHalfSpaceModulusSlot]), 30000);
}

TEST(Supports, EmptyTablesSwitchTheirTypeOff) {
  TestDirectory dir;
  WriteAndRead("OFF");
  Supports = PileSupports();
  Supports.flags = {"", "N", "N", "Y", "Y", "N", "", "", "", "", "", ""};
  FillSupportCells("ELASTIC");
  StoreSupportCells("ELASTIC");
  FillSupportCells("WINKLER");
  CellTexts(4, 1) = "30";  // a yield stress without a modulus is no soil
  StoreSupportCells("WINKLER");
  EXPECT_FALSE(SupportFlag(kElasticSupportsSlot));
  EXPECT_FALSE(SupportFlag(kWinklerSlot));
  ASSERT_TRUE(SaveSupportFile("OFF"));
  TextLineArray lines = FileLines("OFF.SUP");
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find("ELASTIC SUPPORTS"), std::string::npos);
    EXPECT_EQ(line.find("WINKLER SOIL"), std::string::npos);
  }
}

}  // namespace
}  // namespace palvore
