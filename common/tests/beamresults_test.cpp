// The tables of a beam or strip results report read back: the force table's end rows moved into
// place, the end search's first line, the displacement table after the dash line, cut files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/beamresults.h"

namespace {

// A report whose lines 1.. are given (index 0 unused).
TextLineArray Report(const std::vector<std::string>& body) {
  TextLineArray lines(1);
  lines.insert(lines.end(), body.begin(), body.end());
  return lines;
}

// Lines 1..11 are headings; the rows follow from line 12.
std::vector<std::string> Headings() {
  std::vector<std::string> h(11, "heading");
  h[6] = "";  // a blank heading line is not a table end
  return h;
}

std::vector<float> Row(const ResultRows& t, int r, int columns) {
  std::vector<float> v;
  for (int c = 0; c <= columns; ++c) v.push_back(t.Get(r, c));
  return v;
}

TEST(BeamResults, TheForceTablesEndRowsCarryTheirOneElementsValues) {
  std::vector<std::string> body = Headings();
  body.insert(body.end(), {"   0.000    50.00      0.00", "   5.000    50.00    -50.00    125.00    125.00",
                           "  10.000   -50.00      0.00", "", "   0.5  not read"});
  TextLineArray lines = Report(body);
  ResultRows t;
  int count = static_cast<int>(lines.size()) - 1;
  ASSERT_EQ(ParseBeamResultsTable(lines, count, ForceTable, false, 14, t), 3);
  EXPECT_EQ(Row(t, 1, 4), (std::vector<float>{0, 0, 50, 0, 0}));
  EXPECT_EQ(Row(t, 2, 4), (std::vector<float>{5, 50, -50, 125, 125}));
  EXPECT_EQ(Row(t, 3, 4), (std::vector<float>{10, -50, 0, 0, 0}));
  // A strip's end rows: shear, width moment and length moment of their one element.
  body = Headings();
  body.insert(body.end(), {"0 1 2 3", "1 4 5 6 7 8 9", "2 10 11 12", ""});
  lines = Report(body);
  count = static_cast<int>(lines.size()) - 1;
  ASSERT_EQ(ParseBeamResultsTable(lines, count, ForceTable, true, 14, t), 3);
  EXPECT_EQ(Row(t, 1, 6), (std::vector<float>{0, 0, 1, 0, 2, 0, 3}));
  EXPECT_EQ(Row(t, 3, 6), (std::vector<float>{2, 10, 0, 11, 0, 12, 0}));
}

// Line 13 reading as 0 ends Trabix's force table; Corvane's search starts on line 14.
TEST(BeamResults, TheEndSearchStartsOnTheGivenLine) {
  std::vector<std::string> body = Headings();
  body.insert(body.end(), {"0 1 2", "0.0 3 4 5 6", "2 7 8", ""});
  TextLineArray lines = Report(body);
  int count = static_cast<int>(lines.size()) - 1;
  ResultRows t;
  EXPECT_EQ(ParseBeamResultsTable(lines, count, ForceTable, false, 13, t), 1);
  EXPECT_EQ(ParseBeamResultsTable(lines, count, ForceTable, false, 14, t), 3);
}

TEST(BeamResults, TheDisplacementTableFollowsTheFirstDashLineAfterTheForces) {
  std::vector<std::string> body = Headings();
  body.insert(body.end(), {"0 1 2", "1 3 4 5 6", "2 7 8", "", "Maximum: 3", "-----", "h", "h", "h", "h",
                           "0 -1.5 0.01 20", "1 -2.5 0.02 30", "2 -1.5 -0.01 25", "", "-----", "9 9 9"});
  TextLineArray lines = Report(body);
  int count = static_cast<int>(lines.size()) - 1;
  ResultRows t;
  // Its first row begins with 0: the end search starts below it.
  ASSERT_EQ(ParseBeamResultsTable(lines, count, DisplacementTable, false, 14, t), 3);
  EXPECT_EQ(Row(t, 1, 3), (std::vector<float>{0, -1.5f, 0.01f, 20}));
  EXPECT_EQ(Row(t, 3, 3), (std::vector<float>{2, -1.5f, -0.01f, 25}));
  EXPECT_EQ(t.Get(4, 0), 0.0f);  // nothing past the table
  EXPECT_EQ(FirstDashLine(lines, 1, count), 17);
  EXPECT_EQ(FirstDashLine(lines, 27, count), count + 1);
}

TEST(BeamResults, ACutOrEmptyReportHasNoTable) {
  ResultRows t;
  TextLineArray none(1);
  EXPECT_EQ(ParseBeamResultsTable(none, 0, ForceTable, false, 14, t), 0);
  std::vector<std::string> body = Headings();
  body.insert(body.end(), {"0 1 2", "1 3 4 5 6", "2 7 8", "", "Maximum: 3"});
  TextLineArray lines = Report(body);
  int count = static_cast<int>(lines.size()) - 1;
  // Cut before the dash line: forces, but no displacements.
  EXPECT_EQ(ParseBeamResultsTable(lines, count, ForceTable, false, 14, t), 3);
  EXPECT_EQ(ParseBeamResultsTable(lines, count, DisplacementTable, false, 14, t), 0);
  // Cut after the headings (a count beyond the array is cut to it); a table that is no table.
  lines = Report(Headings());
  EXPECT_EQ(ParseBeamResultsTable(lines, 500, ForceTable, false, 13, t), 0);
  lines = Report(body);
  EXPECT_EQ(ParseBeamResultsTable(lines, count, 3, false, 13, t), 0);
}

}  // namespace
