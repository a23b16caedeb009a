// The cubic spline, the runs of a curve and the curve's path in world units.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/spline.h"

namespace {

double Cubic(double x) { return x * x * x - 2 * x * x + 3 * x + 1; }
double CubicSlope(double x) { return 3 * x * x - 4 * x + 3; }

TEST(Spline, WithACubicsOwnEndSlopesItReproducesTheCubic) {
  std::vector<double> xa{0, 0, 0.7, 1.5, 2, 3.2, 4}, ya(xa.size()), y2;
  int n = 6;
  for (int i = 1; i <= n; ++i) ya[i] = Cubic(xa[i]);
  SplineSecondDerivatives(xa, ya, n, CubicSlope(0), CubicSlope(4), y2);
  for (int i = 1; i <= n; ++i) EXPECT_NEAR(y2[i], 6 * xa[i] - 4, 1e-9) << "node " << i;
  for (double x = 0; x <= 4.0001; x += 0.05) {
    double y = 0;
    ASSERT_TRUE(SplineValue(xa, ya, y2, n, x, y));
    EXPECT_NEAR(y, Cubic(x), 1e-9) << "x = " << x;
  }
}

TEST(Spline, NaturalEndsHaveNoCurvature) {
  std::vector<double> xa{0, 0, 1, 2, 3}, ya{0, 0, 1, 0, 1}, y2;
  SplineSecondDerivatives(xa, ya, 4, 1e30, 1e30, y2);
  EXPECT_EQ(y2[1], 0);
  EXPECT_EQ(y2[4], 0);
  EXPECT_NE(y2[2], 0);
  double y = 0;
  ASSERT_TRUE(SplineValue(xa, ya, y2, 4, 2, y));
  EXPECT_NEAR(y, 0, 1e-12);  // through its points
}

TEST(Spline, EqualBracketingAbscissaeAreReportedAndLeaveTheValue) {
  std::vector<double> xa{0, 0, 1, 1}, ya{0, 0, 1, 2}, y2(4, 0.0);
  double y = 123;
  EXPECT_FALSE(SplineValue(xa, ya, y2, 3, 1, y));
  EXPECT_EQ(y, 123);
}

GraphPoints Series(const std::vector<std::pair<float, float>>& pairs) {
  GraphPoints p;
  for (size_t i = 0; i < pairs.size(); ++i) p.Set(static_cast<int>(i) + 1, pairs[i].first, pairs[i].second);
  return p;
}

// A moment curve with two jumps: three runs, each starting again at the doubled abscissa.
GraphPoints TwoJumps() {
  return Series({{0, 0}, {1, 30}, {2, 50}, {3, 60}, {3, 40}, {4, 45}, {5, 44}, {6, 38}, {6, 70}, {7, 50}, {8, 25}, {9, 0}});
}

TEST(SplineRuns, SplitWhereNeighboursStandAtOneAbscissa) {
  GraphPoints p = TwoJumps();
  std::vector<SplineRun> runs = SplineRuns(p, 12);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].first, 1);
  EXPECT_EQ(runs[0].last, 4);
  EXPECT_EQ(runs[1].first, 5);
  EXPECT_EQ(runs[1].last, 8);
  EXPECT_EQ(runs[2].first, 9);
  EXPECT_EQ(runs[2].last, 12);
  // No jump: one run; points all at one abscissa: each its own run; the count bounds the search.
  EXPECT_EQ(SplineRuns(Series({{0, 1}, {1, 2}, {2, 3}}), 3).size(), 1u);
  EXPECT_EQ(SplineRuns(Series({{1, 1}, {1, 2}, {1, 3}}), 3).size(), 3u);
  EXPECT_EQ(SplineRuns(Series({{0, 1}, {1, 2}}), 50).size(), 1u);
  EXPECT_TRUE(SplineRuns(p, 0).empty());
}

GraphAxis AxisOf(GraphPoints p, int count) { return ScaleGraphAxis(p, count, 20, false); }

TEST(GraphCurvePath, TheSplineIsDrawnRunByRunWithStraightJumps) {
  GraphPoints p = TwoJumps();
  GraphAxis a = AxisOf(p, 12);
  int bad = -1;
  std::vector<GraphWorldPoint> path = GraphCurvePath(p, 12, a, true, GraphFrame(), &bad);
  EXPECT_EQ(bad, 0);
  // Each jump is a vertical line from the end of one run to the first point of the next.
  int jumps = 0;
  for (size_t i = 1; i < path.size(); ++i) {
    if (path[i].x == path[i - 1].x) {
      ++jumps;
      continue;
    }
    EXPECT_GT(path[i].x, path[i - 1].x);  // otherwise always to the right
  }
  EXPECT_EQ(jumps, 2);
  for (int first : {5, 9}) {
    GraphWorldPoint start{GraphWorldX(p.x[first], a), GraphWorldY(p.y[first], a)};
    bool found = false;
    for (size_t i = 1; i < path.size(); ++i)
      found = found || (path[i].x == start.x && path[i].y == start.y && path[i - 1].x == start.x);
    EXPECT_TRUE(found) << "run starting at point " << first;
  }
  // Every node is passed, the last one at the frame's right edge; samples every 4 units or so.
  EXPECT_EQ(path.back().x, 9400);
  EXPECT_NEAR(path.back().y, GraphWorldY(0, a), 1);
  EXPECT_GT(path.size(), 1900u);
}

TEST(GraphCurvePath, ShortRunsAndTheLinearPageGoStraight) {
  GraphPoints p = Series({{0, 0}, {1, 1}, {2, 0}});
  GraphAxis a = AxisOf(p, 3);
  std::vector<GraphWorldPoint> spline = GraphCurvePath(p, 3, a, true);
  std::vector<GraphWorldPoint> straight = GraphCurvePath(p, 3, a, false);
  ASSERT_EQ(spline.size(), 2u);
  ASSERT_EQ(straight.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(spline[i].x, GraphWorldX(p.x[i + 2], a));
    EXPECT_EQ(spline[i].y, GraphWorldY(p.y[i + 2], a));
    EXPECT_EQ(straight[i].x, spline[i].x);
    EXPECT_EQ(straight[i].y, spline[i].y);
  }
}

TEST(GraphCurvePath, DensePointsStillReachTheEnd) {
  // 3001 points over 8000 world units: intervals narrower than a sample still draw their ends.
  GraphPoints p;
  for (int i = 1; i <= 3001; ++i) p.Set(i, (i - 1) * 0.01f, std::sin((i - 1) * 0.01f));
  GraphAxis a = AxisOf(p, 3001);
  std::vector<GraphWorldPoint> path = GraphCurvePath(p, 3001, a, true);
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.back().x, 9400);
  EXPECT_NEAR(path.back().y, GraphWorldY(std::sin(30.0f), a), 2);
}

}  // namespace
