#include <gtest/gtest.h>

#include "core/globals.h"
#include "win/dialogdata.h"

namespace {

TEST(RowLabelText, BuildsFixedWidthRowsFromTheCellTexts) {
  CellTexts.Redim(4, 3);
  SharedIntegers.Redim(8, 5);
  SharedIntegers(kRowLabelWidth1Slot) = 4;
  SharedIntegers(kRowLabelWidth2Slot) = 14;
  SharedIntegers(kRowLabelWidth3Slot) = 6;
  SharedIntegers(kRowLabelWidth4Slot) = 3;
  CellTexts(1, 2) = "12";
  CellTexts(2, 2) = "CONCENTRATED LOAD";  // cut to 11 first
  CellTexts(3, 2) = "1.5";
  CellTexts(4, 2) = "YES";
  CellTexts(1, 3) = "123456";  // wider than its column: cut
  CellTexts(2, 3) = "P";
  LoadCaseNames.assign(2, "");  // too short: grows
  RowLabelText(2, 3, 4);
  ASSERT_GE(LoadCaseNames.size(), 4u);
  EXPECT_EQ(LoadCaseNames[2], "12  CONCENTRATE   1.5   YES");
  EXPECT_EQ(LoadCaseNames[3], "1234P" + std::string(13 + 6 + 3, ' '));
  RowLabelText(2, 2, 2);
  EXPECT_EQ(LoadCaseNames[2], "12  CONCENTRATE   ");
}

struct LengthCase {
  const char* type;
  const char* sub;
  float expected;
};

TEST(StructureLength, TakesTheDimensionOfEachStructureAndSubstructure) {
  JobDataTable.Redim(8, 6);
  JobDataTable(1, 2) = 10.0;  // beam length / plate inner radius / base plate radius
  JobDataTable(1, 3) = 12.5;
  JobDataTable(2, 3) = 8.0;  // wall height
  JobDataTable(3, 2) = 1.0;
  JobDataTable(3, 3) = 7.25;
  const LengthCase cases[] = {
      {"BEAM/STRIP", "BEAM", 10.0f},      {"PLATE", "PLATE", 2.5f},  {"TANK", "BASE PLATE", 10.0f},
      {"TANK", "WALL", 8.0f},             {"TANK", "ROOF STRUCTURE", 6.25f},
      {"TANK", "OTHER", -1.0f},  // unchanged
      {"", "", -1.0f},
  };
  for (const auto& c : cases) {
    StructureType = c.type;
    Substructure = c.sub;
    float length = -1.0f;
    StructureLength(length);
    EXPECT_FLOAT_EQ(length, c.expected) << c.type << " " << c.sub;
  }
  StructureType.clear();
  Substructure.clear();
}

}  // namespace
