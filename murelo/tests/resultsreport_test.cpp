// The results report's layout and number rules, on made-up results of a small wall.
#include "murelo/core/resultsreport.h"

#include <gtest/gtest.h>

#include "testsupport.h"

namespace murelo {
namespace {

using ReportTest = testing::WallTest;

// Two elements of 1.5 m: node 2 gets two rows when its forces differ.
struct Results {
  EndForceTable forces;
  Table2D<double> displacements;
  Vector pressures{0, 10, 20, 30}, widths{0, 1.5, 1.5};
  Results() {
    forces.Resize(2);
    displacements.Redim(3, 3);
  }
};

std::string Plate(const Results& r, int kind, double total, int& count, TextLineArray& lines) {
  lines = SubstructureResultLines(kind, r.forces, r.displacements, r.pressures, total, r.widths, 3,
                                  "Job: W //  Load Case: 'A'", "BASE PLATE");
  count = static_cast<int>(lines.size()) - 1;
  return lines[1];
}

TEST_F(ReportTest, LayoutOfBothSections) {
  Results r;
  r.forces(1, 1) = r.forces(1, 3) = r.forces(2, 1) = r.forces(2, 3) = 7.5;
  r.displacements(2, 1) = 1.0E-3;
  ASSERT_TRUE(WriteSubstructureResults(2, r.forces, r.displacements, r.pressures, 60, r.widths, 3, "W.RBA",
                                       "Job: W //  Load Case: 'A'", "BASE PLATE"));
  ASSERT_TRUE(WriteSubstructureResults(0, r.forces, r.displacements, Vector(), 0, r.widths, 3, "W.RBA",
                                       "Job: W //  Load Case: 'A'", "WALL STEM"));
  testing::Report rep = testing::ReadReport("W.RBA");
  const TextLineArray& l = rep.lines;
  EXPECT_EQ(l[1], std::string(57, ' ') + "DATE:   03-07-2025");
  EXPECT_EQ(l[3], "Job: W //  Load Case: 'A'");
  EXPECT_EQ(l[5], "--** R E S U L T S  OF  A N A L Y S I S **--");
  EXPECT_EQ(rep.plate.nameLine, 7);
  EXPECT_EQ(l[8], "^^^^^^^^^^");
  EXPECT_EQ(l[11], "   Toe [m]         [kN/m]          [kN/m]         [kN.m/m]");
  EXPECT_EQ(l[12], "    0.000            7.50             .00             .00  ");
  ASSERT_EQ(rep.plate.forces.size(), 3u);  // the same values at node 2: one row
  EXPECT_EQ(l[rep.plate.forceEnd], "");
  EXPECT_EQ(l[rep.plate.firstDisplacement - 3],
            "                    ----- D I S P L A C E M E N T S -----            Contact Pressure");
  EXPECT_EQ(l[rep.plate.firstDisplacement - 1],
            "  Left [m]         [rad]            [mm]            [mm]             [kPa] ");
  ASSERT_EQ(rep.plate.displacements.size(), 3u);
  EXPECT_EQ(rep.plate.displacements[1].distance, 1.5);
  EXPECT_EQ(rep.plate.displacements[1].rotation, 1.0E-3);
  EXPECT_EQ(rep.plate.displacements[2].pressure, 30);
  EXPECT_EQ(rep.plate.total, 60);

  const int stem = rep.stem.nameLine;
  ASSERT_GT(stem, rep.plate.firstDisplacement);
  EXPECT_EQ(l[stem - 2], "");
  EXPECT_EQ(l[stem - 1], std::string(75, '*'));
  EXPECT_EQ(l[stem + 1], "^^^^^^^^^");
  EXPECT_EQ(l[stem + 4], "  Base [m]         [kN/m]          [kN/m]         [kN.m/m]");
  ASSERT_EQ(rep.stem.forces.size(), 3u);
  EXPECT_EQ(l[rep.stem.firstDisplacement - 3], "               -- D I S P L A C E M E N T S --");
  EXPECT_EQ(l[rep.stem.firstDisplacement - 1], "  Left [m]         [rad]            [mm] ");
  EXPECT_TRUE(std::isnan(rep.stem.displacements.at(0).pressure));
  EXPECT_EQ(l[rep.count], "         - Horizontal Translation is POSITIVE if TOWARD TOE");
  EXPECT_EQ(l[rep.count - 1], "         - Angle of Rotation is POSITIVE when CLOCKWISE");
}

TEST_F(ReportTest, NumberRulesOfTheTables) {
  struct Case {
    double value;
    const char* force;  // the shear field as printed
  };
  for (const Case& c :
       {Case{10000, "       1.0000E+4"}, Case{0.1, "           .10  "}, Case{9999.994, "       9999.99  "},
        Case{-0.05, "      -5.0000E-2"}, Case{-4E-10, "           .00  "}, Case{0, "           .00  "},
        Case{1.0E-9, "       1.0000E-9"}, Case{-12.345, "        -12.35  "}}) {
    Results r;
    r.forces(1, 1) = c.value;
    r.forces(2, 1) = c.value;
    TextLineArray lines;
    int count = 0;
    Plate(r, 0, 0, count, lines);
    EXPECT_EQ(lines[12].substr(11, std::string(c.force).size()), c.force) << c.value;
  }
  // A field widens rather than cutting; a negative zero never shows its sign.
  Results r;
  r.forces(1, 2) = -2.0E-15;  // below 1.0E-9: 0
  r.forces(1, 5) = 1.0E-12;
  r.forces(1, 1) = 2.5E-5;
  r.displacements(1, 1) = -5.0E-7;
  r.displacements(1, 2) = 12.5;  // 12500 mm
  TextLineArray lines;
  int count = 0;
  Plate(r, 1, 1.0E-10, count, lines);
  EXPECT_EQ(lines[12], "    0.000         2.5000E-5           .00             .00  ");
  EXPECT_EQ(lines[13].substr(0, 27), "    1.500             .00  ");
  int first = 0;
  FindTextLine(lines, count, "Left [m]         [rad]            [mm]            [mm]             [kPa]", first);
  ASSERT_GT(first, 0);
  EXPECT_EQ(lines[first + 1], "    0.000           0.00         1.2500E+4          0.00             10.00");
  FindTextLine(lines, count, "TOTAL REACTION FROM ELASTIC FOUNDATION:  0.000 [kN]", first);
  EXPECT_GT(first, 0);
}

TEST_F(ReportTest, TwoRowsAtANodeOnlyWhenThePrintedValuesDiffer) {
  struct Case {
    double left, right;  // moment at node 2 from element 1's end and element 2's start
    size_t rows;
  };
  for (const Case& c : {Case{15, -15, 4}, Case{100.00, 100.09, 3}, Case{100.00, 100.11, 4}, Case{1E-10, 0, 3}}) {
    Results r;
    r.forces(1, 4) = -c.left;
    r.forces(2, 2) = c.right;
    TextLineArray lines;
    int count = 0;
    Plate(r, 0, 0, count, lines);
    int rows = 0;
    for (int i = 12; i <= count && !Trim(lines[i]).empty(); ++i) ++rows;
    EXPECT_EQ(static_cast<size_t>(rows), c.rows) << c.left << " / " << c.right;
    if (c.rows == 3) {
      EXPECT_EQ(ParseNumber(lines[13].substr(43)), ParseNumber(FormatNumber(c.right, "0.00")));  // the next element's
    }
  }
}

}  // namespace
}  // namespace murelo
