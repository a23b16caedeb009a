// The rules of the geometry entry: the dialog's items and its rebuild of the file, the element
// table's cells, the generation fields and the tank substructure options.
#include <gtest/gtest.h>

#include "../../../common/tests/testdir.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "corvane/core/geometryentry.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/slots.h"
#include "testsupport.h"

namespace corvane {
namespace {

using testing::FileLines;

const char* const kNewData = "!\r\n\r\nENTER NEW DATA.";

TEST(GeometryItems, RowsLabelsAndUnits) {
  const struct {
    const char* type;
    const char* sub;
    int n;
    const char* second;
    const char* third;
    const char* thirdUnit;
  } cases[] = {
      {"BEAM/STRIP", "BEAM", 5, "Beam Length or Strip Width ", "Modulus of Elasticity ", " kPa"},
      {"PLATE", "PLATE", 6, "Plate Inner Radius ", "Plate Outer Radius ", " m"},
      {"TANK", "BASE PLATE", 5, "Plate Radius ", "Modulus of Elasticity ", " kPa"},
      {"TANK", "WALL", 6, "Radius of Wall Cylinder ", "Wall Height ", " m"},
      {"TANK", "ROOF STRUCTURE", 6, "Roof Inner (Horizontal) Radius ", "Roof Outer (Horizontal) Radius ", " m"},
  };
  for (const auto& c : cases) {
    StructureType = c.type;
    Substructure = c.sub;
    EXPECT_EQ(GeometryItemCount(), c.n) << c.sub;
    EXPECT_EQ(GeometryItemLabel(1), "Number of Elements ");
    EXPECT_EQ(GeometryItemLabel(2), c.second);
    EXPECT_EQ(GeometryItemLabel(3), c.third);
    EXPECT_EQ(GeometryItemUnit(2), " m");
    EXPECT_EQ(GeometryItemUnit(3), c.thirdUnit);
    EXPECT_EQ(GeometryItemLabel(c.n), "Coefficient of Thermal Expansion ");
    EXPECT_EQ(GeometryItemUnit(c.n), " 1/Degree (Celsius)");
    EXPECT_EQ(GeometryItemUnit(1), "");
  }
  StructureType = "BEAM/STRIP";
  EXPECT_EQ(GeometryItemLabel(4), "Poisson's Ratio (irrelevant to Beams) ");
  StructureType = "TANK";
  Substructure = "WALL";
  EXPECT_EQ(GeometryItemLabel(5), "Poisson's Ratio ");
}

TEST(GeometryItems, FieldTextsAsStored) {
  testing::SetJobGeometry("PLATE", "PLATE", 10, 0, 0, 0.5, 0);
  JobDataTable(1, 4) = 3e7;
  JobDataTable(1, 6) = 1e-5;
  EXPECT_EQ(GeometryFieldText(1), "10");
  EXPECT_EQ(GeometryFieldText(2), ".5");
  EXPECT_EQ(GeometryFieldText(4), "3.0000E+7");
  EXPECT_EQ(GeometryFieldText(6), "1.000E-5");
  testing::SetJobGeometry("BEAM/STRIP", "BEAM", 10, 0, 0, 0, 0);
  JobDataTable(1, 3) = 3e7;
  JobDataTable(1, 5) = 1e-5;
  EXPECT_EQ(GeometryFieldText(3), "3.0000E+7");
  EXPECT_EQ(GeometryFieldText(5), "1.000E-5");
}

TEST(GeometryItems, ChecksOfOk) {
  const std::string radius = "INCORRECT DATA of Item 2 or of Item 3 !\r\n\r\nENTER NEW DATA.";
  auto item = [](int i) { return "INCORRECT DATA of Item " + NumberToText(i) + kNewData; };
  // The count's warning says the largest count whose listings fit: a beam's 2488 elements.
  const std::string count = "INCORRECT DATA of Item  1!\r\n(1 to 2488 elements)" + std::string(kNewData).substr(1);
  const struct {
    const char* name;
    const char* type;
    const char* sub;
    std::vector<std::string> texts;  // items 1..N
    std::string message;
  } cases[] = {
      {"beam", "BEAM/STRIP", "BEAM", {"10", "10", "3E7", "0.49", "0.0000012"}, ""},
      {"beam Poisson 0.5", "BEAM/STRIP", "BEAM", {"10", "10", "3E7", "0.5", "1E-5"}, item(4)},
      {"beam coefficient 0.001", "BEAM/STRIP", "BEAM", {"10", "10", "3E7", "0.2", "0.001"}, item(5)},
      {"beam length 0", "BEAM/STRIP", "BEAM", {"10", "0", "3E7", "0.2", "1E-5"}, item(2)},
      {"elements not whole", "BEAM/STRIP", "BEAM", {"2.5", "10", "3E7", "0.2", "1E-5"}, count},
      {"a negative length", "BEAM/STRIP", "BEAM", {"10", "-1", "3E7", "0.2", "1E-5"}, item(2)},
      {"more elements than a job file holds", "BEAM/STRIP", "BEAM", {"5001", "10", "3E7", "0.2", "1E-5"}, count},
      {"supports of 4000 elements would not fit", "BEAM/STRIP", "BEAM", {"4000", "10", "3E7", "0.2", "1E-5"}, count},
      {"2000 elements fit", "BEAM/STRIP", "BEAM", {"2000", "10", "3E7", "0.2", "1E-5"}, ""},
      {"the largest count named fits", "BEAM/STRIP", "BEAM", {"2488", "10", "3E7", "0.2", "1E-5"}, ""},
      {"one more does not", "BEAM/STRIP", "BEAM", {"2489", "10", "3E7", "0.2", "1E-5"}, count},
      {"plate inner 0", "PLATE", "PLATE", {"10", "0", "5", "3E7", "0.2", "1E-5"}, ""},
      {"plate inner = outer", "PLATE", "PLATE", {"10", "5", "5", "3E7", "0.2", "1E-5"}, ""},
      {"plate inner above outer", "PLATE", "PLATE", {"10", "6", "5", "3E7", "0.2", "1E-5"}, radius},
      {"wall height 0", "TANK", "WALL", {"10", "5", "0", "3E7", "0.2", "1E-5"}, item(3)},
      {"wall Poisson 0.5", "TANK", "WALL", {"10", "5", "4", "3E7", "0.5", "1E-5"}, item(5)},
      {"roof without elements", "TANK", "ROOF STRUCTURE", {"0", "", "x", "", "", ""}, ""},
      {"roof without elements, radii crossed", "TANK", "ROOF STRUCTURE", {"0", "6", "5", "", "", ""}, radius},
      {"roof", "TANK", "ROOF STRUCTURE", {"4", "0", "5", "3E7", "0.2", "1E-5"}, ""},
      {"roof modulus 0", "TANK", "ROOF STRUCTURE", {"4", "0", "5", "0", "0.2", "1E-5"}, ""},
      {"roof Poisson 0.5", "TANK", "ROOF STRUCTURE", {"4", "0", "5", "3E7", "0.5", "1E-5"}, item(5)},
      {"roof modulus signed", "TANK", "ROOF STRUCTURE", {"4", "0", "5", "-3E7", "0.2", "1E-5"}, item(4)},
  };
  for (const auto& c : cases) {
    testing::SetJobGeometry(c.type, c.sub, 10, 10, 4, 0, 0);
    JobSpec = "J";
    std::vector<std::string> texts = {""};
    texts.insert(texts.end(), c.texts.begin(), c.texts.end());
    EXPECT_EQ(GeometryItemsProblem(texts), c.message) << c.name;
  }
  EXPECT_EQ(item(3), "INCORRECT DATA of Item  3!\r\n\r\nENTER NEW DATA.");

  // The texts are normalised; a roof without elements keeps "0".
  testing::SetJobGeometry("BEAM/STRIP", "BEAM", 10, 0, 0, 0, 0);
  std::vector<std::string> texts = {"", "007", "10", "3E7", "0.2", "1E-5"};
  EXPECT_EQ(GeometryItemsProblem(texts), "");
  EXPECT_EQ(texts[1], "7");
  testing::SetJobGeometry("TANK", "ROOF STRUCTURE", 4, 4, 4, 0, 0);
  texts = {"", "", "0", "5", "", "", ""};
  EXPECT_EQ(GeometryItemsProblem(texts), "");
  EXPECT_EQ(texts[1], "0");
}

// The dialog's OK on the file on disk.
void Accept(const std::vector<std::string>& items, const GeometryChoices& choices) {
  int stored = 0;
  TextLineArray lines = FileLines("J.geo", stored);
  std::vector<std::string> texts = {""};
  texts.insert(texts.end(), items.begin(), items.end());
  ASSERT_EQ(GeometryItemsProblem(texts), "");
  TextLineArray rebuilt;
  int count = 0;
  RebuildGeometryLines(lines, stored, texts, choices, rebuilt, count);
  ASSERT_TRUE(SaveTextLines("J.geo", rebuilt, count));
}

// A beam or strip of 10 elements whose rows are (i, 2i, 3i) (a strip's (i, 2i)), on disk.
void TenElements(bool strip) {
  testing::SetJobGeometry("BEAM/STRIP", strip ? "STRIP" : "BEAM", 10, 0, 0, 0, 0);
  JobSpec = "J";
  JobDataTable(1, 2) = 55;
  GeometryAnswers[kStripSlot] = strip ? "Y" : "N";
  WorkTables[1].Redim(10, 3);
  for (int r = 1; r <= 10; ++r) {
    WorkTables[1](r, 1) = static_cast<float>(r);
    WorkTables[1](r, 2) = 2.0f * r;
    WorkTables[1](r, 3) = strip ? 0.0f : 3.0f * r;
  }
  ASSERT_TRUE(SaveGeometryFile("J"));
}

// The element rows of the file on disk, read as a beam (three columns).
Table2D<float> Rows(int type, int substructure, int& n) {
  int count = 0;
  TextLineArray lines = FileLines("J.geo", count);
  int starts[4] = {0, 0, 0, 0};
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, std::string());
  ReadGeometrySections(lines, count, type, JobDataTable, GeometryAnswers, starts[1], starts[2], starts[3]);
  n = ElementCount(substructure);
  Table2D<float> t;
  t.Redim(n, 3);
  if (n > 0) ReadElementTable(lines, count, t, n, 3, starts[substructure], starts[substructure] + n - 1);
  return t;
}

TEST(GeometryRebuild, MoreElementsKeepTheRowsAndAddZeroRowsFewerWriteOnlyTheirs) {
  TestDirectory dir;
  TenElements(false);
  GeometryAnswers[kStripAnswerAtOpenSlot] = "N";
  Accept({"12", "55", "3E7", "0.2", "1E-5"}, {});
  int n = 0;
  Table2D<float> t = Rows(1, 1, n);
  ASSERT_EQ(n, 12);
  EXPECT_FLOAT_EQ(t(10, 1), 10);
  EXPECT_FLOAT_EQ(t(10, 3), 30);
  for (int r : {11, 12})
    for (int c = 1; c <= 3; ++c) EXPECT_FLOAT_EQ(t(r, c), 0) << r;

  TenElements(false);
  GeometryAnswers[kStripAnswerAtOpenSlot] = "N";
  Accept({"8", "55", "3E7", "0.2", "1E-5"}, {});
  int count = 0;
  TextLineArray lines = FileLines("J.geo", count);
  EXPECT_EQ(count, 6 + 8 + 2);
  t = Rows(1, 1, n);
  ASSERT_EQ(n, 8);
  EXPECT_FLOAT_EQ(t(8, 2), 16);
}

TEST(GeometryRebuild, StripToBeamMovesTheThicknessAndBack) {
  TestDirectory dir;
  TenElements(true);
  GeometryAnswers[kStripAnswerAtOpenSlot] = "Y";
  GeometryChoices beam;
  Accept({"10", "55", "3E7", "0.2", "1E-5"}, beam);
  EXPECT_EQ(Substructure, "BEAM");
  int n = 0;
  Table2D<float> t = Rows(1, 1, n);
  ASSERT_EQ(n, 10);
  EXPECT_EQ(GeometryAnswers[kStripSlot], "N");
  for (int r = 1; r <= 10; ++r) {
    EXPECT_FLOAT_EQ(t(r, 1), r);
    EXPECT_FLOAT_EQ(t(r, 2), 0);
    EXPECT_FLOAT_EQ(t(r, 3), 2.0f * r);
  }
  GeometryAnswers[kStripAnswerAtOpenSlot] = "N";
  GeometryChoices strip;
  strip.strip = true;
  Accept({"10", "55", "3E7", "0.2", "1E-5"}, strip);
  EXPECT_EQ(Substructure, "STRIP");
  t = Rows(1, 1, n);
  EXPECT_EQ(GeometryAnswers[kStripSlot], "Y");
  for (int r = 1; r <= 10; ++r) EXPECT_FLOAT_EQ(t(r, 2), 2.0f * r);
}

TEST(GeometryRebuild, ANewJobGetsZeroRows) {
  TestDirectory dir;
  testing::SetJobGeometry("BEAM/STRIP", "BEAM", 0, 0, 0, 0, 0);
  JobSpec = "J";
  GeometryAnswers.assign(8, std::string());
  Accept({"3", "6", "3E7", "0.2", "1E-5"}, {});
  int n = 0;
  Table2D<float> t = Rows(1, 1, n);
  EXPECT_EQ(n, 3);
  EXPECT_FLOAT_EQ(t(3, 3), 0);
  EXPECT_EQ(GeometryAnswers[kStripSlot], "N");
}

TEST(GeometryRebuild, ARoofOfNoElementsIsSavedAndTheOtherSubstructuresKept) {
  TestDirectory dir;
  testing::SetJobGeometry("TANK", "BASE PLATE", 4, 4, 3, 0, 0);
  JobSpec = "J";
  for (int s = 1; s <= 3; ++s) {
    WorkTables[s].Redim(4, 3);
    for (int r = 1; r <= 4; ++r) WorkTables[s](r, 1) = 1.5f, WorkTables[s](r, 2) = 0.25f;
  }
  ASSERT_TRUE(SaveGeometryFile("J"));
  Substructure = "ROOF STRUCTURE";
  GeometryAnswers[kShellRoofAtOpenSlot] = "N";
  Accept({"0", "", "", "", "", ""}, {});
  int n = 0;
  Table2D<float> t = Rows(3, 3, n);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(ElementCount(1), 4);
  EXPECT_EQ(ElementCount(2), 4);
  t = Rows(3, 2, n);
  ASSERT_EQ(n, 4);
  EXPECT_FLOAT_EQ(t(4, 1), 1.5f);
  EXPECT_FLOAT_EQ(t(4, 2), 0.25f);
}

TEST(GeometryRebuild, PlateRoofToShellMovesTheThicknessToColumnThree) {
  TestDirectory dir;
  testing::SetJobGeometry("TANK", "ROOF STRUCTURE", 4, 4, 2, 0, 0);
  JobSpec = "J";
  for (int s = 1; s <= 3; ++s) {
    WorkTables[s].Redim(4, 3);
    for (int r = 1; r <= 4; ++r) WorkTables[s](r, 1) = 1.5f, WorkTables[s](r, 2) = 0.25f;
  }
  ASSERT_TRUE(SaveGeometryFile("J"));
  GeometryAnswers[kShellRoofAtOpenSlot] = "N";
  GeometryChoices shell;
  shell.shell = shell.inPlane = true;
  Accept({"2", "0", "3", "3E7", "0.2", "1E-5"}, shell);
  int n = 0;
  Table2D<float> t = Rows(3, 3, n);
  ASSERT_EQ(n, 2);
  EXPECT_EQ(GeometryAnswers[kShellRoofSlot], "Y");
  EXPECT_FLOAT_EQ(t(2, 1), 1.5f);
  EXPECT_FLOAT_EQ(t(2, 2), 0);
  EXPECT_FLOAT_EQ(t(2, 3), 0.25f);
}

TEST(GeometryCells, ColumnsAndTexts) {
  testing::SetJobGeometry("BEAM/STRIP", "BEAM", 2, 0, 0, 0, 0);
  WorkTables[1].Redim(2, 3);
  WorkTables[1](1, 1) = 1.0f / 3;
  WorkTables[1](1, 2) = 123456.78125f;
  WorkTables[1](1, 3) = 1.5e-9f;
  EXPECT_EQ(FillGeometryCells(), 3);
  EXPECT_EQ(CellTexts(1, 1), " 1");
  EXPECT_EQ(CellTexts(2, 1), ".3333333");
  EXPECT_EQ(CellTexts(3, 1), "123456.8");
  EXPECT_EQ(CellTexts(4, 1), "1.5E-09");  // exponent form never cut
  EXPECT_EQ(CellTexts(2, 2), "0");
  Substructure = "STRIP";
  GeometryAnswers[kStripSlot] = "Y";
  EXPECT_EQ(FillGeometryCells(), 2);

  testing::SetJobGeometry("TANK", "ROOF STRUCTURE", 4, 4, 1, 0, 0);
  WorkTables[3].Redim(1, 3);
  WorkTables[3](1, 1) = 0.25f;
  WorkTables[3](1, 2) = 0.125f;
  WorkTables[3](1, 3) = 0.3f;
  EXPECT_EQ(FillGeometryCells(), 2);
  EXPECT_EQ(CellTexts(2, 1), ".25");
  GeometryAnswers[kShellRoofSlot] = "Y";
  EXPECT_EQ(FillGeometryCells(), 3);
  EXPECT_EQ(CellTexts(2, 1), "2.5000E-1");
  EXPECT_EQ(CellTexts(3, 1), "1.2500E-1");
  EXPECT_EQ(CellTexts(4, 1), ".3");
}

TEST(GeometryCells, GenerationLabels) {
  StructureType = "BEAM/STRIP";
  Substructure = "BEAM";
  EXPECT_EQ(GeometryColumnLabel(3), " Element Depth h[m]=");
  Substructure = "STRIP";
  EXPECT_EQ(GeometryColumnLabel(2), " Element Thickness t[m]=");
  StructureType = "TANK";
  Substructure = "ROOF STRUCTURE";
  GeometryAnswers.assign(8, "N");
  GeometryAnswers[kShellRoofSlot] = "Y";
  EXPECT_EQ(GeometryColumnLabel(1), " Element Width x-Comp. x[m]=");
  GeometryAnswers[kShellRoofSlot] = "N";
  EXPECT_EQ(GeometryColumnLabel(1), " Element Width B[m]=");
}

TEST(GenerationFields, RulesByTable) {
  const struct {
    const char* word;
    bool shell;
    const char* allowed;
    int kind;
  } cases[] = {{"GEOMETRY", false, "+.0123456789Ee", 2}, {"GEOMETRY", true, "+-.0123456789Ee", 7},
               {"ELASTIC", false, "+-.0123456789Ee", 3}, {"WINKLER", false, "+-.0123456789Ee", 3},
               {"UNYIELD", false, "+-.0123456789Ee", 7}};
  for (const auto& c : cases) {
    std::string allowed;
    int kind = 0;
    GenerationFieldRule(c.word, c.shell, allowed, kind);
    EXPECT_EQ(allowed, c.allowed) << c.word;
    EXPECT_EQ(kind, c.kind) << c.word;
  }
}

TEST(GenerationFields, Ranges) {
  const struct {
    std::vector<std::string> fields;
    bool shell;
    bool valid;
  } cases[] = {
      {{"", "1", "10", "9", "1"}, false, true},   {{"", "1", "10", "10", "1"}, false, false},
      {{"", "5", "5", "1", "1"}, false, false},   {{"", "0", "10", "1", "1"}, false, false},
      {{"", "1", "10", "0", "1"}, false, false},  {{"", "1", "11", "1", "1"}, false, false},
      {{"", "1", "10", "1", "-1"}, true, false},  {{"", "1", "10", "1", "-1"}, false, true},
      {{"", "2.6", "9", "3"}, false, true},
  };
  for (const auto& c : cases) EXPECT_EQ(GenerationFieldsValid(c.fields, 10, c.shell), c.valid) << c.fields[1];
  EXPECT_STREQ(kGenerationRangeMessage, "Incorrect Unyielding Support Data!\r\n\r\n        Correct the Data!         ");
}

TEST(GenerationFields, UniformRoofWidth) {
  testing::SetJobGeometry("TANK", "ROOF STRUCTURE", 4, 4, 8, 0, 2);
  JobDataTable(3, 3) = 6;
  std::vector<std::string> fields;
  UniformRoofWidthFields(fields);
  EXPECT_EQ(fields, (std::vector<std::string>{"", "1", "8", "1", "5.0000E-1"}));
}

TEST(TankChoice, OptionsByMode) {
  const struct {
    int mode;
    double nr, inner, outer;
    int count;
  } cases[] = {
      {1, 0, 0, 0, 3},     {2, 0, 0, 5, 2},      {3, 0, 0, 5, 2},       {4, 0, 0, 5, 2},
      {2, 4, 0, 5, 3},     {3, 4, 0, 5, 3},      {4, 4, 0, 5, 3},
      {2, 4, 5, 5.005, 2}, {3, 4, 5, 5.005, 3},  {4, 4, 5, 5.005, 2},   {2, 4, 5, 5.02, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TankOptionCount(c.mode, c.nr, c.inner, c.outer), c.count) << c.mode << " " << c.nr << " " << c.outer;
}

TEST(TankChoice, NextOption) {
  EXPECT_EQ(NextTankOption(1, 3), 2);
  EXPECT_EQ(NextTankOption(2, 3), 3);
  EXPECT_EQ(NextTankOption(3, 3), 1);
  EXPECT_EQ(NextTankOption(1, 2), 2);
  EXPECT_EQ(NextTankOption(2, 2), 1);  // no roof offered: back to the base plate
  EXPECT_EQ(TankSubstructureName(1), "BASE PLATE");
  EXPECT_EQ(TankSubstructureName(2), "WALL");
  EXPECT_EQ(TankSubstructureName(3), "ROOF STRUCTURE");
}

}  // namespace
}  // namespace corvane
