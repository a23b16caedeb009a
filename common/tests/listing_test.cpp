// Listing rows of the job files: number fields joined so that a value too wide for its mask still
// reads back as itself.
#include <gtest/gtest.h>

#include "core/jobdata.h"
#include "core/listing.h"
#include "core/numbers.h"

namespace {

TEST(Listing, AValueTooWideForItsMaskKeepsABlankBeforeIt) {
  Table2D<double> t;
  t.Redim(2, 2);
  t(1, 0) = 1, t(1, 1) = 12.5, t(1, 2) = -3;
  t(2, 0) = 2, t(2, 1) = 1.0E18, t(2, 2) = 123456;
  EXPECT_EQ(TableRowText(t, 1, "* ####", {"* ######.00", "* ####.00"}), "     1      12.50    -3.00");
  const std::string wide = TableRowText(t, 2, "* ####", {"* ######.00", "* ####.00"});
  EXPECT_EQ(wide, "     2 1000000000000000000.00 123456.00");
  std::vector<std::string> fields = SplitFields(wide);
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(ParseNumber(fields[1]), 1.0E18);
  EXPECT_EQ(ParseNumber(fields[2]), 123456);
  EXPECT_EQ(JoinFields({"  1", "2.5", "", " 3"}), "  1 2.5 3");
}

}  // namespace
