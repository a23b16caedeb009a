// The shared rules of table cells: generation ranges and cell texts.
#include <gtest/gtest.h>

#include "core/tableentry.h"

namespace {

TEST(GenerationRange, Cases) {
  struct Case { int start, end, step, rows; bool valid; };
  const Case cases[] = {
      {1, 1, 1, 10, false},  // start must be below the end
      {1, 5, 4, 10, true},
      {1, 5, 5, 10, false},  // step beyond end - start
      {0, 5, 1, 10, false},  // start 0
      {1, 5, 0, 10, false},  // step 0 would never end
      {1, 11, 1, 10, false},  // end past the table
      {1, 10, 1, 10, true},
      {1, 10, 9, 10, true},   // the step may reach the end exactly
      {1, 10, 10, 10, false},
      {5, 5, 1, 10, false},
      {1, 5, -1, 10, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GenerationRangeValid(c.start, c.end, c.step, c.rows), c.valid)
        << c.start << " " << c.end << " " << c.step << " " << c.rows;
}

TEST(CellTextRules, CutAndValues) {
  EXPECT_EQ(CutCellText("1.234568E-03"), "1.234568E-03");  // cutting would change the number
  EXPECT_EQ(CutCellText("123456.78912345"), "123456.7891");
  EXPECT_EQ(CutCellText("2.5"), "2.5");
  EXPECT_EQ(TableCellText(0), "0");
  EXPECT_EQ(TableCellText(1234.5), "1234.5");
  EXPECT_EQ(TableCellText(1.0 / 3), ".3333333");
}

TEST(GeneratedValues, PowerFunctionAtElementEnds) {
  const std::vector<double> lengths = {0, 1, 2, 0.5};
  auto ends = ElementEndValues(lengths, 2, 4, 1.0, [](double z) { return PowerFunction(10, 2, z, 2); });
  ASSERT_EQ(ends.size(), 2u);
  EXPECT_DOUBLE_EQ(ends[0].first, 12);    // z = 1
  EXPECT_DOUBLE_EQ(ends[0].second, 28);   // z = 3
  EXPECT_DOUBLE_EQ(ends[1].second, 34.5); // z = 3.5
  EXPECT_TRUE(ElementEndValues(lengths, 3, 9, 0, [](double) { return 1.0; }).size() == 1u);  // stops at the last element
  EXPECT_DOUBLE_EQ(PowerFunction(1, 1, 0, 0), 2);  // 0^0 = 1
  EXPECT_EQ(GeneratedCellText(1234.56789), "1234.568");
  EXPECT_EQ(GeneratedCellText(0.000001), ".000");
}

// One value of a paired table (an element's value at its nodes i and j) sets both columns of
// the pair whichever of them it is given for; other tables take it into its own column.
TEST(ColumnsSetTogether, BothEndsOfAPairOrTheColumnAlone) {
  const struct {
    int column;
    bool paired;
    std::vector<int> columns;
  } cases[] = {{1, true, {1, 2}}, {2, true, {1, 2}}, {3, true, {3, 4}}, {4, true, {3, 4}},
               {1, false, {1}},   {2, false, {2}},   {3, false, {3}}};
  for (const auto& c : cases) EXPECT_EQ(ColumnsSetTogether(c.column, c.paired), c.columns) << c.column << c.paired;
}

}  // namespace
