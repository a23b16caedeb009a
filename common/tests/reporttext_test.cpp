#include <gtest/gtest.h>

#include "core/reporttext.h"

namespace {

// What follows a report's last table: its totals and remarks, without rules and without the
// empty lines around them; an empty line between them stays.
TEST(ClosingLines, TotalsAndRemarksWithoutRulesOrTheEmptyLinesAround) {
  const TextLineArray lines = {"",
                               "   5.000      -12.5000     0.0000E+0",  // 1: the table's last row
                               "",                                      // 2: ends the table
                               "ESTIMATE OF TOTAL REACTION FROM ELASTIC FOUNDATION:     100.000 [kN]",
                               "",
                               "**REMARKS:",
                               "         - Vertical Translation is POSITIVE if DOWNWARD",
                               "",
                               "--------------------- END OF RESULTS ---------------------",
                               ""};
  const int count = static_cast<int>(lines.size()) - 1;
  EXPECT_EQ(ClosingLines(lines, 2, count), (std::vector<int>{3, 4, 5, 6}));
  EXPECT_EQ(ClosingLines(lines, 3, 5), (std::vector<int>{3, 4, 5}));
  // A table that ends with the file, or a count past the lines held, gives what there is.
  EXPECT_TRUE(ClosingLines(lines, count + 1, count).empty());
  EXPECT_EQ(ClosingLines(lines, 7, 50), (std::vector<int>{}));
  EXPECT_EQ(ClosingLines(lines, 6, 50), (std::vector<int>{6}));
}

}  // namespace
