#include "palvore/core/resultsreport.h"

#include <gtest/gtest.h>

#include "core/jobdata.h"
#include "core/numbers.h"

namespace palvore {
namespace {

// A pile of two elements (three nodes) with given end forces, translations and pressures.
struct Case {
  int kind = NoSoil;
  int above = 0;
  Vector u = Vector(7, 0.0), p = Vector(7, 0.0), depth = {0, 0, 1, 2};
  EndForceTable f;
  SoilEndForces s;
  Case() {
    f.Resize(2);
    s.Resize(2);
  }
  TextLineArray Lines(bool sheet = false) {
    int count = 0;
    return ResultsReportLines(kind, u, p, 4, depth, f, s, sheet, above, "Job: T //  Load Case: 'A'", count);
  }
};

// A 16-character cell: the number right-aligned before its trailing blanks.
std::string CellOf(const std::string& number, int trailing) {
  return std::string(16 - number.size() - trailing, ' ') + number + std::string(trailing, ' ');
}

TEST(ResultsReport, ForceCellsChooseTheirForm) {
  const struct {
    double value;
    std::string cell;
  } cases[] = {
      {10000.0, CellOf("10000.00", 2)},  // fixed up to 10000
      {10001.0, CellOf("1.0001E+4", 1)},
      {-12345.0, CellOf("-1.2345E+4", 1)},
      {0.000005, CellOf(".00", 2)},  // rounds away in the fixed form
      {0.05, CellOf("5.0000E-2", 1)},
      {-0.00000001, CellOf(".00", 2)},  // below 1E-7: a clean zero, never "-.00"
      {-3.25, CellOf("-3.25", 2)},
  };
  for (const auto& c : cases) {
    Case t;
    t.f(1, 2) = c.value;  // moment below node 1
    EXPECT_EQ(t.Lines()[10].substr(11 + 48), c.cell) << c.value;
  }
}

// Three nodes: force rows on lines 10..12, the displacement rows from line 20 on.
TEST(ResultsReport, NoSoilHasNoPressureColumnNorTotal) {
  Case t;
  t.u = {0, 0.001, 1.0E-10, 0.0005, -2.0E-3, 1.0E-12, 0};
  TextLineArray lines = t.Lines();
  EXPECT_EQ(lines[17], "                        D I S P L A C E M E N T S ");
  EXPECT_EQ(SplitFields(lines[20]), (std::vector<std::string>{".000", "1.000", ".000"}));
  EXPECT_EQ(SplitFields(lines[21]), (std::vector<std::string>{"1.000", ".500", "-2.000E-3"}));
  EXPECT_EQ(SplitFields(lines[22]), (std::vector<std::string>{"2.000", ".000", ".000"}));
  EXPECT_EQ(lines[23], "");
  EXPECT_EQ(lines[24], "**REMARKS:");
  EXPECT_EQ(lines.size(), 28u);
}

TEST(ResultsReport, WinklerPressureJumpGivesTwoRows) {
  for (double right : {50.0, 50.04, 51.0}) {
    Case t;
    t.kind = WinklerSoil;
    t.p = {0, 40, 50, right, 60, 0, 123.456};  // node 1, node 2 above and below, node 3; total at 2 nN
    TextLineArray lines = t.Lines();
    const bool jump = right == 51.0;  // more than 0.1 % apart
    ASSERT_EQ(lines.size(), jump ? 31u : 30u) << right;
    EXPECT_EQ(lines[17], "                              DISPLACEMENTS               PILE - SOIL");
    EXPECT_EQ(SplitFields(lines[20]).at(3), "40.000");
    EXPECT_EQ(SplitFields(lines[21]).at(3), "50.000");
    if (jump) {
      EXPECT_EQ(SplitFields(lines[22]).at(3), "51.000");
    }
    EXPECT_EQ(SplitFields(lines[jump ? 23 : 22]).at(3), "60.000");
    EXPECT_EQ(lines[jump ? 25 : 24], "ESTIMATE OF TOTAL SOIL-PILE INTERACTION FORCE: 123.456 [kN]");
  }
}

TEST(ResultsReport, TheSheetPilesTotalSoilForceIsPerMetre) {
  for (int kind : {WinklerSoil, HalfSpaceSoil}) {
    Case t;
    t.kind = kind;
    t.p = {0, 40, 50, 60, 75, 0, 0};
    t.p[kind == HalfSpaceSoil ? 4 : 6] = 75;  // the total: after the nodes, or at 2 nN
    for (bool sheet : {false, true}) {
      std::string total;
      for (const std::string& line : t.Lines(sheet))
        if (line.rfind("ESTIMATE OF TOTAL", 0) == 0) total = line;
      EXPECT_EQ(total, std::string("ESTIMATE OF TOTAL SOIL-PILE INTERACTION FORCE: 75.000 ") + (sheet ? "[kN/m]" : "[kN]"))
          << kind;
    }
  }
}

TEST(ResultsReport, HalfSpaceStartsFromZeroWhereThePileEntersTheSoil) {
  Case t;
  t.kind = HalfSpaceSoil;
  t.above = 1;
  t.p = {0, 0, 30, 45, 75, 0, 0};  // nodes 1..3, the total at nN + 1
  TextLineArray lines = t.Lines();
  EXPECT_EQ(SplitFields(lines[20]).at(3), ".000");
  EXPECT_EQ(SplitFields(lines[21]).at(3), ".000");
  EXPECT_EQ(SplitFields(lines[22]).at(3), "30.000");
  EXPECT_EQ(SplitFields(lines[23]).at(3), "45.000");
  EXPECT_EQ(lines[25], "ESTIMATE OF TOTAL SOIL-PILE INTERACTION FORCE: 75.000 [kN]");
}

TEST(ResultsReport, SoilSharesOfTheShears) {
  Case t;
  t.kind = WinklerSoil;
  t.f(1, 1) = -30;
  t.f(1, 3) = 10;
  t.s.atI[1] = 5;
  t.s.atJ[1] = 2;
  TextLineArray lines = t.Lines();
  EXPECT_DOUBLE_EQ(ParseNumber(lines[10].substr(27, 16)), -25.0);  // below node 1: F + S
  EXPECT_DOUBLE_EQ(ParseNumber(lines[11].substr(11, 16)), -12.0);  // above node 2: -(F + S)
}

TEST(ResultsReport, UnwritableFileFails) {
  Case t;
  EXPECT_FALSE(WriteResultsReport(t.kind, t.u, t.p, 4, t.depth, t.f, t.s, false, 0, "no-such-folder/T.RBA", "h"));
}

}  // namespace
}  // namespace palvore
