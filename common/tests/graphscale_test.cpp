// Axis scaling, world mapping and tick labels of the response graphs.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/graphscale.h"

namespace {

GraphPoints Series(const std::vector<std::pair<float, float>>& pairs) {
  GraphPoints p;
  for (size_t i = 0; i < pairs.size(); ++i) p.Set(static_cast<int>(i) + 1, pairs[i].first, pairs[i].second);
  return p;
}

GraphAxis Scale(const std::vector<std::pair<float, float>>& pairs, bool reversed = false) {
  GraphPoints p = Series(pairs);
  return ScaleGraphAxis(p, static_cast<int>(pairs.size()), 20, reversed);
}

TEST(GraphAxisStep, RoundsTheDivisionSizeUpInItsLeadingDigits) {
  struct Case {
    double size, step;
  } cases[] = {{58.3, 60}, {0.0237, 0.024}, {150, 150}, {123.456, 200}, {20, 20}, {20.5, 30},
               {0.3, 0.3}, {5, 5},          {1234.5, 2000}, {0.5, 0.5}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(RoundAxisStep(c.size), c.step) << c.size;
  EXPECT_DOUBLE_EQ(RoundAxisStep(58.3, -1), -60);
}

TEST(GraphAxis, AllOrdinatesZeroGiveMinusFiveToFiveWithTheZeroLineMidFrame) {
  GraphAxis a = Scale({{0, 0}, {1, 0}, {2, 0}});
  EXPECT_EQ(a.bottom, -5.0f);
  EXPECT_EQ(a.top, 5.0f);
  EXPECT_DOUBLE_EQ(a.step, 0.5);
  EXPECT_EQ(a.zeroY, 1200 + 7720 / 2);
  EXPECT_EQ(a.infinity, 0);
  EXPECT_EQ(a.first, 0.0f);
  EXPECT_EQ(a.last, 2.0f);
  // Reversed, the ends change places and the zero line stays in the middle.
  GraphAxis r = Scale({{0, 0}, {1, 0}, {2, 0}}, true);
  EXPECT_EQ(r.bottom, 5.0f);
  EXPECT_EQ(r.top, -5.0f);
  EXPECT_DOUBLE_EQ(r.step, -0.5);
  EXPECT_EQ(r.zeroY, 5060);
}

TEST(GraphAxis, EqualNonZeroOrdinatesAreNoFlatRange) {
  GraphAxis a = Scale({{0, 5}, {1, 5}, {2, 5}});
  EXPECT_LT(a.bottom, 5.0f);
  EXPECT_GT(a.top, 5.0f);
  EXPECT_GT(a.step, 0);
  EXPECT_LT(a.step, 0.5);
}

TEST(GraphAxis, ARangeAboveZeroStartingWithinAStepIsAnchoredAtZero) {
  // 10..100: step 5.3, the axis 0..106 with the zero line on the lower frame edge.
  GraphAxis a = Scale({{0, 10}, {1, 55}, {2, 100}});
  EXPECT_DOUBLE_EQ(a.step, 5.3);
  EXPECT_FLOAT_EQ(a.bottom, 0);
  EXPECT_FLOAT_EQ(a.top, 106);
  EXPECT_EQ(a.zeroY, 1200 + 7720);
  // Far from zero: no anchor, a round lower end, and no zero line.
  GraphAxis far = Scale({{0, 1000}, {1, 1100}});
  EXPECT_DOUBLE_EQ(far.step, 10.9);
  EXPECT_GT(far.bottom, 900.0f);
  EXPECT_LE(far.bottom, 1000.0f - 0.4f * 10.9f);
  EXPECT_GE(far.top, 1100.0f);
  EXPECT_EQ(far.zeroY, 0);
}

TEST(GraphAxis, ZeroLiesOnAGridLineWithAMarginAroundTheCurve) {
  GraphAxis a = Scale({{0, -50}, {4, 0}, {8, 50}});
  EXPECT_DOUBLE_EQ(a.step, 5.9);
  EXPECT_FLOAT_EQ(a.bottom, -59);
  EXPECT_FLOAT_EQ(a.top, 59);
  EXPECT_EQ(a.zeroY, 5060);
  // Mostly positive: zero on a division line, more divisions above it.
  GraphAxis b = Scale({{0, -10}, {1, 80}});
  double below = -b.bottom / b.step, above = b.top / b.step;
  EXPECT_NEAR(below, std::round(below), 1e-6);
  EXPECT_NEAR(below + above, 20, 1e-6);
  EXPECT_LT(below, above);
  EXPECT_LE(b.bottom, -10 - 0.4 * b.step + 1e-6);
  EXPECT_GE(b.top, 80 + 0.4 * b.step - 1e-6);
  EXPECT_NEAR(b.zeroY, 1200 + 7720 * above / 20, 1);
}

TEST(GraphAxis, AMomentAxisReversedPutsPositiveValuesBelowTheZeroLine) {
  // A simply supported beam's moments 0..80 drawn positive downwards.
  GraphAxis a = Scale({{0, 0}, {4, 80}, {8, 0}}, true);
  EXPECT_GT(a.bottom, a.top);
  EXPECT_LT(a.step, 0);
  EXPECT_GT(GraphWorldY(80, a), GraphWorldY(0, a));
  EXPECT_NEAR(a.zeroY, GraphWorldY(0, a), 1);  // both rounded down
  GraphAxis n = Scale({{0, 0}, {4, 80}, {8, 0}}, false);
  EXPECT_LT(GraphWorldY(80, n), GraphWorldY(0, n));
  EXPECT_NEAR(n.zeroY, GraphWorldY(0, n), 1);
}

TEST(GraphAxis, AnInfiniteFirstOrdinateIsExtrapolatedAndFlagged) {
  struct Case {
    const char* name;
    std::vector<std::pair<float, float>> in;
    float x1, y1;
  } cases[] = {
      {"parabola through points 2 to 4 (a straight line here)", {{0, 9.9e21f}, {1, 9}, {2, 8}, {3, 7}, {4, 6}}, 0.5f, 9.5f},
      {"points 3 and 4 within 1/1000: twice y2", {{0, 9.9e21f}, {1, 9}, {2, 8}, {2.0005f, 7}}, 0.5f, 18},
      {"points 2 and 3 within 1/1000: twice y2", {{0, -9.9e21f}, {1, 9}, {1.0002f, 8}, {3, 7}}, 0.5f, 18},
      {"three points: twice y2", {{0, -9.9e21f}, {1, 5}, {2, 3}}, 0.5f, 10},
      {"a parabola's own value", {{0, 9.9e21f}, {1, 1}, {2, 4}, {3, 7}}, 0.5f, -0.5f},
  };
  for (const auto& c : cases) {
    GraphPoints p = Series(c.in);
    GraphAxis a = ScaleGraphAxis(p, static_cast<int>(c.in.size()), 20, false);
    EXPECT_EQ(a.infinity, 2) << c.name;
    EXPECT_FLOAT_EQ(p.x[1], c.x1) << c.name;
    EXPECT_NEAR(p.y[1], c.y1, 1e-5) << c.name;
    EXPECT_EQ(a.first, 0.0f) << c.name;  // the abscissa range is taken before the replacement
    EXPECT_LT(a.top, 1e6f) << c.name;
  }
  // A single infinite point stays; below the threshold nothing is replaced.
  GraphPoints one = Series({{0, 9.9e21f}});
  EXPECT_EQ(ScaleGraphAxis(one, 1, 20, false).infinity, 2);
  EXPECT_EQ(one.y[1], 9.9e21f);
  GraphPoints big = Series({{0, 8.9e21f}, {1, 2}});
  EXPECT_EQ(ScaleGraphAxis(big, 2, 20, false).infinity, 0);
  EXPECT_EQ(big.y[1], 8.9e21f);
}

TEST(GraphAxis, NoPointsGiveTheFlatAxis) {
  GraphPoints p;
  GraphAxis a = ScaleGraphAxis(p, 0, 20, false);
  EXPECT_EQ(a.bottom, -5.0f);
  EXPECT_EQ(a.top, 5.0f);
}

TEST(GraphWorld, MapsTheAxisOntoTheFrame) {
  GraphAxis a;
  a.first = 0;
  a.last = 8;
  a.bottom = -10;
  a.top = 10;
  EXPECT_EQ(GraphWorldX(0, a), 1400);
  EXPECT_EQ(GraphWorldX(8, a), 9400);
  EXPECT_EQ(GraphWorldX(2, a), 3400);
  EXPECT_EQ(GraphWorldY(-10, a), 8920);
  EXPECT_EQ(GraphWorldY(10, a), 1200);
  EXPECT_EQ(GraphWorldY(0, a), 5060);
  a.last = 0;  // one abscissa only
  EXPECT_EQ(GraphWorldX(0, a), 1400);
}

GraphAxis Axis(float bottom, float top, double step, float first = 0, float last = 10) {
  GraphAxis a;
  a.bottom = bottom;
  a.top = top;
  a.step = step;
  a.first = first;
  a.last = last;
  return a;
}

TEST(GraphLabels, OrdinateMasksFollowTheRangeAndTheStep) {
  struct Case {
    GraphAxis axis;
    double value;
    const char* text;
  } cases[] = {
      {Axis(-50, 50, 5), -50, "-50.000"},
      {Axis(-50, 50, 5), 5, "5.000"},
      {Axis(50, -50, -5), 45, "45.000"},            // reversed: the same masks
      {Axis(-0.5f, 0.5f, 0.05), 0.05, "5.000E-2"},  // a step below 0.1
      {Axis(-0.5f, 0.5f, 0.05), -0.5, "-5.000E-1"},
      {Axis(0, 200, 10), 120, "120.00"},
      {Axis(0, 20000, 1000), 12000, "1.200E+4"},    // an end beyond 10000
      {Axis(-50, 50, 5), 1e-6, "0.000"},            // below 1.0E-7 of the larger end
  };
  for (const auto& c : cases) EXPECT_EQ(OrdinateLabel(c.value, c.axis), c.text) << c.value;
}

TEST(GraphLabels, AbscissaMasksFollowTheValue) {
  struct Case {
    float first, last;
    double value;
    const char* text;
  } cases[] = {
      {0, 1, 0.005, "5.000E-3"}, {0, 5000, 2500, "2.500E+3"}, {0, 1, 0.5, "0.500"},
      {0, 1000, 999, "999.000"}, {0, 1, 0.000008, "0.000"},  {0, 8, 8, "8.000"},
  };
  for (const auto& c : cases) EXPECT_EQ(AbscissaLabel(c.value, Axis(-1, 1, 0.1, c.first, c.last)), c.text) << c.value;
  EXPECT_EQ(AbscissaLabel(0, Axis(-1, 1, 0.1, 0, 0)), "0.000");
}

}  // namespace
