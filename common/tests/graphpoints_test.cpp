// Point rules of the response graphs: node rule, moment jumps, compaction.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/graphpoints.h"

namespace {

using Pairs = std::vector<std::pair<float, float>>;

ResultRows Table(const std::vector<std::vector<float>>& rows) {
  ResultRows t;
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) t(static_cast<int>(r) + 1, static_cast<int>(c)) = rows[r][c];
  return t;
}

GraphPoints Points(const Pairs& pairs) {
  GraphPoints p;
  for (size_t i = 0; i < pairs.size(); ++i) p.Set(static_cast<int>(i) + 1, pairs[i].first, pairs[i].second);
  return p;
}

Pairs Listed(const GraphPoints& p, int count) {
  Pairs out;
  for (int i = 1; i <= count; ++i) out.emplace_back(p.x[i], p.y[i]);
  return out;
}

TEST(GraphPoints, NodeRuleTakesOnePointPerRow) {
  ResultRows t = Table({{0, 1.5f, -2}, {0.5f, 2.5f, -3}, {1, 3.5f, -4}});
  GraphPoints p;
  ASSERT_EQ(CopySeriesColumn(p, t, 3, 2), 3);
  EXPECT_EQ(Listed(p, 3), (Pairs{{0, -2}, {0.5f, -3}, {1, -4}}));
  EXPECT_EQ(CopySeriesColumn(p, t, 0, 1), 0);
}

// Rows: distance, left shear, right shear, left moment, right moment (the first row has no left
// values, the last no right values).
TEST(GraphPoints, MomentRuleDoublesThePointWhereMomentOrShearJumps) {
  ResultRows t = Table({{0, 0, 40, 0, 2},
                        {1, 30, 30, 35, 35},            // smooth: one point
                        {2, 20, -20, 60, 60},           // a point load: the shear jumps
                        {3, 10, 10, 75, 80},            // a nodal moment: the moment jumps
                        {4, 10, 10, 80, 80.000005f},    // within 1.0E-5: no jump
                        {5, -40, 0, 0, 0}});
  GraphPoints p;
  int n = AddJumpPoints(p, t, 6, 3);
  EXPECT_EQ(Listed(p, n), (Pairs{{0, 2}, {1, 35}, {2, 60}, {2, 60}, {3, 75}, {3, 80}, {4, 80}, {5, 0}}));
  // The first point stands at 0 with the value right of the first node; a single row gives the
  // two end points.
  GraphPoints q;
  EXPECT_EQ(AddJumpPoints(q, Table({{0.25f, 0, 7, 0, 9}}), 1, 3), 2);
  EXPECT_EQ(Listed(q, 2), (Pairs{{0, 9}, {0.25f, 0}}));
  EXPECT_EQ(AddJumpPoints(q, t, 0, 3), 0);
}

// Rows: distance, shear at the end of the element on the left, shear at the start of the one on
// the right (the first row has no left value, the last no right value).
TEST(GraphPoints, ElementRuleGivesBothEndsOfEveryElement) {
  ResultRows t = Table({{0, 0, 50}, {5, 50, -50}, {10, -50, 0}});
  GraphPoints p;
  int n = ElementEndPoints(p, t, 3, 1);
  EXPECT_EQ(Listed(p, n), (Pairs{{0, 50}, {5, 50}, {5, -50}, {10, -50}}));
  EXPECT_EQ(ElementEndPoints(p, t, 1, 1), 0);  // a single node has no element
  EXPECT_EQ(ElementEndPoints(p, t, 0, 1), 0);
}

struct CompactCase {
  const char* name;
  Pairs in;
  Pairs out;
};

TEST(GraphPoints, CompactionKeepsTheLastOfPointsAtOnePlace) {
  const CompactCase cases[] = {
      {"three equal neighbours keep the last", {{1, 5}, {1, 5}, {1, 5}, {2, 7}}, {{1, 5}, {2, 7}}},
      {"a jump from 0 at x = 0 stays", {{0, 0}, {0, 40}, {1, 30}}, {{0, 0}, {0, 40}, {1, 30}}},
      {"two zeros at x = 0 merge", {{0, 0}, {0, 0.000001f}, {1, 3}}, {{0, 0.000001f}, {1, 3}}},
      {"equal values at other abscissae stay", {{1, 5}, {2, 5}, {3, 5}}, {{1, 5}, {2, 5}, {3, 5}}},
      {"within 1/1000 in both", {{1000, 5}, {1000.5f, 5.001f}, {1001, 6}}, {{1000.5f, 5.001f}, {1001, 6}}},
      {"a jump of 2 per cent stays", {{1, 5}, {1, 5.1f}}, {{1, 5}, {1, 5.1f}}},
      {"equal interior shears of a beam", {{0, 0}, {0, 40}, {1, 30}, {1, 30}, {2, 20}, {2, 20}, {3, -40}, {3, 0}},
       {{0, 0}, {0, 40}, {1, 30}, {2, 20}, {3, -40}, {3, 0}}},
  };
  for (const auto& c : cases) {
    GraphPoints p = Points(c.in);
    int n = CompactGraphPoints(p, static_cast<int>(c.in.size()));
    EXPECT_EQ(Listed(p, n), c.out) << c.name;
    for (size_t i = static_cast<size_t>(n) + 1; i <= c.in.size(); ++i) {
      EXPECT_EQ(p.x[i], 0.0f) << c.name;  // the freed places are cleared
      EXPECT_EQ(p.y[i], 0.0f) << c.name;
    }
  }
  GraphPoints one = Points({{3, 4}});
  EXPECT_EQ(CompactGraphPoints(one, 1), 1);
  EXPECT_EQ(CompactGraphPoints(one, 0), 0);
}

}  // namespace
