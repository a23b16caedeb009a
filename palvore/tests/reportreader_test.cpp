// Reading the results report back for the response graphs: the places of its tables, the force
// and displacement rows, the series of each action, and the axis of the graphs.
#include "palvore/core/reportreader.h"

#include <gtest/gtest.h>

#include "core/graphscale.h"
#include "palvore/core/resultsreport.h"
#include "testsupport.h"

namespace palvore {
namespace {

// Two elements without soil: node rows (depth, shear above, below, moment above, below)
// (0,0,0,0,0), (1,0,10,0,0), (2,10,0,-10,0).
TextLineArray TwoElementReport(int& count) {
  Vector u(7, 0.0), p(7, 0.0), depth = {0, 0, 1, 2};
  u[3] = 0.002;  // node 2 translation 2 mm
  EndForceTable f;
  SoilEndForces s;
  f.Resize(2);
  s.Resize(2);
  f(2, 1) = 10;
  f(2, 3) = -10;
  f(2, 4) = 10;
  return ResultsReportLines(NoSoil, u, p, 4, depth, f, s, false, 0, "Job: T //  Load Case: 'A'", count);
}

std::vector<std::pair<float, float>> Points(const GraphPoints& g, int n) {
  std::vector<std::pair<float, float>> v;
  for (int k = 1; k <= n; ++k) v.emplace_back(g.x[static_cast<size_t>(k)], g.y[static_cast<size_t>(k)]);
  return v;
}
using PointList = std::vector<std::pair<float, float>>;

TEST(ReportReader, TablePlacesOfATwoElementReport) {
  int count = 0;
  TextLineArray lines = TwoElementReport(count);
  ReportTablePlaces t = FindReportTables(lines, count);
  EXPECT_EQ(t.p, 13);  // force rows on lines 10..12
  EXPECT_EQ(t.r, 15);
  EXPECT_EQ(t.s, 23);  // displacement rows on lines 20..22
  ResultRows table;
  ASSERT_EQ(ReadForceTable(lines, count, table), 3);
  const float want[3][5] = {{0, 0, 0, 0, 0}, {1, 0, 10, 0, 0}, {2, 10, 0, -10, 0}};
  for (int r = 1; r <= 3; ++r)
    for (int c = 0; c <= 4; ++c) EXPECT_EQ(table.Get(r, c), want[r - 1][c]) << r << "," << c;
  ASSERT_EQ(ReadDisplacementTable(lines, count, table), 3);
  EXPECT_EQ(table.Get(2, 0), 1);
  EXPECT_EQ(table.Get(2, 1), 2);  // mm
  EXPECT_EQ(table.Get(3, 0), 2);
}

TEST(ReportReader, MomentAndShearSeries) {
  int count = 0;
  TextLineArray lines = TwoElementReport(count);
  ResponseGraph g;
  ASSERT_EQ(ResponseSeries(g, lines, count, 1, 2, 0), 4);
  EXPECT_EQ(Points(g.points, 4), (PointList{{0, 0}, {1, 0}, {1, 0}, {2, -10}}));
  EXPECT_EQ(g.heldTable, 1);
  ASSERT_EQ(ResponseSeries(g, lines, count, 2, 2, 0), 4);
  EXPECT_EQ(Points(g.points, 4), (PointList{{0, 0}, {1, 0}, {1, 10}, {2, 10}}));
  // Translations read the other table; every node one point.
  ASSERT_EQ(ResponseSeries(g, lines, count, 3, 2, 0), 3);
  EXPECT_EQ(g.heldTable, 2);
  EXPECT_EQ(Points(g.points, 3), (PointList{{0, 0}, {1, 2}, {2, 0}}));
  // The same action again keeps its points, even without the lines.
  EXPECT_EQ(ResponseSeries(g, TextLineArray(1), 0, 3, 2, 0), 3);
}

TEST(ReportReader, TheSoilSurfaceDoublesItsPoint) {
  int count = 0;
  TextLineArray lines = TwoElementReport(count);
  ResponseGraph g;
  ASSERT_EQ(ResponseSeries(g, lines, count, 2, 2, 1), 5);
  EXPECT_EQ(Points(g.points, 5), (PointList{{0, 0}, {1, 0}, {1, 0}, {1, 10}, {2, 10}}));
  // Translations and slopes are continuous: no doubled point.
  ResponseGraph t;
  EXPECT_EQ(ResponseSeries(t, lines, count, 3, 2, 1), 3);
}

TEST(ReportReader, AMissingOrCutReportGivesNoSeries) {
  ResponseGraph g;
  EXPECT_EQ(ResponseSeries(g, TextLineArray(1), 0, 1, 2, 0), 0);
  EXPECT_EQ(g.lastAction, 0);
  int count = 0;
  TextLineArray lines = TwoElementReport(count);
  // Only the first force row left.
  TextLineArray cut(lines.begin(), lines.begin() + 11);
  cut.push_back("");
  EXPECT_EQ(ResponseSeries(g, cut, 11, 1, 2, 0), 0);
  EXPECT_EQ(ResponseSeries(g, cut, 11, 3, 2, 0), 0);
}

TEST(GraphPoints, CompactionAtDepthZero) {
  GraphPoints g;
  const float pts[4][2] = {{0, 10}, {1, 10}, {1, 10}, {2, 10}};
  for (int k = 0; k < 4; ++k) g.Set(k + 1, pts[k][0], pts[k][1]);
  ASSERT_EQ(CompactGraphPoints(g, 4), 3);
  EXPECT_EQ(Points(g, 3), (PointList{{0, 10}, {1, 10}, {2, 10}}));
  GraphPoints z;
  z.Set(1, 0, 0);
  z.Set(2, 0, 0);
  z.Set(3, 1, 5);
  EXPECT_EQ(CompactGraphPoints(z, 3), 2);  // both at 0: one distance, no 0/0
}

TEST(ActionTitles, PerPileAndPerMetre) {
  EXPECT_EQ(ActionCount(false), 4);
  EXPECT_EQ(ActionCount(true), 5);
  EXPECT_EQ(OrdinateTitle(1, true), "Bending Moments [kN*m/m]");
  EXPECT_EQ(OrdinateTitle(2, true), "Shearing Forces [kN/m]");
  EXPECT_EQ(OrdinateTitle(1, false), "Bending Moments [kN*m]");
  EXPECT_EQ(OrdinateTitle(2, false), "Shearing Forces [kN]");
  for (int a = 3; a <= 5; ++a) EXPECT_EQ(OrdinateTitle(a, true), OrdinateTitle(a, false));
  EXPECT_EQ(OrdinateTitle(5, false), "Soil - Pile Contact Pressure [kPa]");
  EXPECT_EQ(PileActions()[4].caption, "&Soil - Pile Contact Pressure");
}

// The graphs' axis: frame top 1200, height 7720, 20 divisions.
TEST(GraphAxis, ZerosAndAPositiveRangeMomentsReversed) {
  GraphPoints zeros;
  for (int k = 1; k <= 5; ++k) zeros.Set(k, static_cast<float>(k - 1), 0);
  GraphAxis a = ScaleGraphAxis(zeros, 5, 20, false);
  EXPECT_EQ(a.bottom, -5);
  EXPECT_EQ(a.top, 5);
  EXPECT_DOUBLE_EQ(a.step, 0.5);
  EXPECT_EQ(a.zeroY, 5060);
  EXPECT_EQ(OrdinateLabel(a.bottom, a), "-5.000");
  EXPECT_EQ(OrdinateLabel(a.top, a), "5.000");

  GraphPoints rising;
  for (int k = 1; k <= 10; ++k) rising.Set(k, static_cast<float>(k - 1), static_cast<float>(10 * k));
  GraphAxis s = ScaleGraphAxis(rising, 10, 20, false);
  EXPECT_NEAR(s.bottom, 0, 1e-4);
  EXPECT_NEAR(s.top, 106, 1e-3);
  EXPECT_NEAR(s.step, 5.3, 1e-9);
  EXPECT_EQ(s.zeroY, 8920);
  GraphAxis m = ScaleGraphAxis(rising, 10, 20, true);
  EXPECT_NEAR(m.bottom, 106, 1e-3);
  EXPECT_NEAR(m.top, 0, 1e-4);
  EXPECT_NEAR(m.step, -5.3, 1e-9);
  EXPECT_EQ(m.zeroY, 1200);
  // Extremes start from the first ordinate: a falling series keeps its first value as maximum.
  GraphPoints falling;
  for (int k = 1; k <= 10; ++k) falling.Set(k, static_cast<float>(k - 1), static_cast<float>(110 - 10 * k));
  GraphAxis f = ScaleGraphAxis(falling, 10, 20, false);
  EXPECT_GE(f.top, 100);
}

// An analysed long pile in Winkler soil: every action has a series along the whole pile.
TEST(ReportReader, AnAnalysedPile) {
  TestDirectory dir;
  testing::PileJob j = testing::LongPile(20, 20.0);
  j.above = 2;
  testing::WriteJob(j);
  testing::SolverRun run = testing::Analyse(j);
  ASSERT_EQ(run.status, 0) << run.output;
  TextLineArray lines = testing::FileLines(ResultsFileName(j.name, j.loadCase));
  const int count = static_cast<int>(lines.size()) - 1;
  for (int action = 1; action <= 5; ++action) {
    ResponseGraph g;
    int n = ResponseSeries(g, lines, count, action, 20, 2);
    ASSERT_GT(n, 3) << action;
    EXPECT_EQ(g.points.x[1], 0) << action;
    EXPECT_NEAR(g.points.x[static_cast<size_t>(n)], 20, 1e-4) << action;
    for (int k = 2; k <= n; ++k) EXPECT_GE(g.points.x[static_cast<size_t>(k)], g.points.x[static_cast<size_t>(k - 1)]);
  }
  ResponseGraph g;
  ResponseSeries(g, lines, count, 1, 20, 2);
  EXPECT_NEAR(g.points.y[1], 0, 1e-3);  // a free top carries no moment
}

}  // namespace
}  // namespace palvore
