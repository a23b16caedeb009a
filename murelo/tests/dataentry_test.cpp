// Murelo's data-entry rules: the number fields, the geometry dialog's items and file, the
// details table's checks and fills, the generation commands, the support choice, the half-space
// items, the unyielding marks, the support file and the choice of the structure view.
#include "murelo/core/dataentry.h"

#include <gtest/gtest.h>

#include "../../common/tests/testdir.h"
#include "../../common/tests/textlines.h"
#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/slots.h"

namespace murelo {
namespace {

class DataEntry : public ::testing::Test {
 protected:
  void SetUp() override {
    JobSpec = "WALL1";
    CurrentSubstructure = "BASE PLATE";
    GeneralData.Redim(2, 5);
    SupportFlags.assign(kSupportFlagSlots, "N");
    UnyieldingNodes.clear();
    // The work tables as the support command finds them for a job without supports.
    ElasticSupportTable.Redim(0, 2);
    WinklerTable.Redim(0, 4);
    StemRestraintTable.Redim(0, 2);
  }
  // A base plate of width 3, toe 0.75, 4 elements and a stem of 3 m in 3 elements, written
  // through the geometry dialog.
  void WriteWall() {
    CurrentSubstructure = "WALL";
    ASSERT_TRUE(SaveGeometryDialogData(JobSpec, {"", "3", "3", "3.0E7", "0.2"}));
    CurrentSubstructure = "BASE PLATE";
    ASSERT_TRUE(SaveGeometryDialogData(JobSpec, {"", "3", "0.75", "4", "3.0E7", "0.2"}));
  }
  TestDirectory dir_;
};

TEST(MureloNumberText, NormalisesAndNamesTheFault) {
  struct Case {
    const char* text;
    const char* chars;
    int code;
    const char* after;
  } cases[] = {
      {"007", NumberCharsSigned, 0, "7"}, {"", NumberCharsSigned, 0, "0"},   {"1.2.3", NumberCharsSigned, 4, nullptr},
      {"1E5E", NumberCharsSigned, 3, nullptr}, {"1E.5", NumberCharsSigned, 5, nullptr}, {"12a", NumberCharsDigits, 6, nullptr},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    int code = -1;
    IsNumberText(text, c.chars, code, 0);
    EXPECT_EQ(code, c.code) << c.text;
    if (c.after) {
      EXPECT_EQ(text, c.after) << c.text;
    }
  }
}

TEST_F(DataEntry, GeometryItemsOfThePlateAndTheStem) {
  struct Case {
    const char* substructure;
    std::vector<std::string> texts;
    int item;
  } cases[] = {
      {"BASE PLATE", {"", "3", "0.75", "4", "3.0E7", "0.2"}, 0},
      {"BASE PLATE", {"", "3", "3.1", "4", "3.0E7", "0.2"}, 2},   // toe beyond the plate
      {"BASE PLATE", {"", "3", "3", "4", "3.0E7", "0.2"}, 0},     // toe as long as the plate
      {"BASE PLATE", {"", "3", "0.75", "4", "3.0E7", "0.5"}, 5},  // Poisson's ratio 0.5
      {"BASE PLATE", {"", "3", "0.75", "4", "3.0E7", "-0.1"}, 0},
      {"BASE PLATE", {"", "3", "0.75", "0", "3.0E7", "0.2"}, 3},  // no elements
      {"BASE PLATE", {"", "3", "0.75", "201", "3.0E7", "0.2"}, 3},
      {"BASE PLATE", {"", "3", "0.75", "200", "3.0E7", "0.2"}, 0},
      {"BASE PLATE", {"", "3a", "0.75", "4", "3.0E7", "0.2"}, 1},
      {"WALL", {"", "3", "3", "3.0E7", "0.5"}, 4},
      {"WALL", {"", "3", "3", "3.0E7", "-0.2"}, 0},
      {"WALL", {"", "3", "-3", "3.0E7", "0.2"}, 2},
  };
  for (Case& c : cases) {
    CurrentSubstructure = c.substructure;
    EXPECT_EQ(GeometryDialogItem(c.texts), c.item) << c.substructure << " " << c.texts[1] << " " << c.texts[2];
  }
  // The count's warning says how many elements the dialog takes: item 3 of the plate, 2 of the stem.
  const std::string count = "\r\n(1 to 200 elements)", enter = "\r\n\r\nENTER NEW DATA.";
  CurrentSubstructure = "BASE PLATE";
  EXPECT_EQ(GeometryItemWarning(3), "INCORRECT DATA of Item  3!" + count + enter);
  EXPECT_EQ(GeometryItemWarning(2), "INCORRECT DATA of Item  2!" + enter);
  CurrentSubstructure = "WALL";
  EXPECT_EQ(GeometryItemWarning(2), "INCORRECT DATA of Item  2!" + count + enter);
  EXPECT_EQ(GeometryItemWarning(3), "INCORRECT DATA of Item  3!" + enter);
}

TEST_F(DataEntry, GeometryDialogTextsAndTheRebuiltFile) {
  WriteWall();
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  EXPECT_EQ(GeometryDialogTexts(), (std::vector<std::string>{"", "3", ".75", "4", "3.0000E+7", ".2"}));
  // Rows 1 to 4 survive a count raised to 6; the new rows are 0.
  BasePlateElements.Redim(4, 2);
  for (int e = 1; e <= 4; ++e) {
    BasePlateElements(e, 0) = e;
    BasePlateElements(e, 1) = 0.75;
    BasePlateElements(e, 2) = 0.4;
  }
  TextLines.assign(5001, "");
  GeometryLines g = ListGeometry(TextLines, "Job: WALL1 // GEOMETRY & MAT. PROPERTIES");
  ListGeometryRows(TextLines, BasePlateElements, 4, g.plateRows);
  ASSERT_TRUE(SaveTextLines(GeometryFileName(JobSpec), TextLines, g.last));
  ASSERT_TRUE(SaveGeometryDialogData(JobSpec, {"", "3", "0.75", "6", "3.0E7", "0.2"}));
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  EXPECT_EQ(ElementCount(1), 6);
  for (int e = 1; e <= 4; ++e) EXPECT_DOUBLE_EQ(BasePlateElements(e, 1), 0.75) << e;
  for (int e = 5; e <= 6; ++e) EXPECT_DOUBLE_EQ(BasePlateElements(e, 2), 0.0) << e;
  EXPECT_EQ(ElementCount(2), 3);
  std::vector<std::string> lines = FileLines("WALL1.geo");
  EXPECT_EQ(lines[1], "Job: WALL1 // GEOMETRY & MAT. PROPERTIES");
}

TEST_F(DataEntry, DetailsTableUniformWidthsAndItsChecks) {
  WriteWall();
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  FillGeometryCells();
  UniformWidthCells();
  for (int e = 1; e <= 4; ++e) EXPECT_EQ(CellTexts(2, e), ".75") << e;
  for (int e = 1; e <= 4; ++e) CellTexts(3, e) = "0.4";
  std::string problem;
  EXPECT_FALSE(GeometryTableRefused(problem)) << problem;
  // Widths adding up to 1.0005 T pass, 1.002 T do not.
  CellTexts(2, 4) = "0.7515";
  EXPECT_FALSE(GeometryTableRefused(problem)) << problem;
  CellTexts(2, 4) = "0.756";
  EXPECT_TRUE(GeometryTableRefused(problem));
  EXPECT_EQ(problem, "Incorrect Element Width Data");
  CellTexts(2, 4) = "0.75";
  CellTexts(3, 2) = "0";
  EXPECT_TRUE(GeometryTableRefused(problem));
  EXPECT_EQ(problem, "Incorrect Element Thickness Data");
  EXPECT_EQ(TableWarning(problem), "Incorrect Element Thickness Data\r\n\r\n          Correct the Data!");
  // The toe of 0.75 ends inside the first element of 1 m: refused with no message of its own.
  CellTexts(3, 2) = "0.4";
  CellTexts(2, 1) = "1";
  CellTexts(2, 2) = "0.5";
  EXPECT_TRUE(GeometryTableRefused(problem));
  EXPECT_EQ(problem, "");
}

TEST_F(DataEntry, WidthsOfNothingAreRefused) {
  CurrentSubstructure = "WALL";
  GeneralData(2, 1) = 2;
  GeneralData(2, 2) = 0;
  CellTexts.Redim(3, 2);
  for (int e = 1; e <= 2; ++e) {
    CellTexts(2, e) = "0";
    CellTexts(3, e) = "0.3";
  }
  std::string problem;
  EXPECT_TRUE(GeometryTableRefused(problem));
  EXPECT_EQ(problem, "Incorrect Element Width Data");
  EXPECT_EQ(FillLinearVariation({"", "1", "3", "0.5", "0.3"}), 1);
}

TEST_F(DataEntry, SavedCellsRewriteOnlyTheEditedRows) {
  WriteWall();
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  FillGeometryCells();
  UniformWidthCells();
  for (int e = 1; e <= 4; ++e) CellTexts(3, e) = "0.45";
  ASSERT_TRUE(SaveGeometryCells(JobSpec));
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  for (int e = 1; e <= 4; ++e) {
    EXPECT_DOUBLE_EQ(BasePlateElements(e, 1), 0.75);
    EXPECT_DOUBLE_EQ(BasePlateElements(e, 2), 0.45);
  }
  EXPECT_DOUBLE_EQ(GeneralData(1, 2), 3.0);
  EXPECT_DOUBLE_EQ(WallStemElements(1, 2), 0.0);
}

TEST_F(DataEntry, LinearVariationOfTheStemThickness) {
  CurrentSubstructure = "WALL";
  GeneralData(2, 1) = 2;
  GeneralData(2, 2) = 2;
  CellTexts.Redim(3, 2);
  for (int e = 1; e <= 2; ++e) {
    CellTexts(2, e) = "1";
    CellTexts(3, e) = "9";
  }
  EXPECT_EQ(FillLinearVariation({"", "1", "3", "0.5", "0.3"}), 0);
  EXPECT_EQ(CellTexts(3, 1), ".4500");
  EXPECT_EQ(CellTexts(3, 2), ".3500");
  // Only node 2 to 3: the first row keeps its thickness.
  CellTexts(3, 1) = "9";
  EXPECT_EQ(FillLinearVariation({"", "2", "3", "0.5", "0.3"}), 0);
  EXPECT_EQ(CellTexts(3, 1), "9");
  EXPECT_EQ(CellTexts(3, 2), ".4000");
  EXPECT_EQ(FillLinearVariation({"", "1", "4", "0.5", "0.3"}), 2);  // past the last node
  EXPECT_EQ(FillLinearVariation({"", "1", "3", "0", "0.3"}), 2);
  CellTexts(2, 2) = "1.5";
  EXPECT_EQ(FillLinearVariation({"", "1", "3", "0.5", "0.3"}), 1);
}

TEST_F(DataEntry, FunctionAlongTheBasePlate) {
  CellTexts.Redim(5, 4);
  for (int e = 1; e <= 4; ++e)
    for (int c = 2; c <= 5; ++c) CellTexts(c, e) = "7";
  const std::vector<double> widths = {0, 1, 1, 1, 1};
  // B = 0: A over elements 2 and 3 only.
  EXPECT_TRUE(ApplyNodeFunction(0, {"", "2", "4", "5000", "0", "2"}, widths));
  EXPECT_EQ(CellTexts(2, 1), "7");
  EXPECT_EQ(CellTexts(2, 2), "5000.000");
  EXPECT_EQ(CellTexts(3, 3), "5000.000");
  EXPECT_EQ(CellTexts(2, 4), "7");
  EXPECT_EQ(CellTexts(4, 2), "7");
  // x from node i: f = 10 + 2x on the yield columns.
  EXPECT_TRUE(ApplyNodeFunction(2, {"", "3", "5", "10", "2", "1"}, widths));
  EXPECT_EQ(CellTexts(4, 3), "10.000");
  EXPECT_EQ(CellTexts(5, 3), "12.000");
  EXPECT_EQ(CellTexts(5, 4), "14.000");
  // A negative exponent has no value at x = 0; nodes outside the plate write nothing.
  EXPECT_FALSE(ApplyNodeFunction(0, {"", "1", "3", "1", "1", "-1"}, widths));
  EXPECT_EQ(CellTexts(2, 1), "7");
  EXPECT_FALSE(ApplyNodeFunction(0, {"", "1", "6", "1", "0", "1"}, widths));
  EXPECT_FALSE(ApplyNodeFunction(0, {"", "3", "3", "1", "0", "1"}, widths));
}

TEST(MureloGenerationRange, RowsOfAStep) {
  std::vector<int> rows;
  EXPECT_TRUE(GenerationRows("1", "10", "3", 10, rows));
  EXPECT_EQ(rows, (std::vector<int>{1, 4, 7, 10}));
  struct Case {
    const char *start, *end, *step;
  } refused[] = {{"1", "10", "0"}, {"0", "10", "1"}, {"1", "11", "1"}, {"5", "5", "1"}, {"1", "3", "5"}, {"1", "x", "1"}};
  for (const Case& c : refused) {
    EXPECT_FALSE(GenerationRows(c.start, c.end, c.step, 10, rows)) << c.start << " " << c.end << " " << c.step;
    EXPECT_TRUE(rows.empty());
  }
  EXPECT_EQ(RangeWarning(), "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ");
}

TEST_F(DataEntry, SupportTypeOutcomes) {
  struct Case {
    SupportStates states;
    std::string warning;
  } cases[] = {
      {{1, 0, 0, 0, 0}, "The STRUCTURE is NOT SUPPORTED!\r\n\r\nCORRECT the SUPPORT Specification!"},
      {{0, 0, 0, 1, 0}, "Toe MUST be Horizontally Restrained!\r\n\r\nCORRECT the SUPPORT Specification!"},
      {{0, 0, 0, 0, 1}, ""},
      {{1, 1, 0, 0, 0}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(SupportTypeWarning(SupportTypeStatus(c.states)), c.warning);
  // The wall takes any ticks: its states map to flag 5 only.
  SupportStates wall{};
  MapSupportTypeFlags(wall, 2, false);
  EXPECT_EQ(SupportFlags[kStemRestraintsSlot], "N");
  wall[1] = 1;
  MapSupportTypeFlags(wall, 2, false);
  EXPECT_EQ(SupportFlags[kStemRestraintsSlot], "Y");
  // A stored half-space of modulus 0 opens clear and is switched off.
  SupportFlags[kHalfSpaceSlot] = "Y";
  SupportFlags[kHalfSpaceModulusSlot] = "0";
  SupportStates plate{};
  MapSupportTypeFlags(plate, 1, true);
  EXPECT_EQ(plate[4], 0);
  EXPECT_EQ(SupportFlags[kHalfSpaceSlot], "N");
  SupportFlags[kHalfSpaceSlot] = "Y";
  SupportFlags[kHalfSpaceModulusSlot] = "5.0E4";
  MapSupportTypeFlags(plate, 1, true);
  EXPECT_EQ(plate[4], 1);
}

TEST(MureloHalfSpace, ItemsToCorrect) {
  struct Case {
    std::vector<std::string> texts;
    int item;
  } cases[] = {
      {{"", "5E4", "0.5", "0"}, 0},   {{"", "5E4", "0.51", "0"}, 2}, {{"", "5E4", "-0.1", "0"}, 2},
      {{"", "5E4", "0.3", "-1"}, 3},  {{"", "0", "0.3", "0"}, 1},    {{"", "5E4", "0.6", "-1"}, 2},
      {{"", "5E4", "0.3", "1a"}, 3},
  };
  for (Case& c : cases) EXPECT_EQ(HalfSpaceProblem(c.texts), c.item) << c.texts[1] << " " << c.texts[2] << " " << c.texts[3];
}

TEST_F(DataEntry, UnyieldingMarksAndTheirList) {
  UnyieldingNodes = " ,3,12,x,40,";
  std::vector<int> marks = UnyieldingMarks(20);
  EXPECT_EQ(marks[3], 1);
  EXPECT_EQ(marks[12], 1);
  EXPECT_EQ(std::count(marks.begin(), marks.end(), 1), 2);
  AcceptUnyieldingMarks(marks);
  EXPECT_EQ(UnyieldingNodes, "3,12");
  EXPECT_EQ(SupportFlags[kUnyieldingSlot], "Y");
  AcceptUnyieldingMarks(std::vector<int>(21, 0));
  EXPECT_EQ(SupportFlags[kUnyieldingSlot], "N");
  EXPECT_EQ(UnyieldingNodes, "3,12");
}

TEST_F(DataEntry, SupportFileFromTheWorkTables) {
  WriteWall();
  WinklerTable.Redim(0, 0);  // no rows of an earlier test's job
  ASSERT_TRUE(ReadGeometryFile(JobSpec));
  SupportFlags = {"Y", "Y", "Y", "Y", "N", "N", "", "", "", "", ""};
  UnyieldingNodes = "3,5";
  // An elastic table of zeros drops its section; the Winkler rows with moduli are kept.
  CurrentSubstructure = "BASE PLATE";
  FillSupportCells("ELASTIC");
  StoreSupportCells("ELASTIC");
  EXPECT_EQ(SupportFlags[kElasticSupportsSlot], "N");
  FillSupportCells("WINKLER");
  CellTexts(2, 2) = "5000";
  CellTexts(3, 2) = "6000";
  CellTexts(4, 2) = "100";
  StoreSupportCells("WINKLER");
  EXPECT_EQ(SupportFlags[kWinklerSlot], "Y");
  ASSERT_TRUE(SaveSupportFile(JobSpec));
  std::vector<std::string> lines = FileLines("WALL1.SUP");
  EXPECT_EQ(lines[1], "Job: WALL1 // SUPPORTS");
  EXPECT_TRUE(HasLine(lines, "UNYIELDING SUPPORTS at Nodes: 3,5"));
  EXPECT_FALSE(HasLine(lines, "ELASTIC SUPPORTS:"));
  EXPECT_TRUE(HasLine(lines, "WINKLER SOIL:"));
  // The file reads back: element 2's row only.
  int count = static_cast<int>(lines.size()) - 1;
  ReadSupportTables(lines, count, 4, 3);
  EXPECT_DOUBLE_EQ(WinklerTable(2, 1), 5000);
  EXPECT_DOUBLE_EQ(WinklerTable(2, 2), 6000);
  EXPECT_DOUBLE_EQ(WinklerTable(2, 3), 100);
  EXPECT_DOUBLE_EQ(WinklerTable(1, 1), 0);
  // A Winkler table of zero moduli switches the foundation off.
  FillSupportCells("WINKLER");
  for (int e = 1; e <= 4; ++e) CellTexts(2, e) = CellTexts(3, e) = "0";
  StoreSupportCells("WINKLER");
  EXPECT_EQ(SupportFlags[kWinklerSlot], "N");
}

TEST(MureloStructureView, ChoiceOfTitleSideAndWords) {
  ViewChoice wall = StructureViewChoice("Load", "WALL", "TRAPEZOIDAL");
  EXPECT_EQ(wall.title, "TRAPEZOIDAL HORIZONTAL LOAD");
  EXPECT_EQ(wall.labelSide, "TOP");
  ViewChoice plate = StructureViewChoice("Load", "BASE PLATE", "TRAPEZOIDAL");
  EXPECT_EQ(plate.title, "TRAPEZOIDAL LOAD");
  EXPECT_EQ(plate.labelSide, "BOTTOM");
  EXPECT_EQ(StructureViewChoice("Load", "WALL", "TRAPEZOIDAL (Vertical)").title, "TRAPEZOIDAL VERTICAL LOAD");
  EXPECT_EQ(StructureViewChoice("Load", "BASE PLATE", "NODAL").labels, (std::vector<std::string>{"Pv", "M"}));
  EXPECT_EQ(StructureViewChoice("Load", "WALL", "NODAL").labels, (std::vector<std::string>{"Ph", "Qv", "M"}));
  auto has = [](const ViewChoice& c, const std::string& word) {
    return std::find(c.labels.begin(), c.labels.end(), word) != c.labels.end();
  };
  ViewChoice kv = StructureViewChoice("Supp", "BASE PLATE", "ELASTIC");
  ViewChoice kh = StructureViewChoice("Supp", "WALL", "ELASTIC");
  EXPECT_TRUE(has(kv, "(kv)"));
  EXPECT_FALSE(has(kv, "(kh)"));
  EXPECT_TRUE(has(kh, "(kh)"));
  EXPECT_TRUE(has(kv, "(kr)") && has(kh, "(kr)"));
  EXPECT_EQ(StructureViewChoice("Supp", "BASE PLATE", "WINKLER").title, "WINKLER FOUNDATION");
  EXPECT_EQ(StructureViewChoice("Supp", "BASE PLATE", "UNYIELD").title, "UNYIELDING SUPPORTS");
  EXPECT_EQ(StructureViewChoice("Geom", "WALL", "GEOMETRY").title, "GEOMETRY IDEALIZATION");
}

}  // namespace
}  // namespace murelo
