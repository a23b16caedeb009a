#include <gtest/gtest.h>

#include "trabix/core/resultsreport.h"

namespace trabix {
namespace {

TEST(FitField, RightAlignsAndNeverCutsANumber) {
  const struct {
    const char* text;
    size_t width;
    const char* expected;
  } cases[] = {
      {"5.00", 8, "    5.00"},
      {"12345678.00", 11, "12345678.00"},
      {"123456789.00", 11, "123456789.00"},                // wider than the field: the field widens
      {"   1.0000E-4       ", 14, "   1.0000E-4  "},         // padding blanks give way first
      {"   1.0000E-100       ", 14, "   1.0000E-100"},
      {"  -1.2345E+123456       ", 14, "  -1.2345E+123456"},
  };
  for (const auto& c : cases) EXPECT_EQ(FitField(c.text, c.width), c.expected) << c.text;
}

struct TwoNodeBeam {
  Vector u = Vector(5, 0.0), pressures;
  Vector x = {0, 0.0, 2.0};
  EndForceTable forces;
  SoilEndForces soil;
  TwoNodeBeam() {
    forces.Resize(1);
    soil.Resize(1);
  }
  TextLineArray Lines(int kind = NoSoil, bool strip = false) {
    int count = 0;
    return ResultsReportLines(kind, u, pressures, 2, x, forces, soil, strip, "Job: T //  Load Case: 'A'", count);
  }
};

TEST(ResultsReport, FixedOrExponentByMagnitude) {
  TwoNodeBeam beam;
  beam.forces(1, 1) = -0.1;     // right shear of node 1: exactly 0.1, fixed
  beam.forces(1, 2) = 10000;    // exactly 10000, fixed
  beam.forces(1, 3) = 10000.5;  // above 10000: exponent
  beam.forces(1, 4) = -2e-5;    // between 1E-5 and 0.1: exponent
  TextLineArray lines = beam.Lines();
  EXPECT_EQ(lines[12], "     0.000 " + std::string(16, ' ') + "            0.10" + std::string(16, ' ') + "        10000.00");
  EXPECT_EQ(lines[13], "     2.000 " + std::string("       1.0000E+4") + std::string(16, ' ') + "       2.0000E-5" +
                           std::string(16, ' '));
}

TEST(ResultsReport, TinyValuesPrintAsPlainZeros) {
  TwoNodeBeam beam;
  beam.forces(1, 1) = 5e-8;    // below 1E-7: 0
  beam.forces(1, 2) = -3e-6;   // prints as 0 by its mask: no "-0"
  beam.forces(1, 3) = -0.0;
  beam.forces(1, 4) = 4e-6;
  beam.u[1] = -4e-10;          // below 1E-9 m: 0
  beam.u[2] = -5e-11;          // slope at most 1E-10: 0
  beam.u[3] = 2e-5;            // 0.02 mm: exponent
  beam.u[4] = -1e-3;
  TextLineArray lines = beam.Lines();
  for (int i = 12; i <= 13; ++i) EXPECT_EQ(lines[i].find('-'), std::string::npos) << lines[i];
  EXPECT_EQ(lines[12], "     0.000 " + std::string(16, ' ') + "            0.00" + std::string(16, ' ') + "            0.00");
  EXPECT_EQ(lines[21], "     0.000       " + std::string("            0.000       ") + "   .0000E+0   ");
  EXPECT_EQ(lines[22], "     2.000       " + std::string("        2.0000E-2       ") + "  -1.0000E-3  ");
}

TEST(ResultsReport, StripRowsAndWinklerPressureRows) {
  TwoNodeBeam strip;
  strip.x = {0, 0.0, 1.0, 2.0};
  strip.u.assign(7, 0.001);
  strip.forces.Resize(2);
  strip.soil.Resize(2);
  strip.forces(1, 5) = 3.0;   // length moment at node 1
  strip.forces(2, 6) = -4.0;  // at node 3 (left): printed negated
  strip.soil.atJ[1] = 1.5;    // soil share of the left shear of node 2
  strip.forces(1, 3) = 2.0;
  // Winkler pressures: node 1; node 2 left 10, right 30; node 3; the total at 2n.
  strip.pressures = {0, 10.0, 10.0, 30.0, 30.0, 0, 123.4};
  int count = 0;
  TextLineArray lines = ResultsReportLines(WinklerSoil, strip.u, strip.pressures, 3, strip.x, strip.forces,
                                           strip.soil, true, "Job: T //  Load Case: 'A'", count);
  EXPECT_EQ(lines[7], "STRIP");
  EXPECT_EQ(lines[8], "^^^^^");
  EXPECT_EQ(lines[12], "    0.000" + std::string(11, ' ') + "        .00" + std::string(11, ' ') + "        .00" +
                           std::string(11, ' ') + "       3.00");
  EXPECT_EQ(lines[13].substr(0, 20), "    1.000       3.50");
  EXPECT_EQ(lines[14], "    2.000" + std::string("        .00") + std::string(11, ' ') + "        .00" +
                           std::string(11, ' ') + "       4.00" + std::string(11, ' '));
  // Displacement rows: node 2 twice, its left and its right pressure.
  int first = 0;
  for (int i = 1; i <= count; ++i)
    if (lines[i] == std::string(75, '-')) first = i + 5;
  ASSERT_GT(first, 0);
  EXPECT_EQ(lines[first + 1].substr(0, 9), lines[first + 2].substr(0, 9));
  EXPECT_NE(lines[first + 1].find("10.000"), std::string::npos);
  EXPECT_NE(lines[first + 2].find("30.000"), std::string::npos);
  EXPECT_EQ(lines[first + 4], "ESTIMATE OF TOTAL REACTION FROM ELASTIC FOUNDATION: 123.400  [kN]");
}

TEST(ResultsReport, DateFromTheClock) {
  SetReportClock([] {
    std::tm t{};
    t.tm_year = 99;
    t.tm_mon = 11;
    t.tm_mday = 31;
    return t;
  });
  EXPECT_EQ(ReportDateText(), "12-31-1999");
  TwoNodeBeam beam;
  EXPECT_EQ(beam.Lines()[1], std::string(57, ' ') + "DATE:   12-31-1999");
  SetReportClock(nullptr);
  EXPECT_EQ(ReportDateText().size(), 10u);
}

}  // namespace
}  // namespace trabix
